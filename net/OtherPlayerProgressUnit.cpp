#include "OtherPlayerProgressUnit.h"

#include "GameStartInfo.h"
#include "WindowFont.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

constexpr std::uint8_t kEmpty = 255;

QFrame* flatPanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    return panel;
}

} // namespace

TfrmOtherPlayerProgress::TfrmOtherPlayerProgress()
    : TfrmOtherPlayerProgress(QStringLiteral("Player..."), QString(), QString())
{
}

TfrmOtherPlayerProgress::TfrmOtherPlayerProgress(const QString& Name, const QString& Puzzle, const QString& Solution,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmOtherPlayerProgress"));
    setWindowTitle(Name);
    setFont(WindowFont());
    ReadGridText(Puzzle, FOpponentGrid);
    ReadGridText(Solution, FOpponentSolution);

    Panel1 = flatPanel(this, QStringLiteral("Panel1"));
    Panel2 = flatPanel(Panel1, QStringLiteral("Panel2"));
    Panel1->layout()->addWidget(Panel2);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);
    // Not in Panel2's layout: placeMiniature keeps it square.
    Panel2->installEventFilter(this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1, 1);
    layout->addWidget(StatusBar1);
    resize(123, 158);
    Redraw();
}

bool TfrmOtherPlayerProgress::IsComplete() const
{
    // Without a solution (a window made before the game start) there is
    // nothing to complete, though both grids are equally empty.
    const bool hasSolution = std::find(std::begin(FOpponentSolution), std::end(FOpponentSolution), kEmpty)
                             == std::end(FOpponentSolution);
    return hasSolution
           && std::equal(std::begin(FOpponentGrid), std::end(FOpponentGrid), std::begin(FOpponentSolution));
}

void TfrmOtherPlayerProgress::ClearEntries()
{
    std::fill(std::begin(FOpponentGrid), std::end(FOpponentGrid), kEmpty);
    Redraw();
}

void TfrmOtherPlayerProgress::PiecePlaced(int X, int Y, int Value)
{
    if (X < 0 || X > 8 || Y < 0 || Y > 8 || Value < -1 || Value > 8)
        return;
    FOpponentGrid[X * 9 + Y] = Value < 0 ? kEmpty : static_cast<std::uint8_t>(Value);
    Redraw();
}

int TfrmOtherPlayerProgress::FilledCount() const
{
    return static_cast<int>(std::count_if(std::begin(FOpponentGrid), std::end(FOpponentGrid),
                                          [](std::uint8_t v) { return v != kEmpty; }));
}

QImage TfrmOtherPlayerProgress::DrawMiniature(const std::uint8_t (&grid)[81])
{
    // One pixel of grid line before every cell and after the last; box
    // borders are drawn darker over the same lines.
    const int side = 9 * kCellPixels + 1;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&image);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const QRect cell(x * kCellPixels + 1, y * kCellPixels + 1, kCellPixels - 1, kCellPixels - 1);
            painter.fillRect(cell, QColor::fromRgb(grid[x * 9 + y] == kEmpty ? kEmptyColour : kFilledColour));
        }
    }
    painter.setPen(Qt::black);
    for (int i = 0; i <= 9; i += 3) {
        painter.drawLine(i * kCellPixels, 0, i * kCellPixels, side - 1);
        painter.drawLine(0, i * kCellPixels, side - 1, i * kCellPixels);
    }
    return image;
}

bool TfrmOtherPlayerProgress::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel2 && event->type() == QEvent::Resize)
        placeMiniature();
    return QWidget::eventFilter(watched, event);
}

void TfrmOtherPlayerProgress::placeMiniature()
{
    // The largest square inside the panel's border, centred.
    const QRect inside = Panel2->contentsRect().marginsRemoved(Panel2->layout()->contentsMargins());
    const int side = std::min(inside.width(), inside.height());
    Image1->setGeometry(inside.x() + (inside.width() - side) / 2, inside.y() + (inside.height() - side) / 2, side,
                        side);
}

void TfrmOtherPlayerProgress::Redraw()
{
    Image1->setPixmap(QPixmap::fromImage(DrawMiniature(FOpponentGrid)));
    StatusBar1->showMessage(QString::number(FilledCount()) + QStringLiteral(" / 81"));
}
