// The browser edition's figures in headless chromium:
//   - the site's size, raw and gzipped;
//   - the first frame after navigation at 1920 x 1080 (median of RUNS loads);
//   - the tab's memory: the JavaScript heap in use (the DevTools protocol's JSHeapUsedSize) plus
//     the module's WebAssembly memory, at start and after the practical's recording;
//   - the whole browser's CPU share (chromium and all its processes, user + system time from
//     /proc/<pid>/stat over wall time) with a running spot on the oscilloscope at 20 ms/div
//     (the desktop's figure's setting),
//     beside an idle page's in the same run (CPU_RUNS windows of SECONDS each), by kind of
//     process, and the page's main thread in script and in all its tasks.
//   node measure.mjs SITE [RUNS] [CPU_RUNS] [SECONDS]
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

import { launchBrowser, watchedPage } from "./browser.mjs";
import { Hand, playPractical, sleep } from "./practical.mjs";
import { serveSite } from "./serve.mjs";

const [site, runsArg, cpuRunsArg, secondsArg] = process.argv.slice(2);
if (!site) {
    console.error("usage: node measure.mjs SITE [RUNS] [CPU_RUNS] [SECONDS]");
    process.exit(2);
}
const runs = Number(runsArg || 11), cpuRuns = Number(cpuRunsArg || 3), seconds = Number(secondsArg || 20);
const SIZE = { width: 1920, height: 1080, deviceScaleFactor: 1 };

function files(dir) {
    return readdirSync(dir).flatMap((n) => statSync(join(dir, n)).isDirectory() ? files(join(dir, n)) : [join(dir, n)]);
}
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const range = (v, digits = 0) => `${Math.min(...v).toFixed(digits)} to ${Math.max(...v).toFixed(digits)}`;
const mib = (bytes) => (bytes / 1048576).toFixed(1);

// CPU seconds (user + system) of `root` and every process below it, by pid, with the kind of
// chromium process (its --type, "browser" for the main one).
const TICKS = 100;  // USER_HZ, the unit of /proc/<pid>/stat's times on Linux
function treeCpu(root) {
    const procs = new Map();
    for (const name of readdirSync("/proc")) {
        if (!/^\d+$/.test(name)) continue;
        try {
            const stat = readFileSync(`/proc/${name}/stat`, "latin1");
            const f = stat.slice(stat.lastIndexOf(")") + 2).split(" ");  // fields from the state on
            const type = /--type=([\w-]+)/.exec(readFileSync(`/proc/${name}/cmdline`, "latin1"))?.[1] ?? "browser";
            procs.set(Number(name), { ppid: Number(f[1]), cpu: (Number(f[11]) + Number(f[12])) / TICKS, type });
        } catch {
            // gone meanwhile
        }
    }
    const inTree = (pid) => {
        for (let p = pid; p > 1; p = procs.get(p)?.ppid ?? 0)
            if (p === root) return true;
        return false;
    };
    return new Map([...procs].filter(([pid]) => inTree(pid)));
}

// The browser's CPU share over `ms` of wall time, in all and by kind of process; the time of
// processes that end meanwhile is lost (none do while a page stays open), not counted negative.
// The page's own main thread too: its script and all its tasks (the protocol's ScriptDuration
// and TaskDuration).
async function cpuShare(root, page, ms) {
    const m0 = await page.metrics(), before = treeCpu(root), t0 = performance.now();
    await sleep(ms);
    const after = treeCpu(root), wall = (performance.now() - t0) / 1000, m1 = await page.metrics();
    const byType = { "page script": (m1.ScriptDuration - m0.ScriptDuration) / wall,
                     "page tasks": (m1.TaskDuration - m0.TaskDuration) / wall };
    let all = 0;
    for (const [pid, p] of after) {
        const used = p.cpu - (before.get(pid)?.cpu ?? 0);
        byType[p.type] = (byType[p.type] ?? 0) + used / wall;
        all += used / wall;
    }
    return { all, byType };
}

// The module's memories, kept as the page instantiates them (the page itself does not show its
// module).
function keepMemories() {
    window.vorlindeMemories = [];
    const keep = (result) => {
        const exports = (result.instance || result).exports;
        for (const value of Object.values(exports))
            if (value instanceof WebAssembly.Memory) window.vorlindeMemories.push(value);
        return result;
    };
    for (const name of ["instantiate", "instantiateStreaming"]) {
        const original = WebAssembly[name];
        if (original) WebAssembly[name] = (...args) => original.apply(WebAssembly, args).then(keep);
    }
}

