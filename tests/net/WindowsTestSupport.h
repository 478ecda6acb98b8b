#pragma once

#include "NetHost.h"

#include <QString>

#include <functional>

class QDialog;

// A QApplication (offscreen) for the whole window test program.
void ensureWidgetsApp();

// Runs `action` once `dialog` is the active modal window, inside its loop;
// a dialog still open after it is rejected.
void onModal(QDialog& dialog, std::function<void()> action);

// The grid texts of one fixed puzzle and its solution.
extern const QString kTestPuzzle;
extern const QString kTestSolution;

// Stands in for the main window: counts the puzzles generated and can look
// at the caller while it generates.
class FakeHost : public NetHost
{
public:
    void GeneratePuzzle() override
    {
        ++generated;
        if (whileGenerating)
            whileGenerating();
    }
    QString GridToText() const override { return generated ? kTestPuzzle : QString(); }
    QString SolutionToText() const override { return generated ? kTestSolution : QString(); }
    QRect MainWindowGeometry() const override { return geometry; }

    int generated = 0;
    std::function<void()> whileGenerating;
    QRect geometry{100, 50, 1024, 768};
};
