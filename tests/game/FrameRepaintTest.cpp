// Frames that draw what the screen already shows are left out; these cases
// make sure an input's effect is never among them: after idle frames, the
// next frame shows it, on the window's pixels and as a repaint of the widget
// that holds them.
#include "PlayTestSupport.h"

#include "Fenetres.h"
#include "PanelStatusBar.h"
#include "Random.h"
#include "ScreenView.h"
#include "WindowKind.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>

#include <functional>
#include <ostream>

namespace {

// Remembers every widget that received a paint event.
class PaintRecorder : public QObject
{
public:
    QSet<QObject*> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(watched);
        return false;
    }
};

struct InputCase
{
    const char* name;
    std::function<void(TfrmMain&)> input;
    QRect area;        // window pixels where the effect shows
    bool onStatusBar;  // shown by the status bar, else by the screen widget
};

const InputCase kInputCases[] = {
    {"hoverOverAGameButton", [](TfrmMain& w) { w.EcranMouseMove(155, 159); }, QRect(80, 140, 150, 38), false},
    {"pickerOpens",
     [](TfrmMain& w) {
         w.EcranMouseMove(388, 170);
         w.EcranMouseDown(Qt::LeftButton, 388, 170);
         w.EcranMouseUp(Qt::LeftButton, 388, 170);
     },
     QRect(293, 75, 190, 190), false},
    {"clockSecond", // ten ticks of the 100 ms clock
     [](TfrmMain& w) {
         for (int tick = 0; tick < 10; ++tick)
             w.Timer1Timer();
     },
     QRect(0, 748, 1024, 20), true},
    {"messageWindowOpens",
     [](TfrmMain&) {
         OpenMessageWindow(WindowKind::Replay, QStringLiteral("ANOTHER GAME ?"), QStringLiteral("YES"),
                           QStringLiteral("NO"));
     },
     QRect(262, 200, 480, 300), false},
};

void PrintTo(const InputCase& c, std::ostream* out)
{
    *out << c.name;
}

class FrameRepaintTest : public PlayTest, public ::testing::WithParamInterface<InputCase>
{
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        clearSettings();
        // Shown, so that repaints reach the widgets; the show runs the
        // start-up's first step as the program's does.
        create().show();
        window().Timer2SplashScreenTimer();
        window().DXTimer->stop();
        FixRandomSeed(20240501);
        dealKnownGame();
        window().EcranMouseMove(20, 650);
        qApp->installEventFilter(&m_recorder);
    }

    void TearDown() override
    {
        qApp->removeEventFilter(&m_recorder);
        PlayTest::TearDown();
    }

    void settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    bool repainted(QWidget* shownBy) const
    {
        for (QObject* object : m_recorder.painted) {
            for (QObject* o = object; o; o = o->parent())
                if (o == shownBy)
                    return true;
        }
        return false;
    }

    PaintRecorder m_recorder;
};

TEST_P(FrameRepaintTest, InputShowsOnTheNextFrameAfterIdleFrames)
{
    const InputCase& c = GetParam();
    for (int i = 0; i < 4; ++i) {
        frame();
        settle();
    }
    const QImage before = window().grab(c.area).toImage();
    m_recorder.painted.clear();

    c.input(window());
    frame();
    settle();

    // Asked before the grab, which paints the widgets itself.
    QWidget* shownBy = c.onStatusBar ? static_cast<QWidget*>(window().StatusBar1) : window().Ecran;
    EXPECT_TRUE(repainted(shownBy));
    EXPECT_NE(window().grab(c.area).toImage(), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, FrameRepaintTest, ::testing::ValuesIn(kInputCases),
                         [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; });

} // namespace
