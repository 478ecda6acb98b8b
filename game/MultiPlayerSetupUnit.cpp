#include "MultiPlayerSetupUnit.h"

#include "PlayerScoresUnit.h"

#include <algorithm>
#include <stdexcept>
#include <string>

TfrmMultiplayerSetup* frmMultiplayerSetup = nullptr;

namespace {

void checkIndex(const std::vector<TfrmMultiplayerSetup::Player>& players, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= players.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
}

} // namespace

TfrmMultiplayerSetup::TfrmMultiplayerSetup(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMultiplayerSetup"));
    setWindowTitle(QStringLiteral("Multiplayer Setup"));
    resize(473, 296);
}

TfrmMultiplayerSetup::~TfrmMultiplayerSetup()
{
    CloseOtherPlayerWindows();
}

void TfrmMultiplayerSetup::StopMultiplayer()
{
    // The network thread belongs to the network layer, which ends it; this
    // window only lets go of it.
    FThread = nullptr;
    if (frmPlayerScores && frmPlayerScores->isVisible())
        frmPlayerScores->close();
    CloseOtherPlayerWindows();
}

void TfrmMultiplayerSetup::SendPiecePlaced(int x, int y, int value)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_UNUSED(value);
    // Moves travel only over the network thread of a running game; without
    // one there is nobody to tell.
}

void TfrmMultiplayerSetup::IncScore(int i)
{
    checkIndex(FPlayers, i);
    ++FPlayers[static_cast<std::size_t>(i)].score;
}

void TfrmMultiplayerSetup::IncMyScore()
{
    IncScore(FMyIndex);
}

void TfrmMultiplayerSetup::DecScore(int i)
{
    checkIndex(FPlayers, i);
    int& score = FPlayers[static_cast<std::size_t>(i)].score;
    if (score > 0)
        --score;
}

void TfrmMultiplayerSetup::DecMyScore()
{
    DecScore(FMyIndex);
}

void TfrmMultiplayerSetup::CloseOtherPlayerWindows()
{
    for (QPointer<QWidget>& window : FOpponentWindows) {
        if (window) {
            window->close();
            delete window.data();
        }
    }
    FOpponentWindows.clear();
}

bool TfrmMultiplayerSetup::CheckOthersCompleted()
{
    // Only an opponent's progress window can report a finished grid; a game
    // without opponents never ends this way.
    return false;
}

QList<QPair<QString, int>> TfrmMultiplayerSetup::scoreRows() const
{
    QList<QPair<QString, int>> rows;
    for (const Player& player : FPlayers) {
        const qsizetype equals = player.entry.indexOf(QLatin1Char('='));
        rows.append({equals < 0 ? QString() : player.entry.mid(equals + 1), player.score});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return rows;
}
