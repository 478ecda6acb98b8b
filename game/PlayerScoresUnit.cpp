#include "PlayerScoresUnit.h"

TfrmPlayerScores* frmPlayerScores = nullptr;

TfrmPlayerScores::TfrmPlayerScores(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPlayerScores"));
    setWindowTitle(QStringLiteral("Scores"));
    resize(300, 300);
}
