// Where the side windows of a network game stand: pure geometry, no window.
#include "SideWindowPlacement.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// The main window (1016 x 700) at `origin`: its board at (298, 140), 540 x 540;
// the in-game column at x 80 with solve, check and print disabled; help at (940, 1).
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

struct Case
{
    const char* what;
    QRect screen;
    QPoint origin;
    QSize scores, opponent;
    std::optional<QPoint> scoresAt;
    std::vector<QPoint> opponentsAt; // none: six, only where they may stand
    bool roomBesideTheBoard;
};

} // namespace

TEST(SideWindowPlacement, SideWindowsStandOnTheScreenOffTheBoardAndTheEnabledButtonsWhereThereIsRoom)
{
    const QRect small(0, 0, 1024, 768), wide(0, 0, 1920, 1080);
    const Case table[] = {
        // Top left, over the disabled solve button and a strip of board edge; four
        // opponents right of the board below the help button, two below the buttons.
        {"unframed", small, {4, 34}, {312, 206}, {123, 158}, QPoint(0, 0),
         {{842, 99}, {842, 257}, {842, 415}, {842, 573}, {0, 492}, {123, 492}}, true},
        // Too tall to end above replay: bottom left, over the board's edge.
        {"framed by a window manager", small, {4, 34}, {320, 234}, {131, 186}, QPoint(0, 534), {}, true},
        {"larger fonts", small, {4, 34}, {380, 290}, {170, 220}, QPoint(234, 0), {}, true},
        // Beside the main window, in columns that fit on the screen.
        {"wide screen", wide, {452, 190}, {312, 206}, {123, 158}, QPoint(1468, 190),
         {{1468, 396}, {1468, 554}, {1468, 712}, {1468, 870}, {1591, 396}, {1591, 554}}, true},
        {"head to head, no scores window", wide, {452, 190}, {}, {123, 158}, {}, {{1468, 190}}, true},
        // The main window is larger than the screen: the opponents cascade one by one.
        {"800 x 600", QRect(0, 0, 800, 600), {0, 0}, {312, 206}, {123, 158}, {},
         {{24, 24}, {48, 48}, {72, 72}, {96, 96}}, false},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.what);
        const MainWindowLayout main = gameScreenLayout(c.origin);
        const std::size_t count = c.opponentsAt.empty() ? 6 : c.opponentsAt.size();
        const SideWindowPlaces places =
            PlaceSideWindows(c.screen, main, c.scores, std::vector<QSize>(count, c.opponent));
        if (c.scoresAt) {
            const QRect scores(places.scores, c.scores);
            EXPECT_EQ(places.scores, *c.scoresAt);
            EXPECT_TRUE(c.screen.contains(scores));
            for (const QRect& button : main.enabledButtons)
                EXPECT_FALSE(scores.intersects(button)) << button.y();
        }
        if (!c.opponentsAt.empty()) {
            EXPECT_EQ(places.opponents, c.opponentsAt);
        }
        ASSERT_EQ(places.opponents.size(), count);
        for (const QPoint& at : places.opponents) {
            const QRect window(at, c.opponent);
            EXPECT_TRUE(c.screen.contains(window)) << at.x() << "," << at.y();
            EXPECT_TRUE(!c.roomBesideTheBoard || !window.intersects(main.board)) << at.x() << "," << at.y();
        }
    }
}
