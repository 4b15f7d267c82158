// The practical played in a real browser, from the generator to a storage recording, at two
// window sizes and two pixel ratios, once with the mouse and once with a finger each (the knobs
// held down by either); the recorded trace checked on a screenshot against the rows the model
// puts its dots on. Any console error or page error fails it.
import assert from "node:assert/strict";
import { after, before, describe, it } from "node:test";

import { launchBrowser, watchedPage } from "./browser.mjs";
import { Hand, playPractical } from "./practical.mjs";
import { serveSite } from "./serve.mjs";

const site = process.env.VORLINDE_SITE;
if (!site) throw new Error("set VORLINDE_SITE");

// Each size with each ratio once; each input kind on both sizes and both ratios.
const RUNS = [
    { width: 1366, height: 768, deviceScaleFactor: 1, touch: false },
    { width: 1366, height: 768, deviceScaleFactor: 2, touch: true },
    { width: 1920, height: 1080, deviceScaleFactor: 1, touch: true },
    { width: 1920, height: 1080, deviceScaleFactor: 2, touch: false },
];

let server, url, chromium;
before(async () => {
    server = await serveSite(site);
    url = `http://127.0.0.1:${server.address().port}/`;
    chromium = await launchBrowser();
});
after(async () => {
    await chromium?.close();
    server?.close();
});

describe("the practical in the browser", () => {
    for (const { touch, ...size } of RUNS) {
        const by = touch ? "a finger" : "the mouse";
        it(`with ${by} at ${size.width} x ${size.height}, ratio ${size.deviceScaleFactor}`, async () => {
            const { page, problems } = await watchedPage(chromium.browser, { ...size, hasTouch: touch });
            await page.goto(url, { waitUntil: "load" });
            await page.waitForFunction(() => typeof window.vorlindeValue === "function", { timeout: 10000 });
            const kinds = [];
            await page.exposeFunction("vorlindeSawPointer", (kind) => kinds.push(kind));
            await page.evaluate(() => document.getElementById("screen").addEventListener("pointerdown",
                (e) => window.vorlindeSawPointer(e.pointerType)));
            await playPractical(new Hand(page, touch));
            assert.ok(kinds.length > 0 && kinds.every((k) => k === (touch ? "touch" : "mouse")), kinds.join(" "));
            await page.close();
            assert.deepEqual(problems, []);
        });
    }
});
