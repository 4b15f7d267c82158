#pragma once
// The functions of canvas-library.js, as WebAssembly imports. Handles name canvases: 0 none,
// the page's canvas, or offscreen ones. Numbers are sent as doubles in WebAssembly's memory.

extern "C" {
int vorlinde_canvas_new(int w, int h);
void vorlinde_canvas_free(int handle);
void vorlinde_canvas_save(int handle);
void vorlinde_canvas_restore(int handle);
// a..f: the device transform (logical to device pixels).
void vorlinde_canvas_transform(int handle, double a, double b, double c, double d, double e, double f);
void vorlinde_canvas_smoothing(int handle, int on);
// The fill (stroke 0) or stroke (1) style from the brush encoded at `data` (see WebCanvas.cpp).
void vorlinde_canvas_style(int handle, int stroke, const double* data, int count);
// Cosmetic pens (width <= 0) are one device pixel wide.
void vorlinde_canvas_line(int handle, double width, int cap, int join);
// The path encoded at `data`; mode: 1 fill, 2 stroke, 4 clip, 8 even-odd rule.
void vorlinde_canvas_path(int handle, const double* data, int count, int mode);
void vorlinde_canvas_text(int handle, const char* utf8, double x, double y, double px, int bold);
// RGBA pixels (not premultiplied) of w x h, placed at x, y over dw x dh logical units.
void vorlinde_canvas_pixels(int handle, const unsigned char* rgba, int w, int h, double x, double y,
                            double dw, double dh);
void vorlinde_canvas_draw(int handle, int source, double x, double y, double dw, double dh);
// Reads w x h RGBA pixels (not premultiplied) into `rgba`.
void vorlinde_canvas_read(int handle, unsigned char* rgba, int w, int h);
}
