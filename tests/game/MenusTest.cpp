// The drawn button columns, the help button and the message window: where
// they stand, which button a press reaches, and how the window's text is laid
// out.
#include "GameTestSupport.h"

#include "Fenetres.h"
#include "MessageBox.h"
#include "MultiPlayerSetupUnit.h"
#include "UdpThreadUnit.h"
#include "UnitePerso.h"

#include <QFrame>
#include <QTemporaryDir>
#include <QTimer>

#include <stdexcept>

namespace {

// The middle of a 150 by 38 button face whose top-left corner is (x, y).
QPoint middleOf(int x, int y)
{
    return QPoint(x + 75, y + 19);
}

class MenusTest : public GameWindowTest
{
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        clearSettings();
        start();
    }

    void clickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        pressAt(p.x(), p.y(), button);
        frame();
    }

    // Enters a generated game from the home screen's new-game button.
    void startGame()
    {
        clickAt(middleOf(450, 280));
        ASSERT_EQ(window().GameState, 2);
    }

    // Pixels of the text colour inside a rectangle of the screen.
    int textPixels(const QRect& r)
    {
        int count = 0;
        const QColor text(150, 40, 40);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = screen().pixelColor(x, y);
                if (std::abs(c.red() - text.red()) < 40 && std::abs(c.green() - text.green()) < 40
                    && std::abs(c.blue() - text.blue()) < 40)
                    ++count;
            }
        return count;
    }

    // Left-most column holding a text pixel inside the rectangle, or -1.
    int firstTextColumn(const QRect& r)
    {
        const QColor text(150, 40, 40);
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y) {
                const QColor c = screen().pixelColor(x, y);
                if (std::abs(c.red() - text.red()) < 40 && std::abs(c.green() - text.green()) < 40
                    && std::abs(c.blue() - text.blue()) < 40)
                    return x;
            }
        return -1;
    }
};

} // namespace

TEST_F(MenusTest, HomeColumnButtonsRunTheirCommands)
{
    // Quit (7th) asks whether to leave the program.
    clickAt(middleOf(450, 520));
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 4);
    EXPECT_EQ(MessageWindow.Text, window().FText(34));
    EXPECT_TRUE(BoardInputBlocked);
    EXPECT_FALSE(window().FMouse.LeftDown);
}

TEST_F(MenusTest, MultiplayerButtonStandsBetweenRulesAndQuitAndOpensTheSetupWindow)
{
    TfrmMultiplayerSetup setup;
    frmMultiplayerSetup = &setup;
    int runs = 0;
    window().CreateUdpThread = [] { return new TUdpThread(0, 0); };
    window().RunMultiplayerSetup = [&](TfrmMultiplayerSetup& s) {
        ++runs;
        EXPECT_NE(s.FThread, nullptr);
        return false;
    };
    clickAt(middleOf(450, 480));
    frmMultiplayerSetup = nullptr;
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_TRUE(HomeScreen.Visible) << "a cancelled setup leaves the home screen";
    EXPECT_EQ(setup.FThread, nullptr);
}

TEST_F(MenusTest, NewGameButtonStartsAGeneratedGameWithTheInGameColumn)
{
    startGame();
    EXPECT_FALSE(HomeScreen.Visible);
    EXPECT_TRUE(GameMenu.Visible);
    EXPECT_FALSE(Buttons[8].Visible);
    EXPECT_TRUE(Buttons[10].Visible);  // the first level shows the help button
    EXPECT_TRUE(window().Timer1->isActive());
    EXPECT_GT(window().FilledCount(), 0);
    EXPECT_LT(window().FilledCount(), 81);
}

TEST_F(MenusTest, APressIsTakenByOneButtonOnlyAndOnlyOnce)
{
    startGame();
    // Solve (1st in the in-game column) takes the press; the frame after
    // sees none, so the replay button under the same point later does nothing.
    clickAt(middleOf(80, 140));
    EXPECT_EQ(window().GameState, 4);
    EXPECT_FALSE(window().FMouse.LeftDown);
    Buttons[0].Visible = false;  // replay now stands where solve stood
    frame();
    EXPECT_FALSE(MessageWindow.Visible);
}

