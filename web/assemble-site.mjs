// Writes the browser edition's static site and its single self-contained file:
//   node assemble-site.mjs SRC MODULE.js MODULE.wasm SINGLE.js ICONS FONT_LICENSE SITE SINGLE.html
// SRC holds the page (index.html, vorlinde-page.js, manifest.webmanifest, sw.js.in); MODULE.*
// is the module built beside its .wasm, SINGLE.js the one with the .wasm inlined; ICONS is the
// icon theme folder the desktop's icon tool wrote; FONT_LICENSE is the copyright and licence of
// the program's font, which the module carries (the page takes the faces from it).
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const [src, moduleJs, moduleWasm, singleJs, icons, fontLicense, site, single] = process.argv.slice(2);
if (!single) {
    console.error("usage: node assemble-site.mjs SRC MODULE.js MODULE.wasm SINGLE.js ICONS FONT_LICENSE SITE SINGLE.html");
    process.exit(2);
}

const APP_ID = "org.vorlinde.Vorlinde";
const ICON_SIZES = [32, 48, 64, 128, 192, 256, 512];

// Every file of the site: its name in the site, and where it comes from.
const files = new Map([
    ["index.html", join(src, "index.html")],
    ["vorlinde-page.js", join(src, "vorlinde-page.js")],
    ["vorlinde-frame.js", join(src, "vorlinde-frame.js")],
    ["manifest.webmanifest", join(src, "manifest.webmanifest")],
    ["vorlinde.js", moduleJs],
    ["vorlinde.wasm", moduleWasm],
]);
files.set("LiberationSans-copyright.txt", fontLicense);
for (const n of ICON_SIZES) files.set(`icons/${n}.png`, join(icons, `${n}x${n}`, "apps", `${APP_ID}.png`));
files.set("icons/vorlinde.svg", join(icons, "scalable", "apps", `${APP_ID}.svg`));

rmSync(site, { recursive: true, force: true });
mkdirSync(join(site, "icons"), { recursive: true });
const hash = createHash("sha256");
for (const [name, from] of files) {
    copyFileSync(from, join(site, name));
    hash.update(name).update(readFileSync(from));
}

// The service worker keeps exactly these files; its version changes with any of them.
const version = hash.digest("hex").slice(0, 16);
const list = JSON.stringify(["./", ...files.keys()], null, 4);
const worker = readFileSync(join(src, "sw.js.in"), "utf8").replace("@VERSION@", version).replace("@FILES@", () => list);
writeFileSync(join(site, "sw.js"), worker);

// The single file: the page with its script, the module (with its .wasm and the font) and the
// icon inlined; no manifest and no service worker, which a file:// page cannot have.
const dataUrl = (file, type) => `data:${type};base64,${readFileSync(file).toString("base64")}`;
const inlineScript = (file) => `<script>${readFileSync(file, "utf8").replace(/<\/script/gi, "<\\/script")}</script>`;
let html = readFileSync(join(src, "index.html"), "utf8");
const replace = (pattern, by) => {
    const next = html.replace(pattern, by);
    if (next === html) throw new Error(`the page has no ${pattern}`);
    html = next;
};
replace(/<link rel="manifest"[^>]*>\n/, () => "");
replace(/<link rel="apple-touch-icon"[^>]*>\n/, () => "");
replace(/href="icons\/32\.png"/, () => `href="${dataUrl(files.get("icons/32.png"), "image/png")}"`);
for (const page of ["vorlinde-page.js", "vorlinde-frame.js"])
    replace(`<script src="${page}"></script>`, () => inlineScript(join(src, page)));
replace(/<script src="vorlinde\.js"[^>]*><\/script>/, () => inlineScript(singleJs));
writeFileSync(single, html);
