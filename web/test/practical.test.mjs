// The practical played in a real browser, from the generator to a storage recording, at two
// window sizes and two pixel ratios, once with the mouse and once with a finger each (the knobs
// held down by either); the recorded trace checked on a screenshot against the rows the model
// puts its dots on. Any console error or page error fails it.
import assert from "node:assert/strict";
import { describe, it } from "node:test";
import { pathToFileURL } from "node:url";

import { watchedPage } from "./browser.mjs";
import { decodePng } from "./png.mjs";
import { checkTrace, Hand, playPractical, sleep } from "./practical.mjs";
import { servedSite } from "./served.mjs";

const site = process.env.VORLINDE_SITE;
const single = process.env.VORLINDE_SINGLE;
if (!site || !single) throw new Error("set VORLINDE_SITE and VORLINDE_SINGLE");

// Each size with each ratio once; each input kind on both sizes and both ratios.
const RUNS = [
    { width: 1366, height: 768, deviceScaleFactor: 1, touch: false },
    { width: 1366, height: 768, deviceScaleFactor: 2, touch: true },
    { width: 1920, height: 1080, deviceScaleFactor: 1, touch: true },
    { width: 1920, height: 1080, deviceScaleFactor: 2, touch: false },
];

const served = servedSite(site);

describe("the practical in the browser", () => {
    for (const { touch, ...size } of RUNS) {
        const by = touch ? "a finger" : "the mouse";
        it(`with ${by} at ${size.width} x ${size.height}, ratio ${size.deviceScaleFactor}`, async () => {
            const { page, problems } = await watchedPage(served.browser, { ...size, hasTouch: touch });
            await page.goto(served.url, { waitUntil: "load" });
            await page.waitForFunction(() => typeof window.vorlindeValue === "function", { timeout: 10000 });
            const kinds = [];
            await page.exposeFunction("vorlindeSawPointer", (kind) => kinds.push(kind));
            await page.evaluate(() => document.getElementById("screen").addEventListener("pointerdown",
                (e) => window.vorlindeSawPointer(e.pointerType)));
            await playPractical(new Hand(page, touch));
            assert.ok(kinds.length > 0 && kinds.every((k) => k === (touch ? "touch" : "mouse")), kinds.join(" "));
            // A dot covers the device row of its centre at either ratio: the nearest trace row is
            // that row, or the next one where the centre falls on a pixel edge.
            await sleep(100);  // the last repaint waits for an animation frame
            assert.equal(await checkTrace(page, size.deviceScaleFactor, 1), 40);
            await page.close();
            assert.deepEqual(problems, []);
        });
    }
});

// The single file from file:// paints the instruments, not only the grey page: the bench's
// coloured pictures cover a good part of the canvas.
describe("the single file", () => {
    it("paints the instruments from file://", async () => {
        const { page, problems } = await watchedPage(served.browser, RUNS[0]);
        await page.goto(pathToFileURL(single).href, { waitUntil: "load" });
        await page.waitForFunction(() => performance.getEntriesByName("vorlinde-first-frame").length > 0,
                                   { timeout: 10000 });
        const shot = decodePng(Buffer.from(await page.screenshot({ type: "png" })));
        let coloured = 0, all = 0;
        for (let y = 0; y < RUNS[0].height - 18; y += 4) {
            for (let x = 0; x < shot.width; x += 4, ++all) {
                const [r, g, b] = shot.pixel(x, y);
                if (Math.max(r, g, b) - Math.min(r, g, b) > 40) ++coloured;
            }
        }
        assert.ok(coloured > all / 20, `${coloured} coloured pixels of ${all} sampled`);
        await page.close();
        assert.deepEqual(problems, []);
    });
});
