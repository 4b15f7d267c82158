// Opening the browser edition in a real browser (Debian's chromium, driven by puppeteer-core):
//   node --test browser.mjs   with VORLINDE_SITE (build-web/site) and VORLINDE_SINGLE
//   (build-web/vorlinde.html) set.
export const CHROMIUM_ARGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";

// A fresh browser with an empty profile; closed (and its profile removed) by close().
export async function launchBrowser() {
    const profile = mkdtempSync(join(tmpdir(), "vorlinde-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        args: [...CHROMIUM_ARGS, `--user-data-dir=${profile}`],
        headless: true,
    });
    return {
        browser,
        async close() {
            await browser.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A page whose console errors, uncaught exceptions and failed requests are kept in `problems`:
// any of them fails the test that opened it.
export async function watchedPage(browser, viewport) {
    const page = await browser.newPage();
    const problems = [];
    page.on("console", (m) => {
        if (m.type() === "error") problems.push(`console: ${m.text()}`);
    });
    page.on("pageerror", (e) => problems.push(`exception: ${e.message}`));
    page.on("requestfailed", (r) => problems.push(`request failed: ${r.url().slice(0, 120)} ${r.failure()?.errorText}`));
    page.on("response", (r) => {
        if (r.status() >= 400) problems.push(`HTTP ${r.status()}: ${r.url()}`);
    });
    if (viewport) await page.setViewport(viewport);
    return { page, problems };
}
