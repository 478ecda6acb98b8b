// The game clock: Timer1 counts the seconds of play while a game is played,
// and the time as the status bar, the win message and the scores write it.
#include "MainUnit.h"

#include "GameState.h"
#include "LanguageLines.h"
#include "PanelStatusBar.h"

#include <QTimer>

QString TfrmMain::ClockText() const
{
    if (FGameTime > 3600.0)
        return FText(Line::TimeOverAnHour);
    const qint64 seconds = static_cast<qint64>(FGameTime);
    return QString::number(seconds / 60) + QLatin1Char(' ') + FText(Line::Minutes) + QLatin1Char(' ')
           + QString::number(seconds % 60) + QLatin1Char(' ') + FText(Line::Seconds);
}

void TfrmMain::Timer1Timer()
{
    if (GameState != GameState::Playing)
        return;
    FGameTime += Timer1->interval() / 1000.0;
    StatusBar1->setPanelText(1, FText(Line::GameTimeLabel) + QLatin1Char(' ') + ClockText());
}
