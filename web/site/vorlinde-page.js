// The page around the program: checks that the browser can run it, starts the WebAssembly
// module on the page's size, keeps the status bar's date and time (in French, as the
// program's texts), names the page after the frame's caption, and runs the model's timers
// on the browser's clock. A failure shows one French sentence instead of a blank page.
"use strict";

(function () {
    let module = null;
    let frame = null;  // the canvas's side (vorlinde-frame.js)
    let timer = 0;
    let paintAsked = false;

    function show(id) {
        for (const other of ["frame", "no-wasm", "failed"]) document.getElementById(other).hidden = other !== id;
    }

    function failed(reason) {
        show("failed");
        if (reason) console.error("Vorlinde n'a pas démarré :", reason);
    }

    // Date and time as the French short formats, refreshed just after each new second.
    const dateFormat = new Intl.DateTimeFormat("fr-FR", { day: "2-digit", month: "2-digit", year: "numeric" });
    const timeFormat = new Intl.DateTimeFormat("fr-FR", { hour: "2-digit", minute: "2-digit" });
    function updateClock() {
        const now = new Date();
        const date = dateFormat.format(now), time = timeFormat.format(now);
        const d = document.getElementById("date"), t = document.getElementById("time");
        if (d.textContent !== date) d.textContent = date;
        if (t.textContent !== time) t.textContent = time;
        setTimeout(updateClock, 1000 - now.getMilliseconds() + 5);
    }

    // What the model asks to be repainted is painted at the next animation frame: at most once
    // a frame, however many ticks or moves came before it, and not at all in a hidden page.
    function paintSoon() {
        if (paintAsked || !module._vorlinde_wants_paint()) return;
        paintAsked = true;
        requestAnimationFrame(() => {
            paintAsked = false;
            module._vorlinde_paint();
        });
    }

    // The model's timers: every tick due by the browser's time runs, then the page sleeps
    // until the next one. A hidden page does not run them; on its return the model's time
    // resumes where it stopped (the module cuts the long step) instead of replaying it.
    function pump() {
        timer = 0;
        if (!module || document.hidden) return;
        const next = module._vorlinde_advance(performance.now());
        const title = module.UTF8ToString(module._vorlinde_caption());
        if (title && document.title !== title) document.title = title;
        paintSoon();
        if (frame) frame.showCursor();  // a tick may move what lies under the pointer
        if (next >= 0) timer = setTimeout(pump, Math.max(1, next));
    }
    function wake() {
        if (timer) clearTimeout(timer);
        pump();
    }

    // After input or ticks: the title follows the shown instrument, and the timers run again
    // (the model may have started one).
    function changed() {
        const title = module.UTF8ToString(module._vorlinde_caption());
        if (title && document.title !== title) document.title = title;
        wake();
    }

    function layoutStatusBar() {
        const bar = document.getElementById("status");
        const height = module._vorlinde_status_height();
        if (height > 0) bar.style.height = height + "px";
        const panels = bar.children;
        for (let n = 1; n <= panels.length; ++n) {
            const width = module._vorlinde_status_panel_width(n);
            if (width <= 0) continue;
            if (n === 1) panels[0].style.minWidth = width + "px";
            else panels[n - 1].style.width = width + "px";
        }
    }

    function started(instance) {
        module = instance;
        const canvas = document.getElementById("screen");
        if (!module._vorlinde_start(Math.max(1, window.innerWidth), Math.max(1, window.innerHeight)))
            return failed("le programme s'est arrêté au démarrage");
        layoutStatusBar();
        frame = window.VorlindeFrame(module, canvas, changed);
        // Calls `call(text, out)` with `name` as a C string and `bytes` of room for the answer.
        function asking(name, bytes, call) {
            const size = module.lengthBytesUTF8(name) + 1;
            const text = module._malloc(size), out = module._malloc(bytes);
            try {
                module.stringToUTF8(name, text, size);
                return call(text, out);
            } finally {
                module._free(text);
                module._free(out);
            }
        }
        const point = (found, xy) => (found ? { x: module.getValue(xy, "double"), y: module.getValue(xy + 8, "double") }
                                            : null);
        // Where a control of the shown instrument is, in CSS pixels of the canvas ("powerctl",
        // "RCtl(2)"): what tests and measurements aim at, as the desktop's vorlinde-locate.
        window.vorlindeLocate = (name) => asking(String(name), 16,
            (text, xy) => point(module._vorlinde_locate(text, xy), xy));
        // A spot on it: at fractions of its rectangle, or in the units of its mouse events.
        window.vorlindeLocateAt = (name, fx, fy, units) => asking(String(name), 16,
            (text, xy) => point(module._vorlinde_locate_at(text, Number(fx), Number(fy), units ? 1 : 0, xy), xy));
        // A number of the model ("Egene", "Oscillo.PointY1"), null when it has none by that name.
        window.vorlindeValue = (name) => asking(String(name), 8,
            (text, out) => (module._vorlinde_value(text, out) ? module.getValue(out, "double") : null));
        canvas.focus({ preventScroll: true });
        document.addEventListener("visibilitychange", wake);
        changed();
        // The first frame is on the screen once the browser has painted after it.
        requestAnimationFrame(() => setTimeout(() => performance.mark("vorlinde-first-frame"), 0));
    }

    // The program's typeface, regular and bold, from the module that measures text with it: ready
    // before anything is drawn with it, and the status bar's too.
    function loadFonts(instance) {
        if (typeof FontFace !== "function" || !document.fonts) return Promise.resolve();
        const size = instance._malloc(4);
        const faces = [0, 1].map((bold) => {
            const data = instance._vorlinde_font(bold, size);
            const bytes = instance.HEAPU8.slice(data, data + instance.getValue(size, "i32"));
            const face = new FontFace("Vorlinde Sans", bytes.buffer, { weight: bold ? "bold" : "normal" });
            document.fonts.add(face);
            return face.load();
        });
        instance._free(size);
        return Promise.all(faces);
    }

    window.vorlindeFailed = function () {
        failed("le module n'a pas pu être chargé");
    };

    window.vorlindeStart = function () {
        if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiate !== "function") {
            show("no-wasm");
            return;
        }
        if (typeof createVorlinde !== "function") return failed("le module est absent");
        show("frame");
        updateClock();
        // A face the browser refuses leaves the text in its own sans-serif font, nothing worse.
        createVorlinde({ printErr: (text) => console.error(text) })
            .then((instance) => loadFonts(instance).catch((e) => console.warn("police :", e)).then(() => instance))
            .then(started, failed);
        // Offline and installable once visited, where the page is served (not from a file).
        if ("serviceWorker" in navigator && /^https?:$/.test(location.protocol))
            navigator.serviceWorker.register("sw.js").catch((e) => console.warn("service worker:", e));
    };
})();
