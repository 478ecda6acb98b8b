#include "PlayerScoresUnit.h"

#include "WindowFont.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

TfrmPlayerScores* frmPlayerScores = nullptr;

TfrmPlayerScores::TfrmPlayerScores(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPlayerScores"));
    setWindowTitle(QStringLiteral("Scores"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFont());

    lvScores = new QTableWidget(0, 2, this);
    lvScores->setObjectName(QStringLiteral("lvScores"));
    lvScores->setHorizontalHeaderLabels({QStringLiteral("Player"), QStringLiteral("Score")});
    // The score keeps the width it needs and the name takes the rest, cut
    // short with an ellipsis when it is longer: the score always shows.
    lvScores->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvScores->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvScores->verticalHeader()->hide();
    MakeRowsCompact(*lvScores);
    lvScores->setShowGrid(true);
    lvScores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvScores->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lvScores);
    setFixedSize(312, 206);
}

void TfrmPlayerScores::lvScoresCompare(const QTableWidgetItem* Item1, const QTableWidgetItem* Item2, int& Compare)
{
    const int score1 = Item1->data(Qt::UserRole).toInt();
    const int score2 = Item2->data(Qt::UserRole).toInt();
    Compare = score1 == score2 ? 0 : (score2 > score1 ? 1 : -1);
}

void TfrmPlayerScores::ShowScores(const std::vector<TPlayerEntry>& Players)
{
    lvScores->setUpdatesEnabled(false);
    lvScores->setRowCount(0);

    // Rows are built in roster order and then ordered by lvScoresCompare;
    // the order is stable, so equal scores keep roster order and the
    // winner's row is always the same one.
    std::vector<std::unique_ptr<QTableWidgetItem>> captions;
    for (const TPlayerEntry& player : Players) {
        const qsizetype equals = player.Entry.indexOf(QLatin1Char('='));
        auto caption = std::make_unique<QTableWidgetItem>(equals < 0 ? QString() : player.Entry.mid(equals + 1));
        caption->setData(Qt::UserRole, player.Score);
        captions.push_back(std::move(caption));
    }
    std::stable_sort(captions.begin(), captions.end(), [](const auto& a, const auto& b) {
        int compare = 0;
        lvScoresCompare(a.get(), b.get(), compare);
        return compare < 0;
    });

    lvScores->setRowCount(static_cast<int>(captions.size()));
    for (int row = 0; row < static_cast<int>(captions.size()); ++row) {
        const int score = captions[static_cast<std::size_t>(row)]->data(Qt::UserRole).toInt();
        lvScores->setItem(row, 0, captions[static_cast<std::size_t>(row)].release());
        lvScores->setItem(row, 1, new QTableWidgetItem(QString::number(score)));
    }
    lvScores->setUpdatesEnabled(true);
}
