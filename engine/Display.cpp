// The redraw of the live display: each shown channel as a running spot (slow time bases) or a
// horizontal line (fast ones) at the height of its level, and the X-Y spot.

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "engine/Signal.h"
#include "engine/SpotPlace.h"

namespace engine {

namespace {

void drawSpot(rt::Shape& spot, rt::Line& line, float y, int width, rt::Color colour) {
    line.setVisible(false);
    spot.setBorderWidth(width);
    spot.setBorderColor(colour);
    spot.setTop(static_cast<float>(y - kSpotCentre));
    spot.setVisible(true);
}

void drawLine(rt::Line& line, rt::Shape& spot, int16_t posX, float y, int width, rt::Color colour) {
    line.setX1(posX);
    line.setX2(static_cast<float>(posX + 100));
    line.setY1(y);
    line.setY2(y);
    line.setBorderWidth(width);
    line.setBorderColor(colour);
    line.setVisible(true);
    spot.setVisible(false);
}

}  // namespace

SpotPlace xySpotPlace(const Code& c) {
    return {static_cast<float>(10 * c.NiveauY1 / c.VoltDiv1 + (50 - c.PosY1)),
            static_cast<float>(-10 * c.NiveauY2 / c.VoltDiv2 + c.PosY2 - kSpotCentre)};
}

void Signal::AfficheEcran() {
    Code& c = code_;
    if (c.ModeStor) {
        // Storage: only the waiting state shows the channels' lines, where they last were.
        if (!c.PretStor && !c.Memorise) {
            if (c.ModeCH1) s_.Ten1.setVisible(true);
            if (c.ModeCH2) s_.Ten2.setVisible(true);
        }
        return;
    }
    if (c.ModeXY) {
        const SpotPlace place = xySpotPlace(c);
        s_.XY(0).setLeft(place.left);
        s_.XY(0).setTop(place.top);
    }
    const float y1 = static_cast<float>(-10 * c.NiveauY1 / c.VoltDiv1 + c.PosY1);
    const float y2 = static_cast<float>(-10 * c.NiveauY2 / c.VoltDiv2 + c.PosY2);
    const int focus = std::abs(c.NivFocus);
    const int shade = std::clamp(c.NivIntens + 6, 0, static_cast<int>(c.Couleur.size()) - 1);
    const rt::Color colour = c.Couleur[static_cast<size_t>(shade)];
    using std::chrono::milliseconds;
    if (c.TempsDiv > 10) {
        if (c.ModeCH1) drawSpot(s_.faisceau1(0), s_.Ten1, y1, focus + 2, colour);
        if (c.ModeCH2) drawSpot(s_.faisceau2(0), s_.Ten2, y2, focus + 2, colour);
        s_.Timer7.setInterval(milliseconds(20));
        s_.Timer7.setEnabled(true);
        if (const int16_t step = spotStep(c.TempsDiv)) c.PasSpot = step;
        if (c.TempsDiv == 20) s_.Timer7.setInterval(milliseconds(10));
    } else {
        s_.Timer7.setEnabled(false);
        if (c.ModeCH1) drawLine(s_.Ten1, s_.faisceau1(0), c.PosX, y1, focus + 1, colour);
        if (c.ModeCH2) drawLine(s_.Ten2, s_.faisceau2(0), c.PosX, y2, focus + 1, colour);
    }
}

}  // namespace engine
