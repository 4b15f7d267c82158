// The page in a real browser: it fills the window above the status bar, is named after the
// frame, keeps the French date and time, works offline once visited and can be installed; the
// single file opens from file://; without WebAssembly or script a French sentence shows.
import assert from "node:assert/strict";
import { describe, it } from "node:test";
import { pathToFileURL } from "node:url";

import { watchedPage } from "./browser.mjs";
import { servedSite } from "./served.mjs";

const site = process.env.VORLINDE_SITE;
const single = process.env.VORLINDE_SINGLE;
if (!site || !single) throw new Error("set VORLINDE_SITE and VORLINDE_SINGLE");

// The desktop's title: the frame's caption, the maximised instrument's in brackets.
const BENCH_TITLE = "Vorlinde - [Charge et décharge d'un condensateur à travers une résistance]";
const SCOPE_TITLE = "Vorlinde - [Oscilloscope]";

const SIZES = [
    { width: 1366, height: 768, deviceScaleFactor: 1 },
    { width: 1920, height: 1080, deviceScaleFactor: 2 },
];

const served = servedSite(site);

// What the page shows once started: its title, the frame's and the canvas's boxes, the panels.
async function started(page) {
    await page.waitForFunction(() => document.title.startsWith("Vorlinde") && !document.getElementById("frame").hidden
        && document.getElementById("date").textContent !== "", { timeout: 10000 });
    return page.evaluate(() => {
        const box = (id) => {
            const r = document.getElementById(id).getBoundingClientRect();
            return { x: r.x, y: r.y, w: r.width, h: r.height };
        };
        const panels = [...document.getElementById("status").children].map((p) => p.textContent);
        return { title: document.title, canvas: box("screen"), status: box("status"), panels,
                 messages: [...document.querySelectorAll(".message")].filter((m) => m.offsetParent).length };
    });
}

function frenchDateAndTime() {
    const now = new Date();
    return [new Intl.DateTimeFormat("fr-FR", { day: "2-digit", month: "2-digit", year: "numeric" }).format(now),
            new Intl.DateTimeFormat("fr-FR", { hour: "2-digit", minute: "2-digit" }).format(now)];
}

describe("the served page", () => {
    for (const size of SIZES) {
        it(`fills ${size.width} x ${size.height} at ratio ${size.deviceScaleFactor} above the status bar`, async () => {
            const { page, problems } = await watchedPage(served.browser, size);
            await page.goto(served.url, { waitUntil: "load" });
            const s = await started(page);
            assert.equal(s.title, BENCH_TITLE);
            assert.equal(s.status.h, 18, "the status bar is the frame's 270 twips high");
            assert.equal(s.status.y + s.status.h, size.height, "the status bar lies along the bottom edge");
            assert.deepEqual(s.canvas, { x: 0, y: 0, w: size.width, h: size.height - 18 });
            const [date, time] = frenchDateAndTime();
            assert.equal(s.panels[0], "");
            assert.equal(s.panels[1], date);
            assert.match(s.panels[2], /^\d\d:\d\d$/);
            const minutes = (t) => Number(t.slice(0, 2)) * 60 + Number(t.slice(3));
            assert.ok((minutes(time) - minutes(s.panels[2]) + 1440) % 1440 <= 1, `${s.panels[2]} at ${time}`);
            assert.equal(s.messages, 0);
            await page.close();
            assert.deepEqual(problems, []);
        });
    }

    it("works offline after one visit, and offers what an installed app needs", async () => {
        const { page, problems } = await watchedPage(served.browser, SIZES[0]);
        await page.goto(served.url, { waitUntil: "load" });
        await started(page);
        await page.evaluate(() => navigator.serviceWorker.ready);
        const manifest = await page.evaluate(async () => {
            const link = document.querySelector('link[rel="manifest"]');
            const m = await (await fetch(link.href)).json();
            const icons = await Promise.all(m.icons.map(async (i) => ({ sizes: i.sizes, ok: (await fetch(i.src)).ok })));
            return { name: m.name, display: m.display, start: m.start_url, icons };
        });
        assert.equal(manifest.name, "Vorlinde");
        assert.ok(manifest.icons.every((i) => i.ok), JSON.stringify(manifest.icons));
        for (const need of ["192x192", "512x512"]) assert.ok(manifest.icons.some((i) => i.sizes === need), need);
        await page.reload({ waitUntil: "load" });  // now under the worker's control
        await page.setOfflineMode(true);
        await page.reload({ waitUntil: "load" });
        const s = await started(page);
        assert.equal(s.title, BENCH_TITLE);
        await page.setOfflineMode(false);
        await page.close();
        assert.deepEqual(problems, []);
    });
});

