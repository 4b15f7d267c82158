#include "runtime/qt/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <cmath>

#include "runtime/Application.h"
#include "runtime/Window.h"
#include "runtime/qt/QtClock.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/DesignArea.h"
#include "shell/frmMain.h"
#include "view/ViewScale.h"

namespace rtqt {
namespace {

constexpr double kTwips = rt::kTwipsPerPixel;

int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwips));
}

// An instrument window is only ever hidden and shown by the program, never closed by the user.
class InstrumentSubWindow : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

}  // namespace

MainFrame::MainFrame(rt::Application& app)
    : app_(app), pictures_(sharedPictureCache()), design_(instrumentsDesignArea(app.text())) {
    setWindowTitle(QStringLiteral("Vorlinde"));
    mdi_ = new QMdiArea(this);
    // The application-workspace colour: the system palette's dark grey.
    mdi_->setBackground(QApplication::palette().brush(QPalette::Dark));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);

    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(bar);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(3, 0, 3, 0);
        panels_[static_cast<size_t>(i)] = l;
        bar->addPermanentWidget(l, i == 0 ? 1 : 0);  // panel 1 takes what the others leave
    }
    clockTimer_.setSingleShot(true);
    QObject::connect(&clockTimer_, &QTimer::timeout, this, [this] { updateClock(); });
    updateClock();

    app_.onWindowCreated = [this](rt::Window& w) { windowCreated(w); };
    for (rt::Window* w : app_.windows()) windowCreated(*w);
}

MainFrame::~MainFrame() {
    // The model outlives the widgets: it must not call into them any more.
    if (clock_) {
        clock_->beforeTick = nullptr;
        clock_->afterTick = nullptr;
    }
    app_.onWindowCreated = nullptr;
    if (frame_) {
        frame_->onWindowChanged = nullptr;
        frame_->onInvalidate = nullptr;
        app_.mdiClientArea = modelClientArea_;
    }
    for (auto& [w, inst] : instruments_) {
        auto* model = const_cast<rt::Window*>(w);
        model->onWindowChanged = nullptr;
        model->onInvalidate = nullptr;
    }
    mdi_->viewport()->removeEventFilter(this);
}

void MainFrame::windowCreated(rt::Window& w) {
    if (auto* f = dynamic_cast<frmMain*>(&w))
        bindFrame(*f);
    else
        addInstrument(w);
}

void MainFrame::bindFrame(frmMain& f) {
    frame_ = &f;
    modelClientArea_ = app_.mdiClientArea;
    app_.mdiClientArea = [this] { return clientAreaTwips(); };
    statusBar()->setFixedHeight(std::max(1, px(f.sbStatusBar.Height())));
    const auto& panels = f.sbStatusBar.panels();
    for (size_t i = 0; i < panels_.size() && i < panels.size(); ++i) {
        if (i == 0)
            panels_[i]->setMinimumWidth(px(panels[i].minWidth));
        else  // a size fixed both ways: new text repaints the panel, not the whole bar's layout
            panels_[i]->setFixedSize(px(panels[i].width), panels_[i]->sizeHint().height());
    }
    f.onWindowChanged = [this] { syncFrame(); };
    syncFrame();
}

void MainFrame::addInstrument(rt::Window& w) {
    Instrument inst;
    inst.widget = new WindowWidget(w, cursors_, pictures_);
    inst.sub = new InstrumentSubWindow(nullptr, Qt::SubWindow | Qt::FramelessWindowHint);
    inst.sub->setWidget(inst.widget);
    inst.sub->setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_->addSubWindow(inst.sub);
    inst.sub->hide();
    inst.widget->setView(viewScale_, design_);
    instruments_[&w] = inst;
    WindowWidget* widget = inst.widget;
    w.onInvalidate = [widget](const rt::RectF* part) {
        if (part)
            widget->requestRepaint(*part);
        else
            widget->requestRepaint();
    };
    w.onWindowChanged = [this, &w] { syncInstrument(w); };
    syncInstrument(w);
}