TEST_F(MenusTest, HiddenEntriesTakeNoRoomInTheColumn)
{
    startGame();
    Buttons[0].Visible = false;
    Buttons[1].Visible = false;
    // Check, third entry, now stands first at y 140.
    clickAt(middleOf(80, 140));
    EXPECT_DOUBLE_EQ(window().FGameTime, 20.0);
    EXPECT_EQ(window().GameState, 2);

    // Hiding print too: check 140, load 180, options 220.
    Buttons[3].Visible = false;
    const bool panelShown = !window().Panel_Options->isHidden();
    clickAt(middleOf(80, 220));
    EXPECT_NE(!window().Panel_Options->isHidden(), panelShown);
}

TEST_F(MenusTest, DisabledButtonPassesThePressToALaterButton)
{
    // The no button of an open message window overlaps the home screen's
    // quit button; the home column is drawn first and wins the press.
    OpenMessageWindow(3, QStringLiteral("Question"), QStringLiteral("Yes"), QStringLiteral("No"));
    const QPoint overlap(580, 530);
    clickAt(overlap);
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 4);  // the quit question replaced the first one

    // With the home quit button disabled the no button answers.
    Buttons[9].Enabled = false;
    clickAt(overlap);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_FALSE(MessageWindow.Answer);
}

TEST_F(MenusTest, RightClickOnAButtonIsConsumedAndDoesNothing)
{
    clickAt(middleOf(450, 520), Qt::RightButton);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_FALSE(window().FMouse.RightDown);
}

TEST_F(MenusTest, PressOverNoButtonStaysPendingUntilReleased)
{
    pressAt(20, 20);
    frame();
    EXPECT_TRUE(window().FMouse.LeftDown);
    window().EcranMouseMove(middleOf(450, 520).x(),
                            middleOf(450, 520).y());
    frame();
    EXPECT_EQ(MessageWindow.Kind, 4);
    EXPECT_TRUE(MessageWindow.Visible);
}

TEST_F(MenusTest, QuitAnsweredYesStopsTheFramesClosesTheWindowAndSavesTheSettings)
{
    clickAt(middleOf(450, 520));
    ASSERT_EQ(MessageWindow.Kind, 4);
    bool closed = false;
    QObject::connect(&window(), &TfrmMain::closed, [&closed] { closed = true; });
    clickAt(middleOf(MessageWindow.X + 50, MessageWindow.Y + 300));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window().DXTimer->isActive());
    EXPECT_FALSE(storedSetting(QStringLiteral("Volume")).isNull());
}

TEST_F(MenusTest, InGameQuitAnsweredYesGoesBackHome)
{
    startGame();
    // Eight visible entries: play/pause is hidden in a generated game.
    clickAt(middleOf(80, 420));
    ASSERT_EQ(MessageWindow.Kind, 6);
    EXPECT_EQ(MessageWindow.Text, window().FText(1));
    clickAt(middleOf(MessageWindow.X + 50, MessageWindow.Y + 300));
    EXPECT_EQ(window().GameState, 0);
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_FALSE(GameMenu.Visible);
    EXPECT_FALSE(Buttons[10].Visible);
}

TEST_F(MenusTest, MessageWindowIsCentredWithItsAnswerButtons)
{
    showBoardOnly();
    frame();
    const QImage without = screen().copy();
    OpenMessageWindow(4, QStringLiteral("Short"), QStringLiteral("Yes"), QStringLiteral("No"));
    frame();
    const ThemeImage* background = ScreenImages.item(4);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(MessageWindow.X, 512 - background->width() / 2);
    EXPECT_EQ(MessageWindow.Y, 200);
    // The window's picture covers its rectangle (away from the buttons and text).
    const QPoint inside(MessageWindow.X + 10, MessageWindow.Y + 150);
    EXPECT_EQ(screen().pixel(inside), background->image().pixel(10, 150));
    EXPECT_NE(screen().pixel(inside), without.pixel(inside));

    // Without a second caption there is neither a no button nor its frame.
    const QRect noPlace(MessageWindow.X + 300, MessageWindow.Y + 300, 150, 38);
    const QImage withNo = screen().copy(noPlace);
    OpenMessageWindow(4, QStringLiteral("Short"), QStringLiteral("Yes"), QString());
    frame();
    EXPECT_NE(screen().copy(noPlace), withNo);
    EXPECT_EQ(screen().pixel(noPlace.center()), background->image().pixel(300 + 75, 300 + 19));
}

