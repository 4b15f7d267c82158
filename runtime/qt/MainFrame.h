#pragma once
// The real main frame: a Qt main window bound to the model frame `frmMain`. Its centre is the
// multiple-document area that holds one sub-window per instrument window (maximised, without
// close boxes, shown and hidden as the model says); along its bottom the status bar with the
// frame's three panels (empty text, today's date, the time kept current). The frame is made
// before any model window, since the first window the program creates is the bench, and is
// bound to the model frame when that one appears.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>

#include "runtime/Control.h"
#include "runtime/qt/CursorCache.h"
#include "runtime/qt/PictureCache.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class frmMain;

namespace rt {
class Application;
class Window;
}  // namespace rt

namespace rtqt {

class QtClock;
class WindowWidget;

class MainFrame : public QMainWindow {
public:
    explicit MainFrame(rt::Application& app);
    ~MainFrame() override;

    QMdiArea* mdiArea() const { return mdi_; }
    frmMain* model() const { return frame_; }
    // The widget and sub-window of an instrument window, nullptr when it has none.
    WindowWidget* widgetFor(const rt::Window& w) const;
    QMdiSubWindow* subWindowFor(const rt::Window& w) const;
    // Status-bar panel 1, 2 or 3.
    QLabel* panel(int n) const;

    // The multiple-document area in the twips of the instrument windows, as the maximised
    // windows fill it: its pixels divided by the view scale, so a window covers what is shown.
    rt::RectF clientAreaTwips() const;

    // The view scale of both instruments: the largest at which the area their design fills
    // (both windows' pictures, controls and menu strips) fits the document area, but not
    // below the smallest workable one (view::kMinViewScale).
    double viewScale() const { return viewScale_; }
    const rt::RectF& designArea() const { return design_; }

    // After a timer tick: a press held still hears where the pointer rests, and every shown
    // window shows the cursor its model wants now.
    void refreshCursors();

    // Follows the clock's ticks until the frame is destroyed: what a tick changes is painted
    // once the tick is over, in one repaint made there and then, and the cursors are brought
    // up to date.
    void followClock(QtClock& clock);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    struct Instrument {
        QMdiSubWindow* sub = nullptr;
        WindowWidget* widget = nullptr;
        bool shown = false;
    };

    void windowCreated(rt::Window& w);
    void bindFrame(frmMain& f);
    void addInstrument(rt::Window& w);
    void syncInstrument(rt::Window& w);
    void syncFrame();
    void fitFrameTo(const QRect& outer);
    bool coversScreen(const QRect& outer) const;
    QRect restoredGeometry() const;
    void syncTitle();
    void clientAreaChanged();
    void updateViewScale();
    void frameGeometryChanged();
    void updateClock();

    rt::Application& app_;
    QtClock* clock_ = nullptr;
    frmMain* frame_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QTimer clockTimer_;
    PictureCache& pictures_;
    CursorCache cursors_;
    std::map<const rt::Window*, Instrument> instruments_;
    std::function<rt::RectF()> modelClientArea_;  // the model frame's own, until the real area is laid out
    bool applyingModel_ = false;
    rt::RectF design_;        // both instruments' design area, window twips
    double viewScale_ = 1.0;  // snapped for the screen's device pixel ratio
};

}  // namespace rtqt