// Presses through Pointer Events, a mouse's or a finger's, on the controls where the model has
// them. Dialling a voltage with the press-and-hold knob (the right half turns it up, a step per
// tick of the browser-driven timer) is seen in the model's refusal to open the oscilloscope on
// a short circuit (E above 0 with R and C at 0); undialled, the same button opens it.
describe("input", () => {
    async function pointerAt(page, name) {
        const at = await page.evaluate((n) => window.vorlindeLocate(n), name);
        assert.ok(at, `${name} is on the canvas`);
        return at;
    }
    async function tap(page, touch, at) {
        if (touch) await page.touchscreen.tap(at.x, at.y);
        else await page.mouse.click(at.x, at.y);
    }
    async function hold(page, touch, at, ms) {
        if (touch) await page.touchscreen.touchStart(at.x, at.y);
        else {
            await page.mouse.move(at.x, at.y);
            await page.mouse.down();
        }
        await new Promise((r) => setTimeout(r, ms));
        if (touch) await page.touchscreen.touchEnd();
        else await page.mouse.up();
    }

    for (const touch of [false, true]) {
        const size = touch ? { ...SIZES[1], hasTouch: true } : SIZES[0];
        it(`with ${touch ? "a finger" : "the mouse"}: the generator dialled up refuses the oscilloscope, undialled it opens`, async () => {
            const { page, problems } = await watchedPage(served.browser, size);
            await page.goto(served.url, { waitUntil: "load" });
            await started(page);
            await tap(page, touch, await pointerAt(page, "powerctl"));
            const knob = await pointerAt(page, "genectl");
            await hold(page, touch, { x: knob.x + 4, y: knob.y }, 700);
            await tap(page, touch, await pointerAt(page, "Oscilloaffich"));
            await new Promise((r) => setTimeout(r, 100));
            assert.equal(await page.title(), BENCH_TITLE, "a short circuit: the bench stays");

            await page.reload({ waitUntil: "load" });
            await started(page);
            const button = await pointerAt(page, "Oscilloaffich");
            if (!touch) {  // the model's hand over the button, as a CSS cursor crisp at the ratio
                await page.mouse.move(button.x, button.y);
                const cursor = await page.evaluate(() => document.getElementById("screen").style.cursor);
                const m = cursor.match(/^image-set\(url\("data:image\/png;base64,[^"]+"\) ([\d.]+)x\) (\d+) (\d+), auto$/);
                assert.ok(m, cursor.slice(0, 80));
                assert.equal(Number(m[1]), size.deviceScaleFactor);
            }
            await tap(page, touch, button);
            await page.waitForFunction((t) => document.title === t, { timeout: 3000 }, SCOPE_TITLE);
            await page.close();
            assert.deepEqual(problems, []);
        });
    }
});

describe("the single file", () => {
    it("opens from file:// with everything inlined", async () => {
        const { page, problems } = await watchedPage(served.browser, SIZES[0]);
        const requests = [];
        page.on("request", (r) => requests.push(r.url()));
        await page.goto(pathToFileURL(single).href, { waitUntil: "load" });
        const s = await started(page);
        assert.equal(s.title, BENCH_TITLE);
        assert.equal(s.canvas.h, SIZES[0].height - 18);
        const outside = requests.filter((r) => !r.startsWith("data:") && r !== pathToFileURL(single).href);
        assert.deepEqual(outside, [], "the single file asks for nothing beside itself");
        await page.close();
        assert.deepEqual(problems, []);
    });
});

describe("a browser that cannot run the program", () => {
    async function visibleText(page) {
        return page.evaluate(() => [...document.querySelectorAll("body *")]
            .filter((e) => e.offsetParent !== null && e.children.length === 0).map((e) => e.textContent.trim())
            .filter((t) => t !== ""));
    }

    // Also when the browser is too old to read the page's scripts at all (as if they failed).
    for (const unreadable of [false, true]) {
        it(`without WebAssembly shows one French sentence${unreadable ? ", its scripts unreadable" : ""}`, async () => {
            const { page } = await watchedPage(served.browser, SIZES[0]);
            await page.evaluateOnNewDocument(() => {
                delete globalThis.WebAssembly;
            });
            if (unreadable) {
                await page.setRequestInterception(true);
                page.on("request", (r) => (r.url().endsWith(".js") ? r.abort() : r.continue()));
            }
            await page.goto(served.url, { waitUntil: "load" });
            assert.deepEqual(await visibleText(page), [
                "Ce navigateur ne sait pas exécuter WebAssembly : ouvrez Vorlinde dans un navigateur récent " +
                "(Chrome, Edge, Firefox ou Safari).",
            ]);
            await page.close();
        });
    }

    it("with script disabled shows one French sentence", async () => {
        const { page } = await watchedPage(served.browser, SIZES[0]);
        await page.setJavaScriptEnabled(false);
        await page.goto(served.url, { waitUntil: "load" });
        assert.deepEqual(await visibleText(page), [
            "Vorlinde a besoin de JavaScript : activez-le dans votre navigateur pour lancer la simulation.",
        ]);
        await page.close();
    });
});
