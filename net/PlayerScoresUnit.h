#pragma once

#include "GameStartInfo.h"

#include <QDialog>

#include <vector>

class QTableWidget;
class QTableWidgetItem;

// The scores of a running multiplayer game: one row per player (the name,
// then the score), highest score first. Refilled after every score change;
// the main window reads the rows in their order to find the winner.
class TfrmPlayerScores : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmPlayerScores(QWidget* parent = nullptr);

    // Refills lvScores from roster entries with their scores, without
    // showing the window.
    void ShowScores(const std::vector<TPlayerEntry>& Players);
    // Order of two rows, by the score held as each caption item's data:
    // 0 equal, 1 when Item2's is greater, -1 otherwise.
    static void lvScoresCompare(const QTableWidgetItem* Item1, const QTableWidgetItem* Item2, int& Compare);

    // Column 0 "Player" (the caption, score as its data), column 1 "Score".
    QTableWidget* lvScores = nullptr;
};

extern TfrmPlayerScores* frmPlayerScores;
