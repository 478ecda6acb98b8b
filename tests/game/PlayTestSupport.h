#pragma once

#include "GameTestSupport.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

// A full valid solution: digit value (0..8) of cell (x, y) at index x * 9 + y.
std::array<std::uint8_t, 81> knownSolution();

// The centre of cell (x, y) on the screen.
QPoint cellCentre(int x, int y);

// The centre of picker item `item` (1 the eraser, 2..10 the digits 1..9)
// once the picker opened on cell (x, y) has stopped spinning.
QPoint pickerItemCentre(int cellX, int cellY, int item);

// A started window with a game of known grids in play: the solution of
// knownSolution(), the givens of every cell whose x + y is even, the other
// cells empty. Frames are run by hand; the board alone is drawn.
class PlayTest : public GameWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Deals the known game: givens, solution and current grid, marks off,
    // state 2, clock at zero.
    void dealKnownGame();

    // A press and its release at a point, as the mouse handlers see them,
    // with the pointer moved there first.
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton);
    // Opens the picker on a cell and lets it spin into place.
    void openPicker(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    // Points at a picker item, lets a frame find it, and clicks it.
    void chooseItem(int cellX, int cellY, int item, Qt::MouseButton button = Qt::LeftButton);
    // Both of the above: the piece of the item into the cell, or its mark.
    void pick(int x, int y, int item, Qt::MouseButton button = Qt::LeftButton);

    // The sounds: a marker stands for "nothing played since".
    bool soundsAvailable();
    void markSounds();
    // The name of the last sound started ("Loud"), or "" when none since
    // the marker.
    QString lastSound();

    std::uint8_t& current(int x, int y) { return window().FCurrent[x * 9 + y]; }
    std::uint8_t& mark(int x, int y, int k) { return window().FMarks[x * 81 + y * 9 + k]; }
    int marksOf(int x, int y);
};