async function tabMemory(page) {
    const heap = (await page.metrics()).JSHeapUsedSize;
    const wasm = await page.evaluate(() => window.vorlindeMemories.reduce((sum, m) => sum + m.buffer.byteLength, 0));
    if (!(wasm > 0)) throw new Error("the page's WebAssembly memory was not found");
    return { heap, wasm };
}

async function openPage(browser, url) {
    const { page, problems } = await watchedPage(browser, SIZE);
    await page.evaluateOnNewDocument(keepMemories);
    await page.goto(url, { waitUntil: "load" });
    await page.waitForFunction(() => performance.getEntriesByName("vorlinde-first-frame").length > 0, { timeout: 20000 });
    return { page, problems };
}

function check(problems) {
    if (problems.length) throw new Error(problems.join("\n"));
}

let raw = 0, gz = 0;
for (const f of files(site)) {
    const bytes = readFileSync(f);
    raw += bytes.length;
    gz += gzipSync(bytes, { level: 9 }).length;
}

const server = await serveSite(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const chromium = await launchBrowser();
const firsts = [], atStart = [];
for (let i = 0; i < runs; ++i) {
    const { page, problems } = await openPage(chromium.browser, url);
    firsts.push(await page.evaluate(() => performance.getEntriesByName("vorlinde-first-frame")[0].startTime));
    atStart.push(await tabMemory(page));
    check(problems);
    await page.close();
}

// The practical's recording (1001 dots) in memory.
const recorded = await openPage(chromium.browser, url);
await playPractical(new Hand(recorded.page, false));
const afterRecording = await tabMemory(recorded.page);
check(recorded.problems);
await recorded.page.close();

// The idle bench against the oscilloscope's running spot, in alternate windows of the same run.
const root = chromium.browser.process().pid;
const { page, problems } = await openPage(chromium.browser, url);
const hand = new Hand(page, false);
const idle = [], running = [];
await sleep(2000);  // the pages closed above are gone
for (let i = 0; i < cpuRuns; ++i) idle.push(await cpuShare(root, page, seconds * 1000));
await hand.click("Oscilloaffich");
await hand.click("Powerclick");
await hand.dial("Tdivcontrol", async () => 1 / (await hand.value("TempsDiv")), 1 / 20);
await page.mouse.move(5, 5);
for (let i = 0; i < cpuRuns; ++i) running.push(await cpuShare(root, page, seconds * 1000));
const spotStep = await hand.value("PasSpot");
check(problems);
await chromium.close();
server.close();

const percent = (x) => (x * 100).toFixed(1);
function pct(shares) {
    const v = shares.map((s) => s.all);
    const types = [...new Set(shares.flatMap((s) => Object.keys(s.byType)))].filter((t) => t !== "zygote").sort();
    const parts = types.map((t) => `${t} ${percent(median(shares.map((s) => s.byType[t] ?? 0)))}`);
    return `${percent(median(v))} % median (${percent(Math.min(...v))} to ${percent(Math.max(...v))}; ${parts.join(", ")})`;
}
console.log(`site: ${(raw / 1024).toFixed(0)} KiB, ${(gz / 1024).toFixed(0)} KiB gzipped`);
console.log(`first frame after navigation at 1920 x 1080: ${median(firsts).toFixed(0)} ms median of ${runs} ` +
            `(${range(firsts)})`);
console.log(`tab memory at start: JavaScript heap ${mib(median(atStart.map((m) => m.heap)))} MiB + WebAssembly ` +
            `${mib(median(atStart.map((m) => m.wasm)))} MiB (medians of ${runs})`);
console.log(`tab memory after recording a charge: JavaScript heap ${mib(afterRecording.heap)} MiB + WebAssembly ` +
            `${mib(afterRecording.wasm)} MiB`);
console.log(`whole browser CPU, idle bench: ${pct(idle)} of one core over ${cpuRuns} x ${seconds} s`);
console.log(`whole browser CPU, running spot at 20 ms/div (${spotStep} units a tick): ${pct(running)} of one ` +
            `core over ${cpuRuns} x ${seconds} s`);