TEST_F(MenusTest, DisabledYesButtonCannotAnswer)
{
    OpenMessageWindow(7, QStringLiteral("Scores"), QString(), QString());
    frame();
    clickAt(middleOf(MessageWindow.X + 50, MessageWindow.Y + 300));
    EXPECT_TRUE(MessageWindow.Visible);
}

TEST_F(MenusTest, MessageTextIsCutIntoCentredLinesOfAtMost49Characters)
{
    showBoardOnly();
    const ThemeImage* background = ScreenImages.item(4);
    ASSERT_NE(background, nullptr);
    const int x0 = 512 - background->width() / 2;
    const auto lineBand = [&](int h) {
        return QRect(x0 + 5, 200 + 20 + 18 * h + 2, background->width() - 10, 14);
    };

    const QString fortyNine = QString(QLatin1Char('W')).repeated(24) + QLatin1Char(' ')
                              + QString(QLatin1Char('W')).repeated(24);
    OpenMessageWindow(4, fortyNine, QStringLiteral("Yes"), QString());
    frame();
    EXPECT_GT(textPixels(lineBand(0)), 0);
    EXPECT_EQ(textPixels(lineBand(1)), 0);

    // 60 characters whose only space is the 30th: two lines of 30.
    const QString sixty = QString(QLatin1Char('W')).repeated(29) + QLatin1Char(' ')
                          + QString(QLatin1Char('W')).repeated(30);
    OpenMessageWindow(4, sixty, QStringLiteral("Yes"), QString());
    frame();
    EXPECT_GT(textPixels(lineBand(0)), 0);
    EXPECT_GT(textPixels(lineBand(1)), 0);
    EXPECT_EQ(textPixels(lineBand(2)), 0);
    // Each line starts 9 pixels per character left of the window's middle.
    const int expectedStart = x0 + background->width() / 2 - (9 * 30) / 2;
    for (int h : {0, 1}) {
        const int first = firstTextColumn(lineBand(h));
        EXPECT_GE(first, expectedStart) << h;
        EXPECT_LT(first, expectedStart + 12) << h;
    }

    // A long word with no space is still cut and nothing is lost.
    const QString word = QString(QLatin1Char('W')).repeated(120);
    OpenMessageWindow(4, word, QStringLiteral("Yes"), QString());
    frame();
    EXPECT_GT(textPixels(lineBand(2)), 0);
    EXPECT_EQ(textPixels(lineBand(3)), 0);
}

TEST_F(MenusTest, HelpButtonStandsInTheTopRightWhileTheGameColumnShows)
{
    // On the home screen nothing stands there: the press stays pending.
    const ThemeImage* help = ButtonImages.item(19);
    ASSERT_NE(help, nullptr);
    const QPoint middle(940 + help->width() / 2, 1 + help->height() / 2);
    clickAt(middle);
    EXPECT_TRUE(window().FMouse.LeftDown);
    window().EcranMouseUp(Qt::LeftButton, middle.x(), middle.y());

    startGame();
    ASSERT_TRUE(Buttons[10].Visible);
    window().FPickerOpen = true;
    clickAt(middle);
    EXPECT_FALSE(window().FMouse.LeftDown);
    EXPECT_FALSE(window().FPickerOpen);  // the hint closes the picker
}

TEST_F(MenusTest, QuickClickReleasedBeforeTheNextFrameStillReachesItsButton)
{
    const QPoint quit = middleOf(450, 520);
    pressAt(quit.x(), quit.y());
    window().EcranMouseUp(Qt::LeftButton, quit.x(), quit.y());
    frame();
    EXPECT_EQ(MessageWindow.Kind, 4);
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_FALSE(window().FMouse.LeftDown);
}

