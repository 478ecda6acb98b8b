// Frames that draw what the screen already shows are left out; an input's
// effect is never among them: after idle frames, the next frame shows it on
// the window's pixels and repaints the widget that holds them.
#include "PlayTestSupport.h"

#include "Fenetres.h"
#include "PanelStatusBar.h"
#include "Random.h"
#include "ScreenView.h"
#include "WindowKind.h"

#include <QApplication>
#include <QEvent>

#include <functional>

namespace {

// Notes whether a paint event reached a widget or one of its children.
class PaintWatch : public QObject
{
public:
    QObject* target = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        for (QObject* o = watched; o && event->type() == QEvent::Paint; o = o->parent())
            painted |= o == target;
        return false;
    }
};

class FrameRepaintTest : public PlayTest
{
protected:
    // Shown, so that repaints reach the widgets; the show runs the start-up's
    // first step as the program's does.
    void SetUp() override
    {
        GameWindowTest::SetUp();
        clearSettings();
        create().show();
        window().Timer2SplashScreenTimer();
        window().DXTimer->stop();
        FixRandomSeed(20240501);
        dealKnownGame();
        window().EcranMouseMove(20, 650);
    }

    // A frame and the repaints it asks for.
    void shownFrame()
    {
        frame();
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(FrameRepaintTest, EachInputShowsOnTheNextFrameAfterIdleFrames)
{
    TfrmMain& w = window();
    const struct {
        const char* input;
        std::function<void()> run;
        QRect area;       // window pixels where the effect shows
        QObject* shownBy; // the widget that holds them
    } cases[] = {
        {"hover over a game button", [&] { w.EcranMouseMove(155, 159); }, QRect(80, 140, 150, 38), w.Ecran},
        {"clock second", // ten ticks of the 100 ms clock
         [&] {
             for (int tick = 0; tick < 10; ++tick)
                 w.Timer1Timer();
         },
         QRect(0, 748, 1024, 20), w.StatusBar1},
        {"picker opens", [&] { click({388, 170}); }, QRect(293, 75, 190, 190), w.Ecran},
        {"message window opens", [] { OpenMessageWindow(WindowKind::Replay, "ANOTHER GAME ?", "YES", "NO"); },
         QRect(262, 200, 480, 300), w.Ecran},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        for (int i = 0; i < 4; ++i)
            shownFrame();
        const QImage before = w.grab(c.area).toImage();
        PaintWatch watch;
        watch.target = c.shownBy;
        qApp->installEventFilter(&watch);
        c.run();
        shownFrame();
        qApp->removeEventFilter(&watch); // before the grab, which paints the widgets itself
        EXPECT_TRUE(watch.painted);
        EXPECT_NE(w.grab(c.area).toImage(), before);
    }
}
