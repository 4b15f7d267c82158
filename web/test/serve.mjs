// A static file server for the site on the loopback address, as any static web host serves
// it (the right types for .wasm and the manifest); used by the tests and ./dev serve alike.
import { createReadStream, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize, resolve, sep } from "node:path";
import { fileURLToPath } from "node:url";

const TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".ttf": "font/ttf",
};

// Serves `root` on 127.0.0.1:`port` (0: any free port); resolves to the server once listening.
export function serveSite(root, port = 0) {
    const base = normalize(root + sep);
    const server = createServer((req, res) => {
        let path = decodeURIComponent(new URL(req.url, "http://localhost").pathname);
        if (path.endsWith("/")) path += "index.html";
        const file = normalize(join(base, path));
        let ok = file.startsWith(base);
        try {
            ok = ok && statSync(file).isFile();
        } catch {
            ok = false;
        }
        if (!ok) {
            res.writeHead(404, { "Content-Type": "text/plain" }).end("not found");
            return;
        }
        res.writeHead(200, {
            "Content-Type": TYPES[extname(file)] || "application/octet-stream",
            "Cache-Control": "no-cache",
        });
        createReadStream(file).pipe(res);
    });
    return new Promise((resolve, reject) => {
        server.once("error", reject);
        server.listen(port, "127.0.0.1", () => resolve(server));
    });
}

// node serve.mjs SITE [PORT]: serves until stopped, and prints the address.
if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const [root, port] = process.argv.slice(2);
    if (!root) {
        console.error("usage: node serve.mjs SITE [PORT]");
        process.exit(2);
    }
    const server = await serveSite(root, Number(port || 8765));
    console.log(`Vorlinde: http://localhost:${server.address().port}/`);
}
