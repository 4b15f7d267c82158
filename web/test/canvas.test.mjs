// The browser's gfx backend in chromium: a scene painted through it (tests/web/CanvasScene.cpp)
// read back from the canvas at ratio 2, each part where it must be.
//   node --test canvas.test.mjs   with VORLINDE_CANVAS_SCENE set to the folder holding
//   canvas-scene.html, its module and the font.
import assert from "node:assert/strict";
import { after, before, it } from "node:test";

import { launchBrowser, watchedPage } from "./browser.mjs";
import { serveSite } from "./serve.mjs";

const dir = process.env.VORLINDE_CANVAS_SCENE;
if (!dir) throw new Error("set VORLINDE_CANVAS_SCENE");

let server, chromium;
before(async () => {
    server = await serveSite(dir);
    chromium = await launchBrowser();
});
after(async () => {
    await chromium?.close();
    server?.close();
});

it("fills, gradients, clips, transforms, pixels, surfaces and text land where they must", async () => {
    const { page, problems } = await watchedPage(chromium.browser, { width: 200, height: 200, deviceScaleFactor: 1 });
    await page.goto(`http://127.0.0.1:${server.address().port}/canvas-scene.html`, { waitUntil: "load" });
    await page.waitForFunction(() => window.sceneDone === true, { timeout: 10000 });
    // The colour at logical (x, y): the device pixel inside it at ratio 2.
    const at = (x, y) => page.evaluate((px, py) => [...document.getElementById("screen").getContext("2d")
        .getImageData(px * 2 + 1, py * 2 + 1, 1, 1).data].slice(0, 3), x, y);
    const near = (got, want, tol, what) =>
        assert.ok(got.every((v, i) => Math.abs(v - want[i]) <= tol), `${what}: ${got} for ${want}`);

    near(await at(25, 25), [255, 0, 0], 0, "the filled path");
    near(await at(5, 5), [255, 255, 255], 0, "the ground");
    near(await at(70, 20), [128, 128, 128], 12, "half-way along the linear gradient");
    near(await at(20, 65), [0, 0, 255], 20, "the radial gradient's focal point");
    near(await at(12, 82), [0, 0, 0], 0, "beyond the radial gradient's circle");
    near(await at(60, 60), [0, 160, 0], 0, "inside the clip");
    near(await at(80, 60), [255, 255, 255], 0, "outside the clip");
    near(await at(88, 80), [255, 160, 0], 0, "the rotated rectangle");
    near(await at(95, 80), [255, 255, 255], 0, "beside the rotated rectangle");
    near(await at(2, 90), [255, 128, 128], 2, "half-transparent raw pixels over white");
    near(await at(85, 93), [255, 0, 255], 0, "the surface");
    // Without antialiasing a one-pixel line covers one whole device row, nothing of its neighbours.
    const device = (x, y) => page.evaluate((px, py) => [...document.getElementById("screen").getContext("2d")
        .getImageData(px, py, 1, 1).data].slice(0, 3), x, y);
    near(await device(40, 6), [0, 0, 0], 0, "the line without antialiasing");
    near(await device(40, 7), [255, 255, 255], 0, "below the line without antialiasing");
    const ink = await page.evaluate(() => {
        const d = document.getElementById("screen").getContext("2d").getImageData(84, 74, 116, 24).data;
        let dark = 0;
        for (let i = 0; i < d.length; i += 4) if (d[i] < 100 && d[i + 1] < 100 && d[i + 2] < 100) ++dark;
        return dark;
    });
    assert.ok(ink > 200, `the text left ${ink} dark device pixels`);
    await page.close();
    assert.deepEqual(problems, []);
});
