// Commands run against a session of the real program, beside a test window whose controls
// record every event they receive: which events a mouse command delivers, in which order, at
// which X, Y, whether a real pointer could have reached the spot, and what the clock does.

#include <gtest/gtest.h>

#include <sstream>

#include "runtime/Container.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"
#include "runtime/Window.h"
#include "tests/tools/TestHost.h"
#include "tools/scenario/Commands.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/Session.h"

using scenario::LineError;
using namespace std::chrono_literals;

namespace {

class Essai : public rt::Window {
public:
    explicit Essai(rt::Application& app) : rt::Window(app, "Essai") {
        vars().add("Ticks", Ticks);
        record(Pad);
        record(Screen);
        record(*this);
        Pad.onMouseDown = [this](int b, int s, float x, float y) {
            log("Pad.Down", b, s, x, y);
            Tick.setEnabled(true);
        };
        Pad.onMouseUp = [this](int b, int s, float x, float y) {
            log("Pad.Up", b, s, x, y);
            Tick.setEnabled(false);
        };
        Tick.onTimer = [this] { ++Ticks; };
    }
    void Form_Load() override {
        move(0, 0, 9000, 6000);
        Pad.move(1000, 1000, 900, 600);  // its right third lies under Cover
        Cover.move(1600, 1000, 600, 600);
        Dot.move(1000, 1000, 300, 300);  // a shape over Pad's corner lets the pointer through
        Screen.move(4000, 1000, 1500, 1200);
        Screen.setScale(100, 80, 0, -40);
        Box.move(100, 4000, 1000, 1000);
        Box.setVisible(false);
        Inside.move(0, 0, 500, 500);
    }

    std::vector<std::string> events;
    int16_t Ticks = 0;

    rt::PictureControl Pad{this, "Pad"};
    rt::PictureControl Cover{this, "Cover"};
    rt::Shape Dot{this, "Dot"};
    rt::Container Screen{this, "Screen"};
    rt::Container Box{this, "Box"};
    rt::PictureControl Inside{&Box, "Inside"};
    rt::Timer Tick{this, "Tick", 200ms};

private:
    void log(const std::string& what, int b, int s, float x, float y) {
        std::ostringstream o;
        o << what << ' ' << b << ' ' << s << ' ' << x << ' ' << y;
        events.push_back(o.str());
    }
    void record(rt::Control& c) {
        const std::string n = c.name();
        c.onMouseDown = [this, n](int b, int s, float x, float y) { log(n + ".Down", b, s, x, y); };
        c.onMouseUp = [this, n](int b, int s, float x, float y) { log(n + ".Up", b, s, x, y); };
        c.onMouseMove = [this, n](int b, int s, float x, float y) { log(n + ".Move", b, s, x, y); };
        c.onClick = [this, n] { events.push_back(n + ".Click"); };
        c.onDblClick = [this, n] { events.push_back(n + ".DblClick"); };
    }
};

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() : session(testHost(), '.') {
        session.app().registerWindow("Essai", [](rt::Application& a) { return std::make_unique<Essai>(a); });
    }
    void run(const std::string& line) {
        scenario::CommandContext ctx{session, out, "t.scn:1", tally, std::nullopt};
        scenario::runCommand(ctx, scenario::tokenize(line));
    }
    // The message of the error the line raises, or "" when it runs.
    std::string errorOf(const std::string& line) {
        try {
            run(line);
        } catch (const LineError& e) {
            return e.what();
        }
        return "";
    }
    Essai& essai() {
        auto& w = session.app().window<Essai>("Essai");
        w.Show();
        return w;
    }
    std::vector<std::string> events() { return std::exchange(essai().events, {}); }