TEST_F(MenusTest, QuickClickOverNothingIsGivenUpAfterOneFrame)
{
    pressAt(20, 20);
    window().EcranMouseUp(Qt::LeftButton, 20, 20);
    frame();
    EXPECT_FALSE(window().FMouse.LeftDown);
    // Moving onto a button afterwards does not revive it.
    const QPoint quit = middleOf(450, 520);
    window().EcranMouseMove(quit.x(), quit.y());
    frame();
    EXPECT_FALSE(MessageWindow.Visible);
}

TEST_F(MenusTest, ReleaseAfterAFrameDropsAPendingPressAtOnce)
{
    pressAt(20, 20);
    frame();
    window().EcranMouseUp(Qt::LeftButton, 20, 20);
    EXPECT_FALSE(window().FMouse.LeftDown);
}

TEST_F(MenusTest, AFrameTickWhileACommandsMessageBoxIsOpenDrawsNothing)
{
    // The rules button with no rules file beside the program shows a box;
    // the handler stands in for the box's event loop firing the frame timer.
    QTemporaryDir elsewhere;
    window().FAppFolder = elsewhere.path() + u'/';
    window().FErrorFlash = 10;
    int boxes = 0;
    std::uint8_t flashBefore = 0;
    std::uint8_t flashAfter = 0;
    bool screenUntouched = false;
    const MessageBoxHandler previous = setMessageBoxHandler([&](const QString&, MessageKind) {
        ++boxes;
        flashBefore = window().FErrorFlash;
        const QImage before = screen().copy();
        window().DXTimerTimerloop();
        screenUntouched = screen() == before;
        flashAfter = window().FErrorFlash;
    });
    clickAt(middleOf(450, 440));
    setMessageBoxHandler(previous);

    ASSERT_EQ(boxes, 1);
    EXPECT_EQ(flashAfter, flashBefore);
    EXPECT_TRUE(screenUntouched);
    EXPECT_EQ(window().FErrorFlash, 9);
    // The frames after the box run as before.
    frame();
    EXPECT_EQ(window().FErrorFlash, 8);
}

TEST_F(MenusTest, PressDownWhenAMessageWindowOpensAnswersNoButton)
{
    // Held where the yes button will stand, over no button of the home screen.
    const QPoint yes(262 + 50 + 75, 200 + 300 + 19);
    pressAt(yes.x(), yes.y());
    frame();
    ASSERT_TRUE(window().FMouse.LeftDown) << "pending over no button";
    OpenMessageWindow(9, QStringLiteral("Notice"), QStringLiteral("Ok"), QString());
    frame();
    frame();
    EXPECT_TRUE(MessageWindow.Visible);

    window().EcranMouseUp(Qt::LeftButton, yes.x(), yes.y());
    pressAt(yes.x(), yes.y());
    frame();
    EXPECT_FALSE(MessageWindow.Visible);
}

TEST_F(MenusTest, CommandThatThrowsIsReportedAndTheFramesGoOn)
{
    // The rules button with no rules file beside the program reports it in a
    // box; here the box itself fails, first with a standard exception, then
    // with anything else.
    QTemporaryDir elsewhere;
    window().FAppFolder = elsewhere.path() + u'/';
    const QPoint rules = middleOf(450, 440);
    QStringList reported;
    int boxes = 0;
    const MessageBoxHandler previous = setMessageBoxHandler([&](const QString& text, MessageKind) {
        ++boxes;
        if (boxes == 1)
            throw std::runtime_error("rules box failed");
        if (boxes == 3)
            throw 42;
        reported << text;
    });
    pressAt(rules.x(), rules.y());
    EXPECT_NO_THROW(frame());
    window().EcranMouseUp(Qt::LeftButton, rules.x(), rules.y());
    pressAt(rules.x(), rules.y());
    EXPECT_NO_THROW(frame());
    setMessageBoxHandler(previous);

    ASSERT_EQ(reported.size(), 2);
    EXPECT_EQ(reported[0], QStringLiteral("rules box failed"));
    EXPECT_FALSE(reported[1].isEmpty());
    EXPECT_FALSE(screen().paintingActive());

    // The next frames draw and run commands as before: the quit button.
    window().EcranMouseUp(Qt::LeftButton, rules.x(), rules.y());
    clickAt(middleOf(450, 520));
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 4);
}