void MainFrame::syncInstrument(rt::Window& w) {
    auto it = instruments_.find(&w);
    if (it == instruments_.end()) return;
    Instrument& inst = it->second;
    inst.sub->setWindowTitle(QString::fromStdString(w.Caption()));
    if (!w.Visible()) {
        inst.sub->hide();
        inst.shown = false;
        syncTitle();
        return;
    }
    if (w.windowState() == rt::WindowState::Maximized) {
        if (!inst.sub->isMaximized() || !inst.sub->isVisible()) inst.sub->showMaximized();
    } else {
        inst.sub->setGeometry(px(w.Left()), px(w.Top()), px(w.Width()), px(w.Height()));
        if (!inst.sub->isVisible() || inst.sub->isMaximized()) inst.sub->showNormal();
    }
    if (!inst.shown) {  // a window just shown becomes the active one
        inst.shown = true;
        mdi_->setActiveSubWindow(inst.sub);
        inst.widget->setFocus(Qt::OtherFocusReason);
        inst.widget->requestRepaint();
    }
    syncTitle();
}

// A maximised instrument shows its caption in the frame's title, as it has no title bar.
void MainFrame::syncTitle() {
    QString title = frame_ ? QString::fromStdString(frame_->Caption()) : QStringLiteral("Vorlinde");
    for (const auto& [w, inst] : instruments_) {
        if (inst.shown && w->windowState() == rt::WindowState::Maximized && !w->Caption().empty()) {
            title += QStringLiteral(" - [") + QString::fromStdString(w->Caption()) + QStringLiteral("]");
            break;
        }
    }
    setWindowTitle(title);
}

// The model frame's place, size and visibility onto the real one. The model's frame covers the
// whole screen; a real desktop has a window manager with its panels and title bars, so that
// frame is the real one maximised in the work area the manager leaves (close box, task bar and
// all in view), which restores to a sensible size in the middle of it.
void MainFrame::syncFrame() {
    if (!frame_) return;
    syncTitle();
    if (!frame_->Visible()) {
        hide();
        return;
    }
    const QRect outer(px(frame_->Left()), px(frame_->Top()), px(frame_->Width()), px(frame_->Height()));
    if (isVisible() && (frameGeometry() == outer || (isMaximized() && coversScreen(outer))))
        return;  // the model only followed the real frame (see frameGeometryChanged)
    applyingModel_ = true;
    if (coversScreen(outer)) {
        // The work area first: without a window manager nobody maximises the frame, and the
        // frame must still cover what it may.
        if (!isVisible() && screen()) setGeometry(screen()->availableGeometry());
        showMaximized();
        if (layout()) layout()->activate();
        applyingModel_ = false;
        QTimer::singleShot(0, this, [this] { frameGeometryChanged(); });
        return;
    }
    setGeometry(outer);
    show();
    fitFrameTo(outer);
    if (layout()) layout()->activate();  // the area is laid out before a window maximises into it
    applyingModel_ = false;
    // A window manager may add its decorations only later: fit again once it has.
    QTimer::singleShot(0, this, [this, outer] {
        applyingModel_ = true;
        fitFrameTo(outer);
        applyingModel_ = false;
        frameGeometryChanged();
    });
}

// Whether `outer` (device-independent pixels) is the whole of the frame's screen.
bool MainFrame::coversScreen(const QRect& outer) const {
    const QScreen* s = screen();
    return s && outer == s->geometry();
}

// The frame restored from maximised: three quarters of the work area each way, in its middle.
// (A window manager restores it to the size it was first shown at, the whole work area.)
QRect MainFrame::restoredGeometry() const {
    const QScreen* s = screen();
    if (!s) return QRect(0, 0, 800, 600);
    const QRect work = s->availableGeometry();
    QRect r(0, 0, work.width() * 3 / 4, work.height() * 3 / 4);
    r.moveCenter(work.center());
    return r;
}

