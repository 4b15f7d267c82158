// Working the practical in the page as a student does, with the mouse or a finger: every spot
// aimed through the page's own vorlindeLocate / vorlindeLocateAt, the model watched through
// vorlindeValue. Shared by the practical's test and the measurements.
import assert from "node:assert/strict";

import { decodePng } from "./png.mjs";

export const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Two presses closer than this (and a few pixels apart) make a double-click.
const DOUBLE_CLICK_MS = 400;

export class Hand {
    constructor(page, touch) {
        this.page = page;
        this.touch = touch;
    }

    // CSS pixels of a control's middle, or of a spot on it: fractions of its rectangle, or
    // (units) the coordinates its mouse events give.
    async spot(name, fx = null, fy = null, units = false) {
        const at = await this.page.evaluate((n, x, y, u) => (x === null ? window.vorlindeLocate(n)
                                                                          : window.vorlindeLocateAt(n, x, y, u)),
                                            name, fx, fy, units);
        assert.ok(at, `${name} is on the canvas`);
        return at;
    }

    value(name) {
        return this.page.evaluate((n) => window.vorlindeValue(n), name);
    }

    async press(at) {
        if (this.touch) {
            await this.page.touchscreen.touchStart(at.x, at.y);
        } else {
            await this.page.mouse.move(at.x, at.y);
            await this.page.mouse.down();
        }
    }

    async release() {
        if (this.touch) await this.page.touchscreen.touchEnd();
        else await this.page.mouse.up();
    }

    async click(name, fx = null, fy = null, units = false) {
        const at = await this.spot(name, fx, fy, units);
        if (this.touch) await this.page.touchscreen.tap(at.x, at.y);
        else await this.page.mouse.click(at.x, at.y);
    }

    // Holds a knob's right half while `read()` is below `target`, its left half while above:
    // the knob steps on the page's clock, so a late release is turned back in the next round.
    async dial(name, read, target) {
        for (let round = 0; round < 6; ++round) {
            const start = await read();
            if (start === target) return;
            const up = start < target;
            await this.press(await this.spot(name, up ? 0.75 : 0.25, 0.5));
            const t0 = Date.now();
            let v = start;
            // A step comes every 200 ms of the page's clock: a knob still unturned after well over
            // that does not turn for this hand.
            for (; (up ? v < target : v > target) && Date.now() - t0 < 10000; v = await read()) {
                if (v === start && Date.now() - t0 > 2000) break;
                await sleep(5);
            }
            await this.release();
            assert.notEqual(v, start, `${name} does not turn (${this.touch ? "finger" : "mouse"})`);
            await sleep(DOUBLE_CLICK_MS + 50);  // the next round's press is not a double-click
        }
        assert.equal(await read(), target, `${name} dialled`);
    }
}

// The practical: 5 V, 1 kohm, 1 uF; the oscilloscope on; CH1 across the capacitor on DC at
// 2 V/div; storage armed; the switch to charge records the curve.
export async function playPractical(hand) {
    const v = (name) => () => hand.value(name);
    await hand.click("powerctl");
    assert.equal(await hand.value("Chargedecharge.GeneOn"), -1, "the generator is switched on");
    await hand.dial("genectl", v("Egene"), 5);
    await hand.dial("RCtl(2)", v("Rdec"), 1000);
    await hand.dial("Cctl(4)", v("Cdec"), 1e-6);
    await hand.click("Oscilloaffich");
    assert.equal(await hand.page.title(), "Vorlinde - [Oscilloscope]", "the oscilloscope is shown");
    await hand.click("Powerclick");
    assert.equal(await hand.value("Oscillo.PowerOn"), -1, "the oscilloscope is switched on");
    await hand.click("R1");
    await hand.click("schema", 53.5, 51.5, true);
    assert.equal(await hand.value("Oscillo.PointY1"), 2, "the CH1 probe is at A");
    await hand.click("N1");
    await hand.click("schema", 53.5, 92.5, true);
    assert.equal(await hand.value("Oscillo.PointMasse"), 3, "the ground lead is at B");
    await hand.click("CloseSh");
    await hand.click("GND1");
    await hand.click("DCV1");  // the slider taken at GND follows the pointer to DC; this press lets it go
    assert.deepEqual([await hand.value("MasseY1"), await hand.value("Oscillo.CouplDC1")], [0, -1], "CH1 on DC");
    await hand.dial("SV1control", async () => 1 / (await hand.value("VoltDiv1")), 0.5);  // up is fewer volts
    await hand.click("Stor");
    await hand.click("Reset");
    assert.equal(await hand.value("PretStor"), -1, "storage is armed");
    await hand.click("Schemvisi");
    await hand.click("schema", 45, 4, true);
    assert.equal(await hand.value("Memorise"), -1, "the switch to charge records");
    assert.ok(await hand.page.evaluate(() => window.vorlindeLocate("faisceau1(1001)") !== null
                                             && window.vorlindeLocate("faisceau1(1002)") === null),
              "1001 dots are recorded");
    await hand.click("CloseSh");  // the box lies over the screen
    assert.equal(await hand.page.evaluate(() => window.vorlindeLocate("schemaboite")), null, "the box is closed");
}

const traceLike = ([r, g, b]) => g > r + 60 && g > b + 60;

// The recorded dots on a screenshot: in each sampled dot's column (device pixels), the trace is
// drawn on the row nearest the dot's centre as the model places it, within `tolerance` rows.
// Where the curve is flat (the neighbouring dots on the same device row) the trace's run in the
// column is that dot alone, so its middle must be the dot's centre too: a picture drawn a few
// rows off, which the thick trace would still cover, fails there. Returns the dots checked.
export async function checkTrace(page, ratio, tolerance) {
    const shot = decodePng(Buffer.from(await page.screenshot({ type: "png" })));
    const dots = await page.evaluate(() => {
        const at = [];
        const y = (k) => window.vorlindeLocate(`faisceau1(${k})`)?.y;
        for (let k = 1; k < 1001; k += 25)  // the last dot lies on the screen's right edge
            at.push({ k, ...window.vorlindeLocate(`faisceau1(${k})`), before: y(k - 1), next: y(k + 1) });
        return at;
    });
    let flat = 0;
    for (const { k, x, y, before, next } of dots) {
        const wx = Math.floor(x * ratio), wy = Math.floor(y * ratio);
        const trace = (py) => py >= 0 && py < shot.height && traceLike(shot.pixel(wx, py));
        let row = null;
        for (let py = wy - 40; py < wy + 40; ++py)
            if (trace(py) && (row === null || Math.abs(py - wy) < Math.abs(row - wy))) row = py;
        assert.notEqual(row, null, `no trace on the screenshot at dot ${k} (column ${wx})`);
        assert.ok(Math.abs(row - wy) <= tolerance, `dot ${k} drawn at row ${row}, the model puts it at ${wy}`);
        if (before === undefined || next === undefined || Math.abs(before - next) * ratio >= 0.5) continue;
        let top = row, bottom = row;
        while (trace(top - 1)) --top;
        while (trace(bottom + 1)) ++bottom;
        const middle = (top + bottom + 1) / 2;
        assert.ok(Math.abs(middle - y * ratio) <= 1,
                  `dot ${k}: the trace covers rows ${top} to ${bottom}, the model's centre is ${y * ratio}`);
        ++flat;
    }
    assert.ok(flat >= dots.length / 3, `only ${flat} dots on a flat stretch`);
    return dots.length;
}
