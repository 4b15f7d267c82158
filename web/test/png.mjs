// Reads the PNG files a browser's screenshot gives (8-bit RGB or RGBA, not interlaced) into
// RGBA pixels, so the tests can look at what the page shows without an image library.
import { inflateSync } from "node:zlib";

const SIGNATURE = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

function paeth(a, b, c) {
    const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes each row's filter in place; `bpp` bytes to a pixel, `stride` bytes to a row.
function unfilter(raw, height, stride, bpp) {
    const out = Buffer.alloc(height * stride);
    for (let y = 0; y < height; ++y) {
        const type = raw[y * (stride + 1)], src = y * (stride + 1) + 1, row = y * stride, up = row - stride;
        for (let i = 0; i < stride; ++i) {
            const a = i >= bpp ? out[row + i - bpp] : 0, b = y > 0 ? out[up + i] : 0;
            const c = i >= bpp && y > 0 ? out[up + i - bpp] : 0;
            const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][type];
            if (predictor === undefined) throw new Error(`PNG: unknown row filter ${type}`);
            out[row + i] = (raw[src + i] + predictor) & 255;
        }
    }
    return out;
}

// { width, height, pixel(x, y) -> [r, g, b, a] }
export function decodePng(file) {
    if (!file.subarray(0, 8).equals(SIGNATURE)) throw new Error("not a PNG file");
    let width = 0, height = 0, colorType = 0;
    const data = [];
    for (let at = 8; at < file.length;) {
        const length = file.readUInt32BE(at), type = file.toString("latin1", at + 4, at + 8);
        const body = file.subarray(at + 8, at + 8 + length);
        if (type === "IHDR") {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            colorType = body[9];
            if (body[8] !== 8 || (colorType !== 2 && colorType !== 6) || body[12] !== 0)
                throw new Error(`PNG: depth ${body[8]}, colour type ${colorType}, interlace ${body[12]} not read`);
        } else if (type === "IDAT") {
            data.push(body);
        }
        at += 12 + length;
    }
    const bpp = colorType === 6 ? 4 : 3;
    const pixels = unfilter(inflateSync(Buffer.concat(data)), height, width * bpp, bpp);
    return {
        width,
        height,
        pixel(x, y) {
            const i = (y * width + x) * bpp;
            return [pixels[i], pixels[i + 1], pixels[i + 2], bpp === 4 ? pixels[i + 3] : 255];
        },
    };
}
