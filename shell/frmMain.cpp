#include "shell/frmMain.h"

#include "art/PictureTables.h"
#include "runtime/Application.h"

namespace {
constexpr float kStatusBarHeight = 270;  // twips
}

frmMain::frmMain(rt::Application& app)
    : rt::Window(app, "frmMain"), ImaMenu(art::list("ImaMenu")), Imapoint(art::list("Imapoint")),
      sbStatusBar(this, "sbStatusBar") {
    setCaption("Vorlinde");
    // Design size of the client area; the load handler resizes the frame to the screen.
    move(0, 0, 7770, 6945 + kStatusBarHeight);
    using P = rt::StatusBar::PanelKind;
    sbStatusBar.panels() = {{P::Text, 8070, 2540, ""}, {P::Date, 2540, 2540, ""}, {P::Time, 2540, 2540, ""}};
    sbStatusBar.setHeight(kStatusBarHeight);
    // The instrument windows maximise into the client area above the status bar.
    app.mdiClientArea = [this] { return rt::RectF{0, 0, clientWidth(), clientHeight()}; };
}

void frmMain::MDIForm_Load() {
    setTop(0);
    setLeft(0);
    setWidth(static_cast<float>(app().screenWidthPx() * rt::kTwipsPerPixel));
    setHeight(static_cast<float>(app().screenHeightPx() * rt::kTwipsPerPixel));
    sbStatusBar.move(0, Height() - kStatusBarHeight, Width(), kStatusBarHeight);
    Show();
}

double frmMain::clientWidth() const { return Width(); }
double frmMain::clientHeight() const { return Height() - kStatusBarHeight; }
