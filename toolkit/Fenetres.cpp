#include "Fenetres.h"

#include "LanguageLines.h"
#include "MessageBox.h"
#include "TMouseState.h"
#include "UnitePerso.h"
#include "WindowKind.h"

#include <QListWidget>

#include <exception>

TKaloFenetre MessageWindow;
TKaloFenetre HomeScreen;
TKaloFenetre GameMenu;
TKaloBouton YesButton{true, QString(), true};
TKaloBouton NoButton{true, QString(), true};
bool BoardInputBlocked = false;

namespace {

MessageWindowHost* g_host = nullptr;

QListWidget* listBox()
{
    return g_host ? g_host->ListBox1() : nullptr;
}

// Runs one of the main window's commands. A command that fails reports its
// error here, so the window's own steps after it (emptying the list) still
// happen and nothing escapes into the frame timer.
template <typename Command>
void runHostCommand(Command command)
{
    if (!g_host)
        return;
    try {
        command(*g_host);
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()));
    }
}

void setUpListWindow(std::uint8_t kind)
{
    QListWidget* list = listBox();
    if (!list)
        return;
    list->setEnabled(list->count() > 0);
    switch (kind) {
    case WindowKind::Won:
    case WindowKind::Replay:
    case WindowKind::QuitProgram:
    case WindowKind::DesignAccepted:
    case WindowKind::QuitGame:
        list->hide();
        break;
    case WindowKind::LoadChooser:
    case WindowKind::SpareList:
    case WindowKind::Scores:
    case WindowKind::Rules:
        list->show();
        break;
    default:
        break;
    }
    switch (kind) {
    case WindowKind::LoadChooser:
    case WindowKind::SpareList:
    case WindowKind::Scores:
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->setToolTip(g_host->FText(Line::ListDeleteHint));
        break;
    case WindowKind::Rules:
        list->setContextMenuPolicy(Qt::NoContextMenu);
        list->setToolTip(QString());
        break;
    default:
        break;
    }
}

} // namespace

void setMessageWindowHost(MessageWindowHost* host)
{
    g_host = host;
}

MessageWindowHost* messageWindowHost()
{
    return g_host;
}

void OpenMessageWindow(std::uint8_t kind, const QString& text, const QString& firstCaption,
                       const QString& secondCaption)
{
    setUpListWindow(kind);

    YesButton.Enabled = !firstCaption.isEmpty();
    if (YesButton.Enabled)
        YesButton.Caption = firstCaption;
    NoButton.Visible = !secondCaption.isEmpty();
    if (NoButton.Visible)
        NoButton.Caption = secondCaption;

    if (TMouseState* mouse = g_host ? g_host->buttonMouse() : nullptr)
        mouse->dropPress();
    MessageWindow.Visible = true;
    BoardInputBlocked = true;
    MessageWindow.Kind = kind;
    MessageWindow.Text = text;
}

void CloseMessageWindow(std::uint8_t kind)
{
    if (QListWidget* list = listBox(); list && !list->isHidden())
        list->hide();
    MessageWindow.Visible = false;
    BoardInputBlocked = false;

    if (!MessageWindow.Answer) {
        ClearMessageList();
        return;
    }
    runHostCommand([kind](MessageWindowHost& h) { h.afterAnswer(kind); });
    // An action that opened a new window has filled the list for it.
    if (kind != WindowKind::Scores && kind != WindowKind::Rules && !MessageWindow.Visible)
        ClearMessageList();
}

void ClearMessageList()
{
    if (QListWidget* list = listBox())
        list->clear();
}

QStringList cutMessageLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (text.size() - start > kMessageLineLength) {
        qsizetype end = start + kMessageLineLength; // one past the line's last character
        qsizetype space = text.lastIndexOf(QLatin1Char(' '), end - 1);
        if (space >= start)
            end = space + 1;
        lines << text.mid(start, end - start);
        start = end;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}
