#include "ScreenPainter.h"

#include "UnitePerso.h"

#include <QFontMetrics>

#include <optional>
#include <utility>
#include <vector>

namespace {

struct FrameRecord {
    int openScopes = 0;
    std::vector<ScreenDraw> gathered;
    // The frame painted last, and what the bitmap was right after it.
    std::vector<ScreenDraw> painted;
    const QImage* paintedOn = nullptr;
    qint64 keyAfterPaint = 0;
    // Whether that frame covers its own draws; worked out when it first
    // repeats, since the test measures every text.
    std::optional<bool> repeatable;
};

// Never freed: the kept pictures and fonts must not outlive the application's
// font and image systems at exit.
FrameRecord& record()
{
    static auto* frames = new FrameRecord;
    return *frames;
}

// True when the first draw copies an opaque picture under every later one,
// so the frame's pixels do not depend on what the bitmap held before.
bool coversItsOwnDraws(const std::vector<ScreenDraw>& draws, const QImage& screen)
{
    if (draws.empty() || draws.front().kind != ScreenDraw::Kind::Image || draws.front().blend)
        return false;
    const QRect area = screen.rect();
    const QRect base = draws.front().target & area;
    for (const ScreenDraw& draw : draws) {
        const QRect touched = draw.bounds() & area;
        if (!touched.isEmpty() && !base.contains(touched))
            return false;
    }
    return true;
}

} // namespace

bool ScreenDraw::operator==(const ScreenDraw& other) const
{
    return kind == other.kind && target == other.target && image.cacheKey() == other.image.cacheKey()
           && blend == other.blend && alpha == other.alpha && smooth == other.smooth && baseline == other.baseline
           && text == other.text && font == other.font && colour == other.colour;
}

void ScreenDraw::paint(QPainter& painter) const
{
    if (kind == Kind::Text) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setOpacity(1.0);
        painter.setFont(font ? *font : QFont());
        painter.setPen(colour);
        painter.drawText(baseline, text);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    if (blend) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setOpacity(alpha / 255.0);
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setOpacity(1.0);
    }
    if (kind == Kind::ScaledImage)
        painter.drawImage(target, image);
    else
        painter.drawImage(target.topLeft(), image);
}

QRect ScreenDraw::bounds() const
{
    if (kind == Kind::Text) {
        // Glyphs may stand out of their advance box; a margin of the font's
        // size keeps the box on the safe side.
        const QFont shown = font ? *font : QFont();
        const int margin = qMax(shown.pixelSize(), 16);
        return QFontMetrics(shown).boundingRect(text).translated(baseline).adjusted(-margin, -margin, margin,
                                                                                     margin);
    }
    if (kind == Kind::ScaledImage)
        return target.adjusted(-1, -1, 1, 1);
    return target;
}

ScreenPainter::ScreenPainter()
{
    FrameRecord& frames = record();
    ++frames.openScopes;
    m_owner = frames.openScopes == 1;
}

ScreenPainter::~ScreenPainter()
{
    FrameRecord& frames = record();
    --frames.openScopes;
    if (!m_owner)
        return;
    std::vector<ScreenDraw> draws;
    draws.swap(frames.gathered);
    QImage* screen = screenBitmap();
    if (!draws.empty() && screen && !screen->isNull()) {
        const bool same = frames.paintedOn == screen && frames.painted == draws;
        if (same && frames.keyAfterPaint == screen->cacheKey()) {
            if (!frames.repeatable)
                frames.repeatable = coversItsOwnDraws(frames.painted, *screen);
            if (*frames.repeatable) {
                draws.clear();
                draws.swap(frames.gathered); // keeps the storage for the next frame
                return;
            }
        }
        {
            QPainter painter(screen);
            for (const ScreenDraw& draw : draws)
                draw.paint(painter);
        }
        if (!same)
            frames.repeatable.reset();
        frames.paintedOn = screen;
        frames.keyAfterPaint = screen->cacheKey();
        frames.painted.swap(draws);
    }
    draws.clear();
    draws.swap(frames.gathered); // keeps the storage for the next frame
}

bool ScreenPainter::isOpen()
{
    return record().openScopes > 0;
}

void ScreenPainter::draw(ScreenDraw draw)
{
    FrameRecord& frames = record();
    if (frames.openScopes > 0) {
        frames.gathered.push_back(std::move(draw));
        return;
    }
    QImage* screen = screenBitmap();
    if (!screen || screen->isNull())
        return;
    QPainter painter(screen);
    draw.paint(painter);
}

void ScreenPainter::forgetLastFrame()
{
    FrameRecord& frames = record();
    frames.painted.clear();
    frames.paintedOn = nullptr;
    frames.keyAfterPaint = 0;
    frames.repeatable.reset();
}
