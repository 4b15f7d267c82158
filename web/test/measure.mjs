// The browser edition's figures in headless chromium: the first frame after navigation
// (median of RUNS loads at 1920 x 1080), the site's size gzipped, and the tab's memory.
//   node measure.mjs SITE [RUNS]
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

import { launchBrowser, watchedPage } from "./browser.mjs";
import { serveSite } from "./serve.mjs";

const [site, runsArg] = process.argv.slice(2);
if (!site) {
    console.error("usage: node measure.mjs SITE [RUNS]");
    process.exit(2);
}
const runs = Number(runsArg || 11);

function files(dir) {
    return readdirSync(dir).flatMap((n) => statSync(join(dir, n)).isDirectory() ? files(join(dir, n)) : [join(dir, n)]);
}
let raw = 0, gz = 0;
for (const f of files(site)) {
    const bytes = readFileSync(f);
    raw += bytes.length;
    gz += gzipSync(bytes, { level: 9 }).length;
}
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

const server = await serveSite(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const chromium = await launchBrowser();
const firsts = [];
let heap = 0;
for (let i = 0; i < runs; ++i) {
    const { page, problems } = await watchedPage(chromium.browser, { width: 1920, height: 1080 });
    await page.goto(url, { waitUntil: "load" });
    await page.waitForFunction(() => performance.getEntriesByName("vorlinde-first-frame").length > 0, { timeout: 20000 });
    firsts.push(await page.evaluate(() => performance.getEntriesByName("vorlinde-first-frame")[0].startTime));
    heap = Math.max(heap, (await page.metrics()).JSHeapUsedSize);
    if (problems.length) throw new Error(problems.join("\n"));
    await page.close();
}
await chromium.close();
server.close();
console.log(`site: ${(raw / 1024).toFixed(0)} KiB, ${(gz / 1024).toFixed(0)} KiB gzipped`);
console.log(`first frame after navigation at 1920 x 1080: ${median(firsts).toFixed(0)} ms median of ${runs} ` +
            `(${Math.min(...firsts).toFixed(0)} to ${Math.max(...firsts).toFixed(0)})`);
console.log(`JavaScript heap used: ${(heap / 1048576).toFixed(1)} MiB at most`);
