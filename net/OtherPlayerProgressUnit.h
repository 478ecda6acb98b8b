#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>

class QFrame;
class QLabel;
class QStatusBar;

// One opponent's progress: the opponent's grid as last reported and the
// solution it is compared with. The window shows a 9 x 9 miniature in which
// every filled cell is marked (never its digit, so a head-to-head player
// cannot copy it) and the filled count in the status bar. Its caption is the
// opponent's name.
class TfrmOtherPlayerProgress : public QWidget
{
    Q_OBJECT

public:
    // Puzzle and Solution in grid text form; the opponent starts from the
    // puzzle's givens. A character that is not a digit reads as empty.
    TfrmOtherPlayerProgress(const QString& Name, const QString& Puzzle, const QString& Solution,
                            QWidget* parent = nullptr);
    TfrmOtherPlayerProgress();

    // True exactly when all 81 cells of the opponent's grid equal the
    // solution's, and the solution has no empty cell.
    bool IsComplete() const;
    // Empties the opponent's grid (so a reported completion is not reported again).
    void ClearEntries();
    // The opponent changed cell (X, Y): Value -1 empty, 0..8 the digits 1..9.
    // Anything out of range is ignored.
    void PiecePlaced(int X, int Y, int Value);
    int FilledCount() const;

    // The miniature of a grid (cell index x * 9 + y, 255 empty): a filled
    // cell is painted kFilledColour, an empty one kEmptyColour.
    static QImage DrawMiniature(const std::uint8_t (&grid)[81]);
    static constexpr int kCellPixels = 12;
    static constexpr QRgb kFilledColour = 0xFF1F4E9A;
    static constexpr QRgb kEmptyColour = 0xFFFFFFFF;

    std::uint8_t FOpponentGrid[81];
    std::uint8_t FOpponentSolution[81];

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMiniature();
    void Redraw();
};
