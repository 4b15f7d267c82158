// A screenshot of the page after the practical's recording, played by finger, as a tablet or a
// phone shows it (for the README and for looking at the page at those sizes):
//   node screenshot.mjs SITE OUT.png [WIDTH HEIGHT RATIO]     (default 1180 820 2)
import { writeFileSync } from "node:fs";

import { launchBrowser, watchedPage } from "./browser.mjs";
import { Hand, playPractical, sleep } from "./practical.mjs";
import { serveSite } from "./serve.mjs";

const [site, out, width, height, ratio] = process.argv.slice(2);
if (!site || !out) {
    console.error("usage: node screenshot.mjs SITE OUT.png [WIDTH HEIGHT RATIO]");
    process.exit(2);
}
const size = { width: Number(width || 1180), height: Number(height || 820), deviceScaleFactor: Number(ratio || 2),
               hasTouch: true, isMobile: true };

const server = await serveSite(site);
const chromium = await launchBrowser();
try {
    const { page, problems } = await watchedPage(chromium.browser, size);
    await page.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: "load" });
    await page.waitForFunction(() => typeof window.vorlindeValue === "function", { timeout: 10000 });
    await playPractical(new Hand(page, true));
    await sleep(200);
    writeFileSync(out, await page.screenshot({ type: "png" }));
    if (problems.length) throw new Error(problems.join("\n"));
} finally {
    await chromium.close();
    server.close();
}
