#include "PlayTestSupport.h"

#include "AudioDevice.h"
#include "Fenetres.h"
#include "Random.h"
#include "UnitePerso.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

// A sound name without a file: starting it records it as the last sound.
const QString kSoundMarker = QStringLiteral("no-sound-since-here");

constexpr int kBoardLeft = 298;
constexpr int kBoardTop = 140;
constexpr int kCell = 60;

} // namespace

std::array<std::uint8_t, 81> knownSolution()
{
    std::array<std::uint8_t, 81> grid{};
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            grid[x * 9 + y] = static_cast<std::uint8_t>((x + 3 * (y % 3) + y / 3) % 9);
    return grid;
}

QPoint cellCentre(int x, int y)
{
    return QPoint(kBoardLeft + x * kCell + kCell / 2, kBoardTop + y * kCell + kCell / 2);
}

QPoint pickerItemCentre(int cellX, int cellY, int item)
{
    // From the cell's centre, items 1 (the eraser) to 10 (digit 9) round the
    // circle in steps of 36 degrees, item 10 straight below.
    static const QPoint kOffsets[10] = {{25, 39},   {47, 9},    {47, -29}, {25, -59}, {-10, -70},
                                        {-45, -59}, {-67, -29}, {-67, 9},  {-45, 39}, {-10, 50}};
    return cellCentre(cellX, cellY) + kOffsets[item - 1];
}

void PlayTest::SetUp()
{
    GameWindowTest::SetUp();
    clearSettings();
    start();
    FixRandomSeed(20240501);
    dealKnownGame();
}

void PlayTest::TearDown()
{
    ReleaseRandomSeed();
    GameWindowTest::TearDown();
}

void PlayTest::dealKnownGame()
{
    TfrmMain& w = window();
    const auto solution = knownSolution();
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
            const int i = x * 9 + y;
            w.FSolution[i] = solution[i];
            w.FGivens[i] = (x + y) % 2 == 0 ? solution[i] : kEmptyCell;
            w.FCurrent[i] = w.FGivens[i];
        }
    std::fill(std::begin(w.FMarks), std::end(w.FMarks), 0);
    w.GameState = 2;
    w.FGameType = 0;
    w.FGameTime = 0.0;
    w.Timer1->start();
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    for (int b : {0, 1, 2, 3, 4, 5, 7, 9, 12})
        Buttons[b].Enabled = true;
}

void PlayTest::click(QPoint p, Qt::MouseButton button)
{
    pressAt(p.x(), p.y(), button);
    window().EcranMouseUp(button, p.x(), p.y());
}

void PlayTest::openPicker(int x, int y, Qt::MouseButton button)
{
    click(cellCentre(x, y), button);
    // The opening spin is used up over four frames.
    for (int i = 0; i < 4; ++i)
        frame();
}

void PlayTest::chooseItem(int cellX, int cellY, int item, Qt::MouseButton button)
{
    const QPoint p = pickerItemCentre(cellX, cellY, item);
    window().EcranMouseMove(p.x(), p.y());
    frame();
    click(p, button);
}

void PlayTest::pick(int x, int y, int item, Qt::MouseButton button)
{
    openPicker(x, y, button);
    chooseItem(x, y, item, button);
}

bool PlayTest::soundsAvailable()
{
    return openAudioDevice();
}

void PlayTest::markSounds()
{
    window().sounds().JoueSon(kSoundMarker);
}

QString PlayTest::lastSound()
{
    const QString base = QFileInfo(window().sounds().currentSound()).completeBaseName();
    return base == kSoundMarker ? QString() : base;
}

int PlayTest::marksOf(int x, int y)
{
    int n = 0;
    for (int k = 0; k < 9; ++k)
        n += mark(x, y, k);
    return n;
}
