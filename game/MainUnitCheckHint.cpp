// The two helps of a game, paid for on the clock: the check flashes the
// wrong digits; the hint flashes them too when there are any, else fills in
// one cell that the candidate techniques have settled.
#include "MainUnit.h"

#include "LanguageLines.h"
#include "Random.h"

#include <vector>

namespace {

constexpr double kCheckPenalty = 20.0;
constexpr double kHintPenalty = 60.0;
// Frames of the wrong-digit flash: the scene lowers it before drawing, so
// 15 marks the wrong digits in 14 frames.
constexpr std::uint8_t kErrorFlashFrames = 15;
// The level that applies every reduction technique.
constexpr std::uint8_t kAllTechniques = 4;

} // namespace

void TfrmMain::mnuCheckClick()
{
    FGameTime += kCheckPenalty;
    FErrorFlash = kErrorFlashFrames;
    FMessage(FText(Line::GridChecked));
    // This drawing is the first of the flashing frames.
    DrawScene();
}

void TfrmMain::mnuHintClick()
{
    FPickerOpen = false;
    FGameTime += kHintPenalty;

    bool wrongDigits = false;
    for (int i = 0; i < 81 && !wrongDigits; ++i)
        wrongDigits = FCurrent[i] != kEmptyCell && FCurrent[i] != FSolution[i];
    if (wrongDigits) {
        FErrorFlash = kErrorFlashFrames;
        FMessage(FText(Line::HintWrongDigits));
        return;
    }

    Candidates candidates;
    ComputeCandidates(kAllTechniques, candidates);
    // Row by row, each row from the left: the order the drawn index picks from.
    std::vector<int> pool;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int i = x * 9 + y;
            // A cell the player filled is settled on its own digit and can be drawn too.
            if (CandidateCount(candidates[i]) == 1 && FGivens[i] == kEmptyCell)
                pool.push_back(i);
        }
    if (pool.empty()) {
        FMessage(FText(Line::HintNothingToShow));
        return;
    }

    const int cell = pool[static_cast<std::size_t>(Random(static_cast<int>(pool.size())))];
    FCurrent[cell] = FSolution[cell];
    UpdateStatusBar();
    DrawScene();
    FMessage(FText(Line::HintGiven));
    // After the message's own sound, which would otherwise cut this one off.
    JoueSon(QStringLiteral("help"));
}
