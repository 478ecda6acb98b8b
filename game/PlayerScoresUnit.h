#pragma once

#include <QWidget>

// The per-player score window of a multiplayer game. Nothing opens it yet.
class TfrmPlayerScores : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPlayerScores(QWidget* parent = nullptr);
};

extern TfrmPlayerScores* frmPlayerScores;
