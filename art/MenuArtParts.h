#pragma once
// Drawings shared by more than one list of this art library's menu and bench pictures.

#include <QRectF>

class QPainter;

namespace art {

enum class ScopeTrace { None, Line, Curve };

// A small front view of a laboratory oscilloscope drawn into `area` (designed for 132 x 83, scaled
// uniformly and centred). With ScopeTrace::Line a green horizontal trace at height `level` 0..4
// (0 lowest), with ScopeTrace::Curve a charging exponential.
// A light rounded ground for the instrument pictures.
void drawLightGround(QPainter& p, qreal w, qreal h);

void drawScope(QPainter& p, const QRectF& area, ScopeTrace trace, int level = 0);

}  // namespace art
