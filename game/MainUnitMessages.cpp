// Language lines, sounds and the status-bar message, and what the message
// windows ask of the main window when they are answered.
#include "MainUnit.h"

#include "PanelStatusBar.h"

#include <QFrame>
#include <QTimer>

namespace {

// The status bar's last panel holds the messages.
constexpr int kMessagePanel = 4;

} // namespace

QString TfrmMain::FText(int n) const
{
    return m_texts.FText(n);
}

void TfrmMain::JoueSon(const QString& name)
{
    m_sounds.JoueSon(name);
}

void TfrmMain::FMessage(const QString& text)
{
    // The message timer keeps its running period: the text goes at its next tick.
    StatusBar1->setPanelText(kMessagePanel, text);
    JoueSon(QStringLiteral("Message"));
}

void TfrmMain::TimerMessageTimer()
{
    StatusBar1->setPanelText(kMessagePanel, QString());
}

void TfrmMain::stopFrameTimer()
{
    DXTimer->stop();
}

void TfrmMain::closeMainWindow()
{
    close();
}

void TfrmMain::hideOptionsPanel()
{
    Panel_Options->hide();
}

void TfrmMain::setGameState(std::uint8_t state)
{
    GameState = state;
}
