#pragma once
// The on-screen face of one instrument window: paints the model window, turns Qt's mouse input
// into the model's pointer input (window twips, the model's button and shift codes), and shows the
// cursor the model asks for under the pointer. Repaint requests of the model are merged into
// one paint per frame, of only the parts that changed.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "runtime/Control.h"
#include "runtime/PictureList.h"
#include "view/RepaintArea.h"
#include "view/ViewPlacement.h"
#include "view/WindowPainter.h"

namespace rt {
class Window;
}

namespace view {
class PictureCache;
}

namespace rtqt {

class CursorCache;

class WindowWidget : public QWidget {
public:
    WindowWidget(rt::Window& model, CursorCache& cursors, view::PictureCache& pictures,
                 QWidget* parent = nullptr);
    ~WindowWidget() override;

    rt::Window& model() const { return model_; }

    // The model changed: the whole window, or a part of it (window twips), is to be repainted.
    // The parts asked for are merged, mapped to the widget and only they are repainted (and
    // sent to the display): once the present turn of the event loop is over, and not more
    // often than the screen shows frames.
    void requestRepaint();
    void requestRepaint(const rt::RectF& part);
    // While held, the areas given to Qt are gathered instead; the release repaints them at
    // once, without going through the event loop.
    void holdRepaints();
    void releaseRepaints();
    // Whether something asked for is not painted yet: waiting for the frame to end, for the
    // event loop, or for the release of held repaints.
    bool repaintPending() const { return !dirty_.empty(); }
    // A part asked for within a frame of the last paint waits for the frame to end; a frame lasts
    // as long as the screen shows one, never longer than this.
    static constexpr int kLongestFrameMs = 40;
    // Shows the cursor the model wants at the pointer's present place: the last place a mouse
    // event gave (no round trip to the display server on every tick), or asked afresh.
    void refreshCursor(bool askPointer = false);
    // A timer ticked: a press held still on a control of this window hears where the pointer
    // rests (a move with the held buttons), then the cursor is refreshed. So a knob held at its
    // end stop shows its refusal hand at once, not only when the hand next moves.
    void timerTicked();
    // The view: the window drawn `scale` times its design size (snapped so that pictures land
    // on device pixels), `designTwips` (the area the instruments' design fills) centred both
    // ways, or at the left or top where it is larger than the widget (the rest is cut off);
    // the space around is the window's own background. Set by the frame, the same for every instrument, or
    // directly by a test.
    void setView(double scale, const rt::RectF& designTwips);
    // The scale in use now (the requested one snapped for the present device pixel ratio) and
    // where the window's origin lies, in logical pixels, on a whole device pixel.
    double viewScale() const;
    QPointF viewOffset() const;

    // The one mapping between the widget's logical pixels and the model window's twips, view
    // scale and offset included; every pointer position given to the model, every painted
    // pixel and every place a tool aims at goes through it.
    QPointF twipsAt(QPointF widgetPx) const;
    QPointF widgetPointFor(double xTwips, double yTwips) const;

    // The cursor picture shown now (none for the default arrow).
    rt::PictureRef shownCursor() const { return shownCursor_; }

    // Qt's buttons and modifiers as the model's codes: 1 left, 2 right, 4 middle; 1 shift,
    // 2 control, 4 alt.
    static int buttonCode(Qt::MouseButton b);
    static int buttonsCode(Qt::MouseButtons b);
    static int shiftCode(Qt::KeyboardModifiers m);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void press(QMouseEvent* e, bool doubleClick);
    void endCapture();
    void showCursorAt(QPointF px);
    view::ViewPlacement placement() const;
    QRect widgetArea(const rt::RectF& part) const;
    // The area of the widget (logical pixels) that the requests not yet painted repaint.
    QRegion pendingRepaint() const;
    void giveAll();
    void give(const QRegion& area);
    void followScreenRefresh();

    rt::Window& model_;
    CursorCache& cursors_;
    view::WindowPainter painter_;
    std::vector<gfx::Rect> area_;  // the rectangles of a paint event, reused from paint to paint
    static constexpr int kPartsGivenAtOnce = 8;
    view::RepaintArea dirty_;      // what is asked for since the last paint
    int partsGiven_ = 0;           // parts of it given to update() one by one
    bool flushScheduled_ = false;  // a busy turn's update is on its way
    bool holding_ = false;         // see holdRepaints
    bool giveAllOnRelease_ = false;
    QRegion held_;
    QElapsedTimer lastPaint_;
    int frameMs_ = 15;  // the screen's frame in milliseconds (see followScreenRefresh)
    QTimer pacer_;      // gives what waited for the frame to end, if no request does
    rt::PictureRef shownCursor_;
    qreal shownRatio_ = 0;
    double shownScale_ = 0;
    bool cursorSet_ = false;
    QPointF lastPos_;
    bool pointerInside_ = false;
    int heldButtons_ = 0;  // model codes of the buttons held at the last mouse event
    double scale_ = 1.0;   // the view scale asked for
    rt::RectF design_;     // the area centred in the widget, window twips
};

}  // namespace rtqt
