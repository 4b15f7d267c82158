// For a test file: its site served on the loopback address and a fresh chromium, for all its
// tests (node:test's before and after hooks); `url` and `browser` are set once they run.
import { after, before } from "node:test";

import { launchBrowser } from "./browser.mjs";
import { serveSite } from "./serve.mjs";

export function servedSite(root) {
    const at = { url: "", browser: null };
    let server, chromium;
    before(async () => {
        server = await serveSite(root);
        at.url = `http://127.0.0.1:${server.address().port}/`;
        chromium = await launchBrowser();
        at.browser = chromium.browser;
    });
    after(async () => {
        await chromium?.close();
        server?.close();
    });
    return at;
}
