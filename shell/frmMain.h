#pragma once
// The main frame: a multiple-document frame covering the screen, with the status bar and the
// two picture lists both instruments share (menu art and cursors).

#include "runtime/PictureList.h"
#include "runtime/StatusBar.h"
#include "runtime/Window.h"

class frmMain : public rt::Window {
public:
    explicit frmMain(rt::Application& app);

    const rt::PictureList& ImaMenu;
    const rt::PictureList& Imapoint;
    rt::StatusBar sbStatusBar;

    void Form_Load() override { MDIForm_Load(); }
    void MDIForm_Load();

    // The client area where the instrument windows are maximised, in twips.
    double clientWidth() const;
    double clientHeight() const;
};
