#pragma once
// One painting function per picture list, each in its own source file. Each paints picture n
// (1-based, already range-checked) into `c`, whose units are the picture's own pixels
// (0,0)-(w,h); the device pixel ratio is already applied by the caller, so draw with
// antialiasing in logical pixels and the result is crisp at any ratio. The surface starts fully
// transparent (cursors: paint black where transparent is wanted; the binding turns black into
// transparency).

namespace gfx {
class Canvas;
}

namespace art {

void paintImaMenu(gfx::Canvas& c, int n);
void paintImapoint(gfx::Canvas& c, int n);
void paintBtnGene(gfx::Canvas& c, int n);
void paintLed(gfx::Canvas& c, int n);
void paintImaBtnDec(gfx::Canvas& c, int n);
void paintMedia(gfx::Canvas& c, int n);
void paintSchema(gfx::Canvas& c, int n);
void paintImageMasse(gfx::Canvas& c, int n);
void paintImageY1(gfx::Canvas& c, int n);
void paintImageY2(gfx::Canvas& c, int n);
void paintImageList1(gfx::Canvas& c, int n);
void paintImageList2(gfx::Canvas& c, int n);
void paintSensivert(gfx::Canvas& c, int n);
void paintBalay(gfx::Canvas& c, int n);
void paintDecalDG(gfx::Canvas& c, int n);

}  // namespace art
