#pragma once
// What the signal engine draws on and reads from the oscilloscope window: the screen container
// with its trace lines and shape arrays, the timers of the running spots and level ramps, the
// armed lamp, and the window's power flag. The window owns all of them; the engine only holds
// references, so it needs nothing of the window but the control model.

#include "runtime/Container.h"
#include "runtime/ControlArray.h"
#include "runtime/Flag.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/PictureList.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"

namespace engine {

struct Screen {
    rt::Container& Ecran;
    rt::Line& Ten1;
    rt::Line& Ten2;
    rt::Line& Ten1mes;
    rt::Line& Ten2mes;
    rt::ControlArray<rt::Shape>& faisceau1;
    rt::ControlArray<rt::Shape>& faisceau2;
    rt::ControlArray<rt::Shape>& XY;
    rt::Timer& Timer7;   // running spots
    rt::Timer& Timer8;   // CH1 level ramp
    rt::Timer& Timer11;  // CH2 level ramp
    rt::PictureControl& DiodeV2;  // armed lamp
    const rt::PictureList& ImageList2;
    const rt::Flag& PowerOn;  // the oscilloscope is switched on
};

}  // namespace engine
