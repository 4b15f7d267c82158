#pragma once
// One painting function per picture list, each in its own source file. Each paints picture n
// (1-based, already range-checked) into `p`, whose coordinate system is the picture's own pixels
// (0,0)-(w,h); the device pixel ratio is already applied by the caller, so draw with
// antialiasing in logical pixels and the result is crisp at any ratio. The image starts fully
// transparent (cursors: paint black where transparent is wanted; the binding turns black into
// transparency).

class QPainter;

namespace art {

void paintImaMenu(QPainter& p, int n);
void paintImapoint(QPainter& p, int n);
void paintBtnGene(QPainter& p, int n);
void paintLed(QPainter& p, int n);
void paintImaBtnDec(QPainter& p, int n);
void paintMedia(QPainter& p, int n);
void paintSchema(QPainter& p, int n);
void paintImageMasse(QPainter& p, int n);
void paintImageY1(QPainter& p, int n);
void paintImageY2(QPainter& p, int n);
void paintImageList1(QPainter& p, int n);
void paintImageList2(QPainter& p, int n);
void paintSensivert(QPainter& p, int n);
void paintBalay(QPainter& p, int n);
void paintDecalDG(QPainter& p, int n);

}  // namespace art
