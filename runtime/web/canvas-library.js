// The canvas 2D calls of the browser edition's gfx backend (WebCanvas.cpp, CanvasCalls.h),
// linked into the module with --js-library. Canvases are known by a handle: 1 is the page's
// canvas (id "screen"), the others offscreen canvases made for surfaces.
mergeInto(LibraryManager.library, {
    $VorlindeCanvas: {
        contexts: [null],  // by handle; a freed handle's place is reused
        free: [],
        screen: function () {
            const ctx = VorlindeCanvas.contexts[1];
            if (ctx) return ctx;
            const canvas = document.getElementById("screen");
            VorlindeCanvas.contexts[1] = canvas.getContext("2d", { alpha: false });
            return VorlindeCanvas.contexts[1];
        },
        get: function (handle) {
            return handle === 1 ? VorlindeCanvas.screen() : VorlindeCanvas.contexts[handle];
        },
        numbers: function (data, count) {
            return HEAPF64.subarray(data >> 3, (data >> 3) + count);
        },
        color: function (v, i) {
            return "rgba(" + v[i] + "," + v[i + 1] + "," + v[i + 2] + "," + (v[i + 3] / 255) + ")";
        },
        // The point of the ellipse in `r` at `deg` degrees counter-clockwise from 3 o'clock.
        arc: function (ctx, x, y, w, h, startDeg, sweepDeg, move) {
            const cx = x + w / 2, cy = y + h / 2, rx = Math.abs(w / 2), ry = Math.abs(h / 2);
            const a0 = -startDeg * Math.PI / 180, a1 = -(startDeg + sweepDeg) * Math.PI / 180;
            if (move) {
                ctx.moveTo(cx + rx * Math.cos(a0), cy + ry * Math.sin(a0));
                return;
            }
            ctx.ellipse(cx, cy, rx, ry, 0, a0, a1, sweepDeg > 0);
        },
        path: function (ctx, v) {
            const A = VorlindeCanvas.arc;
            ctx.beginPath();
            for (let i = 0; i < v.length;) {
                switch (v[i++]) {
                case 0: ctx.moveTo(v[i], v[i + 1]); i += 2; break;
                case 1: ctx.lineTo(v[i], v[i + 1]); i += 2; break;
                case 2: ctx.bezierCurveTo(v[i], v[i + 1], v[i + 2], v[i + 3], v[i + 4], v[i + 5]); i += 6; break;
                case 3: A(ctx, v[i], v[i + 1], v[i + 2], v[i + 3], v[i + 4], v[i + 5], false); i += 6; break;
                case 4: A(ctx, v[i], v[i + 1], v[i + 2], v[i + 3], v[i + 4], 0, true); i += 5; break;
                case 5: {  // a closed ellipse, clockwise from 3 o'clock as a common 2D painter adds it
                    const x = v[i], y = v[i + 1], w = v[i + 2], h = v[i + 3];
                    ctx.moveTo(x + w, y + h / 2);
                    ctx.ellipse(x + w / 2, y + h / 2, Math.abs(w / 2), Math.abs(h / 2), 0, 0, 2 * Math.PI, false);
                    ctx.closePath();
                    i += 4;
                    break;
                }
                case 6: {  // a rounded rectangle, counter-clockwise from the top edge's right end
                    const x = v[i], y = v[i + 1], w = v[i + 2], h = v[i + 3];
                    const rx = Math.min(Math.abs(v[i + 4]), Math.abs(w) / 2), ry = Math.min(Math.abs(v[i + 5]), Math.abs(h) / 2);
                    if (rx <= 0 || ry <= 0) {
                        ctx.rect(x, y, w, h);
                    } else {
                        A(ctx, x + w - 2 * rx, y, 2 * rx, 2 * ry, 90, 0, true);
                        A(ctx, x, y, 2 * rx, 2 * ry, 90, 90, false);
                        A(ctx, x, y + h - 2 * ry, 2 * rx, 2 * ry, 180, 90, false);
                        A(ctx, x + w - 2 * rx, y + h - 2 * ry, 2 * rx, 2 * ry, 270, 90, false);
                        A(ctx, x + w - 2 * rx, y, 2 * rx, 2 * ry, 0, 90, false);
                        ctx.closePath();
                    }
                    i += 6;
                    break;
                }
                case 7: ctx.rect(v[i], v[i + 1], v[i + 2], v[i + 3]); i += 4; break;
                case 8: ctx.closePath(); break;
                default: return;  // not a path this backend wrote
                }
            }
        },
    },

    vorlinde_canvas_new__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_new: function (w, h) {
        const canvas = typeof OffscreenCanvas === "function" ? new OffscreenCanvas(w, h) : document.createElement("canvas");
        canvas.width = w;
        canvas.height = h;
        const handle = VorlindeCanvas.free.length ? VorlindeCanvas.free.pop() : VorlindeCanvas.contexts.length + (VorlindeCanvas.contexts.length === 1 ? 1 : 0);
        VorlindeCanvas.contexts[handle] = canvas.getContext("2d");
        return handle;
    },
    vorlinde_canvas_free__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_free: function (handle) {
        if (handle > 1 && VorlindeCanvas.contexts[handle]) {
            VorlindeCanvas.contexts[handle] = null;
            VorlindeCanvas.free.push(handle);
        }
    },
    vorlinde_canvas_save__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_save: function (handle) {
        VorlindeCanvas.get(handle).save();
    },
    vorlinde_canvas_restore__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_restore: function (handle) {
        VorlindeCanvas.get(handle).restore();
    },
    vorlinde_canvas_transform__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_transform: function (handle, a, b, c, d, e, f) {
        VorlindeCanvas.get(handle).setTransform(a, b, c, d, e, f);
    },
    vorlinde_canvas_smoothing__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_smoothing: function (handle, on) {
        VorlindeCanvas.get(handle).imageSmoothingEnabled = !!on;
    },
    vorlinde_canvas_style__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_style: function (handle, stroke, data, count) {
        const ctx = VorlindeCanvas.get(handle), v = VorlindeCanvas.numbers(data, count);
        let style;
        let i;
        if (v[0] === 1) {
            style = VorlindeCanvas.color(v, 1);
        } else if (v[0] === 2) {
            style = ctx.createLinearGradient(v[1], v[2], v[3], v[4]);
            i = 5;
        } else if (v[0] === 3) {
            style = ctx.createRadialGradient(v[1], v[2], 0, v[3], v[4], Math.max(0, v[5]));
            i = 6;
        } else {
            return;
        }
        if (i !== undefined) {
            const n = v[i++];
            for (let k = 0; k < n; ++k, i += 5) style.addColorStop(Math.min(1, Math.max(0, v[i])), VorlindeCanvas.color(v, i + 1));
        }
        if (stroke) ctx.strokeStyle = style;
        else ctx.fillStyle = style;
    },
    vorlinde_canvas_line__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_line: function (handle, width, cap, join) {
        const ctx = VorlindeCanvas.get(handle);
        ctx.lineWidth = width;
        ctx.lineCap = ["butt", "square", "round"][cap];
        ctx.lineJoin = ["miter", "bevel", "round"][join];
        ctx.miterLimit = 2;  // a common 2D painter's default miter limit, in half widths
    },
    vorlinde_canvas_path__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_path: function (handle, data, count, mode) {
        const ctx = VorlindeCanvas.get(handle);
        VorlindeCanvas.path(ctx, VorlindeCanvas.numbers(data, count));
        const rule = mode & 8 ? "evenodd" : "nonzero";
        if (mode & 4) ctx.clip(rule);
        if (mode & 1) ctx.fill(rule);
        if (mode & 2) ctx.stroke();
    },
    vorlinde_canvas_text__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_text: function (handle, text, x, y, px, bold) {
        const ctx = VorlindeCanvas.get(handle);
        ctx.font = (bold ? "bold " : "") + px + 'px "Vorlinde Sans"';
        ctx.textBaseline = "alphabetic";
        ctx.textAlign = "left";
        ctx.fillText(UTF8ToString(text), x, y);
    },
    vorlinde_canvas_pixels__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_pixels: function (handle, rgba, w, h, x, y, dw, dh) {
        const ctx = VorlindeCanvas.get(handle);
        const image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4).slice(), w, h);
        const scratch = typeof OffscreenCanvas === "function" ? new OffscreenCanvas(w, h) : document.createElement("canvas");
        scratch.width = w;
        scratch.height = h;
        scratch.getContext("2d").putImageData(image, 0, 0);
        ctx.drawImage(scratch, x, y, dw, dh);
    },
    vorlinde_canvas_draw__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_draw: function (handle, source, x, y, dw, dh) {
        const src = VorlindeCanvas.get(source);
        if (src) VorlindeCanvas.get(handle).drawImage(src.canvas, x, y, dw, dh);
    },
    vorlinde_canvas_read__deps: ["$VorlindeCanvas"],
    vorlinde_canvas_read: function (handle, rgba, w, h) {
        const pixels = VorlindeCanvas.get(handle).getImageData(0, 0, w, h).data;
        HEAPU8.set(pixels, rgba);
    },
});
