#include "SideWindowPlacement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

// The offset from one cascaded window to the next: about a title bar, so
// each one's caption stays readable.
constexpr int kCascadeStep = 24;

std::int64_t overlap(const QRect& a, const QRect& b)
{
    const QRect both = a & b;
    return both.isEmpty() ? 0 : std::int64_t(both.width()) * both.height();
}

// `at` moved the least so that a frame of `size` lies inside `area`; a frame
// larger than the area keeps to its top-left corner.
QPoint keepInside(const QRect& area, const QPoint& at, const QSize& size)
{
    const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

bool holds(const QRect& area, const QSize& size)
{
    return !area.isEmpty() && area.width() >= size.width() && area.height() >= size.height();
}

// The first place for a frame of `size` inside `region` clear of every rect
// of `taken`, trying columns from the left and in each column from the top.
// The places tried are the region's edges and the far edges of what is taken.
std::optional<QPoint> firstFreePlace(const QRect& region, const QSize& size, const std::vector<QRect>& taken)
{
    if (!holds(region, size))
        return std::nullopt;
    std::vector<int> xs{region.left()};
    std::vector<int> ys{region.top()};
    for (const QRect& r : taken) {
        xs.push_back(r.right() + 1);
        ys.push_back(r.bottom() + 1);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (int x : xs) {
        for (int y : ys) {
            const QRect place(QPoint(x, y), size);
            if (!region.contains(place))
                continue;
            if (std::none_of(taken.begin(), taken.end(), [&](const QRect& r) { return r.intersects(place); }))
                return place.topLeft();
        }
    }
    return std::nullopt;
}

QPoint placeScores(const QRect& screen, const MainWindowLayout& main, const QSize& size)
{
    const QRect& m = main.frame;
    const QRect& b = main.board;
    const QRect& c = main.buttonColumn.isNull() ? b : main.buttonColumn;
    const int w = size.width();
    const int h = size.height();
    // Beside the main window first: on a wide screen nothing is covered there.
    const std::array<int, 8> xs{m.right() + 1, screen.left(),  screen.right() + 1 - w, b.left() - w,
                                b.right() + 1, c.left() - w,   c.right() + 1,          m.left() - w};
    const std::array<int, 6> ys{m.top(), screen.top(), screen.bottom() + 1 - h, b.top() - h, b.bottom() + 1,
                                c.bottom() + 1};
    using Cost = std::tuple<std::int64_t, std::int64_t, std::int64_t>;
    std::optional<Cost> best;
    QPoint bestPlace;
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at = keepInside(screen, QPoint(x, y), size);
            const QRect place(at, size);
            std::int64_t buttons = 0;
            for (const QRect& button : main.enabledButtons)
                buttons += overlap(place, button);
            const Cost cost{buttons, overlap(place, b), overlap(place, m)};
            if (!best || cost < *best) {
                best = cost;
                bestPlace = at;
            }
        }
    }
    return bestPlace;
}

} // namespace

SideWindowPlaces PlaceSideWindows(const QRect& screen, const MainWindowLayout& main, const QSize& scores,
                                  const std::vector<QSize>& opponents)
{
    SideWindowPlaces places;
    std::vector<QRect> taken{main.board};
    taken.insert(taken.end(), main.enabledButtons.begin(), main.enabledButtons.end());
    if (!scores.isEmpty()) {
        places.scores = placeScores(screen, main, scores);
        taken.emplace_back(places.scores, scores);
    }

    const QRect& m = main.frame;
    const QRect& b = main.board;
    const int columnBottom = main.buttonColumn.isNull() ? m.top() - 1 : main.buttonColumn.bottom();
    const std::array<QRect, 3> regions{
        QRect(QPoint(m.right() + 1, m.top()), screen.bottomRight()) & screen,
        QRect(QPoint(b.right() + 1, screen.top()), screen.bottomRight()) & screen,
        QRect(QPoint(screen.left(), columnBottom + 1), QPoint(b.left() - 1, screen.bottom())) & screen,
    };
    // What the opponent windows keep clear of even when they cascade.
    const std::vector<QRect> kept = taken;
    // Windows cascaded in each region so far, the whole screen last.
    std::array<int, 4> cascaded{};
    for (const QSize& size : opponents) {
        std::optional<QPoint> at;
        for (const QRect& region : regions) {
            if ((at = firstFreePlace(region, size, taken)))
                break;
        }
        if (!at) {
            // No free place left: down and right, over the other opponent
            // windows, from the first place of the first region that holds
            // the window.
            const auto region = std::find_if(regions.begin(), regions.end(),
                                             [&](const QRect& r) { return holds(r, size); });
            const QRect area = region != regions.end() ? *region : screen;
            const int k = ++cascaded[std::size_t(region - regions.begin())];
            const QPoint first = firstFreePlace(area, size, kept).value_or(area.topLeft());
            // Every region lies on the screen, so a place kept inside the
            // area is kept on the screen too.
            at = keepInside(area, first + QPoint(k * kCascadeStep, k * kCascadeStep), size);
        }
        places.opponents.push_back(*at);
        taken.emplace_back(*at, size);
    }
    return places;
}