    scenario::Session session;
    std::ostringstream out;
    scenario::Tally tally;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(CommandsTest, ClickDeliversDownUpClickAtTheCentreInTwips) {
    essai();
    run("click Essai.Pad");  // 900 x 600 twips: the centre is 450, 300 (Cover starts at 600)
    EXPECT_EQ(events(), (Events{"Pad.Down 1 0 450 300", "Pad.Up 1 0 450 300", "Pad.Click"}));
    run("click Essai.Pad 12.5 7.25");
    EXPECT_EQ(events(), (Events{"Pad.Down 1 0 12.5 7.25", "Pad.Up 1 0 12.5 7.25", "Pad.Click"}));
}

TEST_F(CommandsTest, DblClickIsDownUpClickDblClickUp) {
    essai();
    run("dblclick Essai.Pad 100 100");
    EXPECT_EQ(events(), (Events{"Pad.Down 1 0 100 100", "Pad.Up 1 0 100 100", "Pad.Click", "Pad.DblClick",
                                "Pad.Up 1 0 100 100"}));
}

TEST_F(CommandsTest, PointEventsPassButtonShiftAndCoordinatesExactly) {
    essai();
    run("move Essai.Pad 10 20");
    run("move Essai.Pad 10 20 1 2");
    run("down Essai.Pad 30 40 2");
    run("up Essai.Pad 30 40 2 5");
    EXPECT_EQ(events(),
              (Events{"Pad.Move 0 0 10 20", "Pad.Move 1 2 10 20", "Pad.Down 2 0 30 40", "Pad.Up 2 5 30 40"}));
    EXPECT_NE(errorOf("down Essai.Pad 1 1 3"), "");  // a press is one button
    EXPECT_NE(errorOf("move Essai.Pad 1 1 8"), "");
    EXPECT_NE(errorOf("move Essai.Pad 1 1 0 9"), "");
    EXPECT_NE(errorOf("move Essai.Pad 1,5 1"), "");
    EXPECT_NE(errorOf("move Essai.Pad 1"), "");
    EXPECT_TRUE(events().empty());  // refused lines deliver nothing
}

TEST_F(CommandsTest, ScaledContainerGetsItsOwnUnitsAndItsCentre) {
    essai();
    run("click Essai.Screen");  // 100 x 80 units, top edge at -40: the centre is 50, 0
    EXPECT_EQ(events(), (Events{"Screen.Down 1 0 50 0", "Screen.Up 1 0 50 0", "Screen.Click"}));
    EXPECT_NE(errorOf("click Essai.Screen 50 45"), "");  // below its bottom edge (+40)
}

TEST_F(CommandsTest, HoldPressesAtAQuarterOrTheMiddleAndRunsTheClock) {
    Essai& w = essai();
    run("hold Essai.Pad left 1050");  // ticks at 200, 400, ... 1000: five
    EXPECT_EQ(events(), (Events{"Pad.Down 1 0 225 300", "Pad.Up 1 0 225 300"}));
    EXPECT_EQ(w.Ticks, 5);
    EXPECT_EQ(session.clock().now(), 1050ms);
    run("hold Essai.Screen middle 0 2");
    EXPECT_EQ(events(), (Events{"Screen.Down 2 0 50 0", "Screen.Up 2 0 50 0"}));
    run("hold Essai.Screen right 0");
    EXPECT_EQ(events(), (Events{"Screen.Down 1 0 75 0", "Screen.Up 1 0 75 0"}));
    // Pad's right quarter lies under Cover: no real pointer presses Pad there.
    EXPECT_NE(errorOf("hold Essai.Pad right 100").find("Cover"), std::string::npos);
    EXPECT_NE(errorOf("hold Essai.Pad centre 100"), "");
    EXPECT_NE(errorOf("hold Essai.Pad left -1"), "");
}

TEST_F(CommandsTest, UnreachableSpotsNameWhatIsThere) {
    essai();
    const std::string covered = errorOf("click Essai.Pad 800 300");
    EXPECT_NE(covered.find("Cover"), std::string::npos) << covered;
    const std::string outside = errorOf("click Essai.Pad 2000 300");
    EXPECT_NE(outside.find("outside"), std::string::npos) << outside;
    EXPECT_NE(errorOf("click Essai.Inside").find("Box is hidden"), std::string::npos);
    // The window's own events only where no control lies over it.
    EXPECT_NE(errorOf("click Essai 1100 1100").find("Pad"), std::string::npos);
    EXPECT_TRUE(events().empty());
    run("move Essai 100 100");
    run("click Essai.Pad 50 50");  // under the shape Dot, which lets the pointer through
    EXPECT_EQ(events(),
              (Events{"Essai.Move 0 0 100 100", "Pad.Down 1 0 50 50", "Pad.Up 1 0 50 50", "Pad.Click"}));
}

TEST_F(CommandsTest, AHiddenWindowCannotBeClicked) {
    session.app().window<Essai>("Essai");  // created, never shown
    EXPECT_NE(errorOf("click Essai.Pad").find("Essai is hidden"), std::string::npos);
}

TEST_F(CommandsTest, ThePressedControlGetsMovesAndTheReleaseAnywhere) {
    essai();
    run("down Essai.Pad 10 10");
    run("move Essai.Pad 5000 -200 1");  // dragged far outside while the button is held
    run("up Essai.Pad 5000 -200");
    EXPECT_EQ(events(), (Events{"Pad.Down 1 0 10 10", "Pad.Move 1 0 5000 -200", "Pad.Up 1 0 5000 -200"}));
    EXPECT_NE(errorOf("move Essai.Pad 5000 -200"), "");  // released: the point is checked again
}

TEST_F(CommandsTest, WaitAdvancesTheVirtualClock) {
    Essai& w = essai();
    w.Tick.setEnabled(true);
    run("wait 199");
    EXPECT_EQ(w.Ticks, 0);
    run("wait 1");
    EXPECT_EQ(w.Ticks, 1);
    run("wait 0");
    EXPECT_EQ(session.clock().now(), 200ms);
    for (const char* bad : {"wait", "wait -5", "wait 1.5", "wait \"10\"", "wait 1 2"})
        EXPECT_NE(errorOf(bad), "") << bad;
}

TEST_F(CommandsTest, ExpectCountsAndReportsFailures) {
    essai().Ticks = 3;
    run("expect Essai.Ticks 3");
    run("expect Essai.Ticks 4");
    run("expect Essai.Pad.Width 905 ~5");
    run("expect Essai.Pad.Visible false");
    EXPECT_EQ(tally.passed, 2);
    EXPECT_EQ(tally.failed, 2);
    EXPECT_EQ(out.str(),
              "FAIL t.scn:1: Essai.Ticks expected 4, got 3\n"
              "FAIL t.scn:1: Essai.Pad.Visible expected false, got true\n");
    EXPECT_NE(errorOf("expect Essai.Pad.Visible true ~1"), "");  // a tolerance on a truth value
    EXPECT_NE(errorOf("expect Essai.Ticks 3 0.5"), "");
    EXPECT_EQ(tally.passed + tally.failed, 4);  // errors are not expects
}

TEST_F(CommandsTest, PrintReadsEveryNameBeforePrinting) {
    essai();
    run("print Essai.Ticks Essai.Pad.Left InterCharge");
    EXPECT_EQ(out.str(), "Essai.Ticks = 0\nEssai.Pad.Left = 1000\nInterCharge = 0\n");
    out.str("");
    EXPECT_NE(errorOf("print Essai.Ticks Nothing"), "");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CommandsTest, DumpListsTheWindowThenEachControl) {
    essai();
    run("dump Essai");
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_EQ(lines.size(), 8u);  // the window and its seven controls
    EXPECT_EQ(lines[0].rfind("Essai Visible=true Caption=\"\"", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Essai.Pad Visible=true Left=1000 Top=1000 Width=900 Height=600", 0), 0u)
        << lines[1];
    EXPECT_NE(lines[7].find("Essai.Tick"), std::string::npos);
    EXPECT_NE(lines[7].find("Interval=200"), std::string::npos);
    EXPECT_NE(errorOf("dump Essai.Pad"), "");
}

TEST_F(CommandsTest, LocaleSetsTheDecimalSeparator) {
    run("locale fr_FR");
    EXPECT_EQ(session.app().decimalSeparator(), ',');
    run("locale C");
    EXPECT_EQ(session.app().decimalSeparator(), '.');
    run("locale de_DE");
    EXPECT_EQ(session.app().decimalSeparator(), ',');
    run("locale en_US");
    EXPECT_EQ(session.app().decimalSeparator(), '.');
    EXPECT_NE(errorOf("locale xx_NOWHERE"), "");
    EXPECT_NE(errorOf("locale"), "");
}

TEST_F(CommandsTest, MisspelledCommandsAndQuotedNamesAreErrors) {
    EXPECT_NE(errorOf("clik Essai.Pad"), "");
    EXPECT_NE(errorOf("\"click\" Essai.Pad"), "");
    EXPECT_NE(errorOf("click \"Essai.Pad\""), "");
    EXPECT_NE(errorOf("click Essai.Pad 1"), "");
    EXPECT_NE(errorOf("click Essai.Ticks"), "");  // a variable, not a control
}

TEST(Session, EachStartsAFreshProgramAsTheProgramStarts) {
    scenario::Session a(testHost(), ',');
    EXPECT_EQ(a.app().decimalSeparator(), ',');
    EXPECT_EQ(a.clock().now(), 0ms);
    EXPECT_EQ(a.app().screenWidthPx(), 1920);
    EXPECT_EQ(a.app().screenHeightPx(), 1080);
    ASSERT_NE(a.app().existing("Chargedecharge"), nullptr);
    EXPECT_TRUE(a.app().existing("Chargedecharge")->Visible());
    EXPECT_EQ(a.app().existing("Oscillo"), nullptr);
    a.program().code().Egene = 5;
    a.clock().advance(1000ms);
    scenario::Session b(testHost(), '.');
    EXPECT_EQ(b.program().code().Egene, 0);
    EXPECT_EQ(b.clock().now(), 0ms);
}
