// The frame in the page: the canvas's device pixels follow its size and the device pixel
// ratio (window resizes, browser zoom, a move to another screen), and the model is told;
// Pointer Events from a mouse, a finger or a pen become the model's presses, moves and
// releases; the cursor the model wants is shown as a CSS cursor painted by the model at the
// view scale. Nothing here decides what a press does. `changed` runs after each input (the
// model may have started a timer or shown another window).
"use strict";

window.VorlindeFrame = function (module, canvas, changed) {
    const PRESS = 0, MOVE = 1, RELEASE = 2;
    let activePointer = null;  // the pointer that holds a press (one at a time, as a mouse)

    function resize() {
        const ratio = window.devicePixelRatio || 1;
        const box = canvas.getBoundingClientRect();
        const w = Math.max(1, Math.round(box.width * ratio)), h = Math.max(1, Math.round(box.height * ratio));
        if (canvas.width !== w || canvas.height !== h) {
            canvas.width = w;
            canvas.height = h;
        }
        module._vorlinde_resize(box.width, box.height, ratio);
        module._vorlinde_paint();  // now: resizing the canvas cleared it
        changed();
    }
    new ResizeObserver(resize).observe(canvas);
    // A change of ratio without a change of size (zoom steps that keep the layout, another screen).
    (function watchRatio() {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
            resize();
            watchRatio();
        }, { once: true });
    })();

    const buttonOf = (e) => (e.pointerType === "mouse" ? [1, 4, 2][e.button] || 0 : 1);
    const buttonsOf = (e) => (e.buttons & 1 ? 1 : 0) | (e.buttons & 2 ? 2 : 0) | (e.buttons & 4 ? 4 : 0);
    const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    function send(kind, e, button, buttons) {
        const box = canvas.getBoundingClientRect();
        module._vorlinde_pointer(kind, e.clientX - box.left, e.clientY - box.top, button, buttons, shiftOf(e),
                                 e.timeStamp);
        showCursor();
        changed();
    }

    // The model's cursor pictures as CSS cursors (a data URL of the pixels, the hot spot, and the
    // pixels' resolution so that it is crisp and the size the instruments are drawn at), each made
    // once per picture, view scale and ratio.
    const cursors = new Map();
    let shownCursor = "";
    function cursorStyle(index) {
        const key = index + "@" + module._vorlinde_view_scale() + "@" + (window.devicePixelRatio || 1);
        if (cursors.has(key)) return cursors.get(key);
        let style = "";
        const info = module._malloc(40);
        const pixels = module._vorlinde_cursor_image(info);
        if (pixels) {
            const at = (i) => module.getValue(info + 8 * i, "double");
            const w = at(0), h = at(1), hotX = Math.round(at(2)), hotY = Math.round(at(3)), resolution = at(4);
            const image = document.createElement("canvas");
            image.width = w;
            image.height = h;
            const data = new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, pixels, w * h * 4).slice(), w, h);
            image.getContext("2d").putImageData(data, 0, 0);
            const url = 'url("' + image.toDataURL("image/png") + '")';
            style = `image-set(${url} ${resolution}x) ${hotX} ${hotY}, auto`;
            if (!CSS.supports("cursor", style)) style = `${url} ${hotX} ${hotY}, auto`;
        }
        module._free(info);
        cursors.set(key, style);
        return style;
    }
    function showCursor() {
        const index = module._vorlinde_cursor();
        const style = index ? cursorStyle(index) : "";
        if (style !== shownCursor) {
            shownCursor = style;
            canvas.style.cursor = style;
        }
    }

    canvas.addEventListener("pointerdown", (e) => {
        e.preventDefault();
        canvas.focus({ preventScroll: true });
        if (activePointer !== null && activePointer !== e.pointerId) return;  // a second finger
        const button = buttonOf(e);
        if (!button) return;
        activePointer = e.pointerId;
        canvas.setPointerCapture(e.pointerId);
        // A finger or a pen arrives where it presses: the model sees it come there first.
        if (e.pointerType !== "mouse") send(MOVE, e, 0, 0);
        send(PRESS, e, button, buttonsOf(e) | button);
    });
    canvas.addEventListener("pointermove", (e) => {
        if (activePointer !== null && e.pointerId !== activePointer) return;
        if (activePointer === null && e.pointerType !== "mouse") return;  // a hovering pen: nothing held
        if (e.pointerType === "mouse" && e.button >= 0) {  // another button pressed or let go mid-press
            const button = buttonOf(e);
            if (button) send(buttonsOf(e) & button ? PRESS : RELEASE, e, button, buttonsOf(e));
            return;
        }
        send(MOVE, e, 0, e.pointerType === "mouse" ? buttonsOf(e) : 1);
    });
    canvas.addEventListener("pointerup", (e) => {
        if (e.pointerId !== activePointer) return;
        send(RELEASE, e, buttonOf(e), buttonsOf(e));
        if (e.pointerType !== "mouse" || buttonsOf(e) === 0) activePointer = null;
    });
    // What takes the pointer away (the browser's own gesture, a lost capture, another window)
    // ends the press as a release would.
    function releaseAll() {
        activePointer = null;
        module._vorlinde_release_all();
        changed();
    }
    canvas.addEventListener("pointercancel", releaseAll);
    canvas.addEventListener("lostpointercapture", (e) => {
        if (e.pointerId === activePointer) releaseAll();
    });
    window.addEventListener("blur", releaseAll);
    canvas.addEventListener("contextmenu", (e) => e.preventDefault());

    resize();
    return { resize, showCursor };
};