// The model's size is the outer one, decorations included: the frame's outside covers `outer`.
void MainFrame::fitFrameTo(const QRect& outer) {
    const QRect g = geometry(), f = frameGeometry();
    const QMargins m(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    const QRect inner = outer.marginsRemoved(m);
    if (g != inner && inner.isValid()) setGeometry(inner);
}

rt::RectF MainFrame::clientAreaTwips() const {
    if (!isVisible() && modelClientArea_) return modelClientArea_();
    const QSize s = mdi_->viewport()->size();
    return rt::RectF{0, 0, s.width() * kTwips / viewScale_, s.height() * kTwips / viewScale_};
}

// The largest scale at which the design area fits the document area, snapped down so that
// scale x device pixel ratio is a whole number of hundredths (the pictures' painting ratio),
// never below the smallest workable one (a smaller area shows part of the instruments).
void MainFrame::updateViewScale() {
    const QSize s = mdi_->viewport()->size();
    const qreal dpr = devicePixelRatioF();
    const double z =
        view::fittedViewScale(s.width(), s.height(), design_.w / kTwips, design_.h / kTwips, dpr);
    viewScale_ = snappedViewScale(z, dpr);
    for (const auto& [w, inst] : instruments_) inst.widget->setView(viewScale_, design_);
}

// The area changed size (or the screen its ratio): a new view scale, and maximised windows
// take the new size.
void MainFrame::clientAreaChanged() {
    updateViewScale();
    for (const auto& [w, inst] : instruments_) {
        auto* model = const_cast<rt::Window*>(w);
        if (model->windowState() != rt::WindowState::Maximized) continue;
        const rt::RectF r = clientAreaTwips();
        if (model->Width() == static_cast<float>(r.w) && model->Height() == static_cast<float>(r.h)) continue;
        model->setWindowState(rt::WindowState::Maximized);
    }
}

// The real frame moved or was resized (by the window manager): the model frame follows.
void MainFrame::frameGeometryChanged() {
    if (!frame_ || applyingModel_ || !isVisible()) return;
    const QRect g = frameGeometry();
    const auto tw = [](int v) { return static_cast<float>(v * kTwips); };
    if (frame_->Left() != tw(g.x()) || frame_->Top() != tw(g.y())) frame_->move(tw(g.x()), tw(g.y()));
    if (frame_->Width() != tw(g.width())) frame_->setWidth(tw(g.width()));
    if (frame_->Height() != tw(g.height())) frame_->setHeight(tw(g.height()));
}

void MainFrame::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    frameGeometryChanged();
}

void MainFrame::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    frameGeometryChanged();
}

void MainFrame::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(e);
    const bool restored = (change->oldState() & Qt::WindowMaximized) && windowState() == Qt::WindowNoState;
    if (!restored || !screen()) return;
    // Restored to what it was shown at: the work area, title bar past its top. It takes a
    // sensible size and place instead, once the manager is done with it.
    QTimer::singleShot(0, this, [this] {
        const QScreen* s = screen();
        if (s && windowState() == Qt::WindowNoState &&
            frameGeometry().height() >= s->availableGeometry().height())
            setGeometry(restoredGeometry());
    });
}

bool MainFrame::event(QEvent* e) {
    const bool done = QMainWindow::event(e);
    if (e->type() == QEvent::ScreenChangeInternal) clientAreaChanged();  // another ratio, maybe
    return done;
}

bool MainFrame::eventFilter(QObject* watched, QEvent* e) {
    if (watched == mdi_->viewport() && e->type() == QEvent::Resize) clientAreaChanged();
    return QMainWindow::eventFilter(watched, e);
}

void MainFrame::updateClock() {
    const QLocale loc = QLocale::system();
    const QString date = loc.toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString time = loc.toString(QTime::currentTime(), QLocale::ShortFormat);
    if (panels_[1]->text() != date) panels_[1]->setText(date);
    if (panels_[2]->text() != time) panels_[2]->setText(time);
    // Next look just after the next second begins, so the time shown never lags a second.
    clockTimer_.start(1000 - QTime::currentTime().msec() + 5);
}

WindowWidget* MainFrame::widgetFor(const rt::Window& w) const {
    auto it = instruments_.find(&w);
    return it == instruments_.end() ? nullptr : it->second.widget;
}

QMdiSubWindow* MainFrame::subWindowFor(const rt::Window& w) const {
    auto it = instruments_.find(&w);
    return it == instruments_.end() ? nullptr : it->second.sub;
}

QLabel* MainFrame::panel(int n) const {
    if (n < 1 || n > 3) return nullptr;
    return panels_[static_cast<size_t>(n - 1)];
}

void MainFrame::refreshCursors() {
    for (const auto& [w, inst] : instruments_)
        if (inst.shown) inst.widget->timerTicked();
}

// A running spot ticks a hundred times a second. Asking Qt for an update posts an event, which
// wakes the event loop once more for each paint; the repaint made at the end of the tick
// paints the same area with no event and no second wake.
void MainFrame::followClock(QtClock& clock) {
    clock_ = &clock;
    clock.beforeTick = [this] {
        for (const auto& [w, inst] : instruments_) inst.widget->holdRepaints();
    };
    clock.afterTick = [this] {
        refreshCursors();
        for (const auto& [w, inst] : instruments_) inst.widget->releaseRepaints();
    };
}

}  // namespace rtqt
