// Where the side windows of a network game stand: pure geometry, no window.
#include "SideWindowPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The main window (1016 x 700, frameless) centred on a 1024 x 768 screen:
// its board at (298, 140) in the window, 540 x 540; the in-game column at
// x 80 from y 140 with play hidden, solve, check and print disabled; the
// help button at (940, 1).
MainWindowLayout gameScreenLayout(QPoint origin)
{
    MainWindowLayout main;
    main.frame = QRect(origin, QSize(1016, 700));
    main.board = QRect(origin + QPoint(298, 140), QSize(540, 540));
    main.buttonColumn = QRect(origin + QPoint(80, 140), QSize(150, 7 * 40 + 38));
    for (int y : {180, 300, 340, 380, 420})
        main.enabledButtons.emplace_back(origin + QPoint(80, y), QSize(150, 38));
    main.enabledButtons.emplace_back(origin + QPoint(940, 1), QSize(64, 64));
    return main;
}

struct Sizes
{
    const char* what;
    QSize scores;
    QSize opponent;
    QPoint scoresAt;
};

} // namespace

TEST(SideWindowPlacement, SevenPlayerBattleOnA1024x768ScreenStaysOnItAndOffTheBoard)
{
    const QRect screen(0, 0, 1024, 768);
    const MainWindowLayout main = gameScreenLayout(QPoint(4, 34));
    const Sizes table[] = {
        // Top left, over the disabled solve button and a strip of board edge.
        {"unframed", QSize(312, 206), QSize(123, 158), QPoint(0, 0)},
        // Too tall to end above replay: bottom left, over the board's edge.
        {"framed by a window manager", QSize(320, 234), QSize(131, 186), QPoint(0, 534)},
        {"larger fonts", QSize(380, 290), QSize(170, 220), QPoint(234, 0)},
    };
    for (const Sizes& sizes : table) {
        SCOPED_TRACE(sizes.what);
        const SideWindowPlaces places =
            PlaceSideWindows(screen, main, sizes.scores, std::vector<QSize>(6, sizes.opponent));
        const QRect scores(places.scores, sizes.scores);
        EXPECT_EQ(places.scores, sizes.scoresAt);
        EXPECT_TRUE(screen.contains(scores));
        for (const QRect& button : main.enabledButtons)
            EXPECT_FALSE(scores.intersects(button)) << button.y();
        ASSERT_EQ(places.opponents.size(), 6u);
        for (const QPoint& at : places.opponents) {
            const QRect window(at, sizes.opponent);
            EXPECT_TRUE(screen.contains(window)) << at.x() << "," << at.y();
            EXPECT_FALSE(window.intersects(main.board)) << at.x() << "," << at.y();
        }
    }

    // Unframed, all six find room: four right of the board below the help
    // button, two below the button column.
    const SideWindowPlaces places =
        PlaceSideWindows(screen, main, QSize(312, 206), std::vector<QSize>(6, QSize(123, 158)));
    EXPECT_EQ(places.opponents, (std::vector<QPoint>{{842, 99}, {842, 257}, {842, 415}, {842, 573}, {0, 492},
                                                     {123, 492}}));
}

TEST(SideWindowPlacement, OnAWideScreenTheWindowsStandBesideTheMainWindowInColumnsThatFitOnIt)
{
    const MainWindowLayout main = gameScreenLayout(QPoint(452, 190));
    const SideWindowPlaces places = PlaceSideWindows(QRect(0, 0, 1920, 1080), main, QSize(312, 206),
                                                     std::vector<QSize>(6, QSize(123, 158)));
    EXPECT_EQ(places.scores, QPoint(1468, 190));
    EXPECT_EQ(places.opponents, (std::vector<QPoint>{{1468, 396}, {1468, 554}, {1468, 712}, {1468, 870},
                                                     {1591, 396}, {1591, 554}}));

    // Head to head: no scores window; the opponent stands at the top.
    EXPECT_EQ(PlaceSideWindows(QRect(0, 0, 1920, 1080), main, QSize(), {QSize(123, 158)}).opponents,
              std::vector<QPoint>{QPoint(1468, 190)});
}

TEST(SideWindowPlacement, WithNoRoomBesideTheBoardTheOpponentWindowsStillCascadeOneByOne)
{
    // The main window is larger than an 800 x 600 screen: no region beside
    // the board or below the buttons holds an opponent window.
    const SideWindowPlaces places = PlaceSideWindows(QRect(0, 0, 800, 600), gameScreenLayout(QPoint(0, 0)),
                                                     QSize(312, 206), std::vector<QSize>(4, QSize(123, 158)));
    EXPECT_EQ(places.opponents, (std::vector<QPoint>{{24, 24}, {48, 48}, {72, 72}, {96, 96}}));
}
