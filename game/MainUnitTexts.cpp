// The language lines and the status-bar message panel.
#include "MainUnit.h"

#include "PanelStatusBar.h"

namespace {

// The status bar's last panel holds the messages.
constexpr int kMessagePanel = 4;

} // namespace

QString TfrmMain::FText(int n) const
{
    return m_texts.FText(n);
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
