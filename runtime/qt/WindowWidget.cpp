#include "runtime/qt/WindowWidget.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "runtime/Application.h"
#include "runtime/Window.h"
#include "runtime/qt/CursorCache.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/WindowImage.h"
#include "view/ViewScale.h"

namespace rtqt {

WindowWidget::WindowWidget(rt::Window& model, CursorCache& cursors, view::PictureCache& pictures, QWidget* parent)
    : QWidget(parent), model_(model), cursors_(cursors), painter_(pictures, surfaceFactory()) {
    setMouseTracking(true);                 // moves without a button are events too
    setFocusPolicy(Qt::ClickFocus);         // so a focus taken away mid-press ends the press
    setAttribute(Qt::WA_OpaquePaintEvent);  // paint covers every pixel
    pacer_.setSingleShot(true);
    QObject::connect(&pacer_, &QTimer::timeout, this, [this] { giveAll(); });
}

WindowWidget::~WindowWidget() = default;

void WindowWidget::setView(double scale, const rt::RectF& designTwips) {
    if (!(scale > 0)) return;
    if (scale == scale_ && designTwips.x == design_.x && designTwips.y == design_.y &&
        designTwips.w == design_.w && designTwips.h == design_.h)
        return;
    scale_ = scale;
    design_ = designTwips;
    update();
    refreshCursor();
}

double WindowWidget::viewScale() const {
    return view::snappedViewScale(scale_, devicePixelRatioF());
}

view::ViewPlacement WindowWidget::placement() const {
    return view::ViewPlacement(width(), height(), devicePixelRatioF(), viewScale(), design_);
}

QPointF WindowWidget::viewOffset() const {
    const gfx::Point o = placement().origin();
    return QPointF(o.x, o.y);
}

QPointF WindowWidget::twipsAt(QPointF widgetPx) const {
    const gfx::Point t = placement().toTwips(widgetPx.x(), widgetPx.y());
    return QPointF(t.x, t.y);
}

QPointF WindowWidget::widgetPointFor(double xTwips, double yTwips) const {
    const gfx::Point p = placement().toArea(xTwips, yTwips);
    return QPointF(p.x, p.y);
}

int WindowWidget::buttonCode(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int WindowWidget::buttonsCode(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int WindowWidget::shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// A hidden widget paints in full when shown: requests wait for nothing then.
void WindowWidget::requestRepaint() {
    if (!isVisible() || dirty_.whole()) return;
    dirty_.addWhole();
    pacer_.stop();
    give(rect());
}

// Repaints follow the screen's refresh. A part asked for within a frame of the last paint
// waits: the first request once the frame is over (the next tick of a running spot) gives all
// that waited to Qt, or else the pacer does half a frame later. So a spot moved every 10 ms
// is painted at most once a frame (nothing more could be seen), with no timer of its own.
// Once the frame is over, the first few parts of a turn go to Qt at once; the parts of a busy
// turn (a recorded trace) wait for one update at its end.
void WindowWidget::requestRepaint(const rt::RectF& part) {
    if (!isVisible()) return;
    const std::optional<rt::RectF> grown = dirty_.add(part);
    if (!grown) return;
    if (lastPaint_.isValid() && lastPaint_.elapsed() < frameMs_) {
        if (!pacer_.isActive())
            pacer_.start(std::max<int>(1, static_cast<int>(frameMs_ * 3 / 2 - lastPaint_.elapsed())));
        return;
    }
    if (pacer_.isActive()) {
        pacer_.stop();
        giveAll();
    } else if (++partsGiven_ <= kPartsGivenAtOnce) {
        give(widgetArea(*grown));
    } else if (holding_) {
        giveAllOnRelease_ = true;
    } else if (!flushScheduled_) {
        flushScheduled_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                flushScheduled_ = false;
                giveAll();
            },
            Qt::QueuedConnection);
    }
}

QRect WindowWidget::widgetArea(const rt::RectF& part) const {
    const gfx::Rect r = placement().repaintArea(part);
    return QRectF(r.x, r.y, r.w, r.h).toAlignedRect();
}

QRegion WindowWidget::pendingRepaint() const {
    if (dirty_.whole()) return QRegion(rect());
    QRegion region;
    for (const rt::RectF& part : dirty_.parts()) region += widgetArea(part);
    return region;
}

// A frame lasts as long as the screen shows one, less a millisecond for the ticks' jitter.
void WindowWidget::followScreenRefresh() {
    const qreal hz = screen() ? screen()->refreshRate() : 60.0;
    frameMs_ = std::clamp(static_cast<int>(1000.0 / std::max<qreal>(hz, 1.0)) - 1, 1, kLongestFrameMs);
}

void WindowWidget::giveAll() {
    if (isVisible() && !dirty_.empty()) give(pendingRepaint());
}

void WindowWidget::give(const QRegion& area) {
    if (holding_)
        held_ += area;
    else
        update(area);
}

void WindowWidget::holdRepaints() {
    holding_ = true;
}

void WindowWidget::releaseRepaints() {
    if (!holding_) return;
    holding_ = false;
    if (std::exchange(giveAllOnRelease_, false) && !dirty_.empty()) held_ += pendingRepaint();
    const QRegion area = std::exchange(held_, QRegion());
    if (!area.isEmpty() && isVisible()) repaint(area);
}

void WindowWidget::paintEvent(QPaintEvent* e) {
    lastPaint_.start();
    if (!flushScheduled_ && !pacer_.isActive()) {  // all that was asked for is painted now
        dirty_.clear();
        partsGiven_ = 0;
    }
    area_.clear();
    for (const QRect& r : e->region()) area_.emplace_back(r.x(), r.y(), r.width(), r.height());
    QPainter p(this);
    QtCanvas canvas(p);
    const QPointF offset = viewOffset();
    canvas.translate(offset.x(), offset.y());
    painter_.paint(canvas, model_, viewScale(), gfx::Rect(0, 0, width(), height()), area_);
}

void WindowWidget::press(QMouseEvent* e, bool doubleClick) {
    const int button = buttonCode(e->button());
    if (button == 0) return;
    const QPointF px = e->position();
    const QPointF t = twipsAt(px);
    heldButtons_ = buttonsCode(e->buttons());
    model_.app().mouse().pointerPress(model_, t.x(), t.y(), button, shiftCode(e->modifiers()), doubleClick);
    showCursorAt(px);
}

void WindowWidget::mousePressEvent(QMouseEvent* e) {
    press(e, false);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    press(e, true);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* e) {
    const int button = buttonCode(e->button());
    if (button == 0) return;
    const QPointF px = e->position();
    const QPointF t = twipsAt(px);
    heldButtons_ = buttonsCode(e->buttons());
    model_.app().mouse().pointerRelease(model_, t.x(), t.y(), button, shiftCode(e->modifiers()));
    showCursorAt(px);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPointF px = e->position();
    const QPointF t = twipsAt(px);
    heldButtons_ = buttonsCode(e->buttons());
    model_.app().mouse().pointerMove(model_, t.x(), t.y(), buttonsCode(e->buttons()),
                                     shiftCode(e->modifiers()));
    showCursorAt(px);
}

// A press of this window that loses the pointer (focus or grab taken away, window hidden)
// ends with a MouseUp.
void WindowWidget::endCapture() {
    rt::MouseRouter& mouse = model_.app().mouse();
    const rt::Control* c = mouse.captured();
    if (c && c->window() == &model_) mouse.captureLost();
}

void WindowWidget::focusOutEvent(QFocusEvent* e) {
    endCapture();
    QWidget::focusOutEvent(e);
}

void WindowWidget::hideEvent(QHideEvent* e) {
    endCapture();
    QWidget::hideEvent(e);
}

void WindowWidget::showEvent(QShowEvent* e) {
    // Showing paints everything anyway; frames are as long as the screen's refresh.
    dirty_.clear();
    partsGiven_ = 0;
    pacer_.stop();
    followScreenRefresh();
    QWidget::showEvent(e);
    refreshCursor(true);  // the pointer is where it was over the window hidden just now
}

bool WindowWidget::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate:
        case QEvent::UngrabMouse:
            endCapture();
            break;
        case QEvent::ScreenChangeInternal:
            cursorSet_ = false;  // the cursor pixels must follow the new ratio
            refreshCursor(true);
            followScreenRefresh();
            update();
            break;
        default:
            break;
    }
    return QWidget::event(e);
}

