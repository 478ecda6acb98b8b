#pragma once

#include <QRect>
#include <QString>

// What the multiplayer windows need of the main window, and nothing more:
// a new puzzle at the level chosen in the options, the puzzle and the
// solution as grid text, and where the window stands (for centring).
class NetHost
{
public:
    virtual ~NetHost() = default;

    // Replaces the main window's grids with a new puzzle.
    virtual void GeneratePuzzle() = 0;
    virtual QString GridToText() const = 0;
    virtual QString SolutionToText() const = 0;
    // The main window's frame: position and outer size.
    virtual QRect MainWindowGeometry() const = 0;
};

// Serves NetHost from any window that has the main window's operations
// (GeneratePuzzle(), GridToText() and SolutionToText() returning std::string,
// frameGeometry()), without the window having to know this header.
template <typename Window>
class NetHostFor : public NetHost
{
public:
    explicit NetHostFor(Window& window)
        : m_window(window)
    {
    }

    void GeneratePuzzle() override { m_window.GeneratePuzzle(); }
    QString GridToText() const override { return QString::fromStdString(m_window.GridToText()); }
    QString SolutionToText() const override { return QString::fromStdString(m_window.SolutionToText()); }
    QRect MainWindowGeometry() const override { return m_window.frameGeometry(); }

private:
    Window& m_window;
};

// Top-left corner that centres a window of `size` on `host`'s window, as
// host left + host width div 2 - own width div 2 (and the same vertically).
QPoint CentreOn(const NetHost* host, const QSize& size);