void WindowWidget::refreshCursor(bool askPointer) {
    if (!isVisible()) return;
    if (askPointer) {
        lastPos_ = QPointF(mapFromGlobal(QCursor::pos()));
        pointerInside_ = rect().contains(lastPos_.toPoint());
    }
    if (pointerInside_ || model_.app().mouse().captured()) showCursorAt(lastPos_);
}

void WindowWidget::timerTicked() {
    if (!isVisible()) return;
    rt::MouseRouter& mouse = model_.app().mouse();
    const rt::Control* held = mouse.captured();
    const QPointF t = twipsAt(lastPos_);
    if (held && held->window() == &model_) mouse.pointerMove(model_, t.x(), t.y(), heldButtons_, 0);
    refreshCursor();
}

void WindowWidget::enterEvent(QEnterEvent* e) {
    pointerInside_ = true;
    lastPos_ = e->position();
    QWidget::enterEvent(e);
}

void WindowWidget::leaveEvent(QEvent* e) {
    pointerInside_ = false;
    QWidget::leaveEvent(e);
}

void WindowWidget::showCursorAt(QPointF px) {
    lastPos_ = px;
    pointerInside_ = rect().contains(px.toPoint());
    if (!isVisible()) return;
    const QPointF t = twipsAt(px);
    const rt::PictureRef want = model_.app().mouse().cursorAt(model_, t.x(), t.y());
    const qreal ratio = devicePixelRatioF();
    const double scale = viewScale();
    if (cursorSet_ && want == shownCursor_ && ratio == shownRatio_ && scale == shownScale_) return;
    shownCursor_ = want;
    shownRatio_ = ratio;
    shownScale_ = scale;
    cursorSet_ = true;
    if (want.isNone())
        unsetCursor();
    else
        setCursor(cursors_.cursor(want, ratio, scale));
}

}  // namespace rtqt
