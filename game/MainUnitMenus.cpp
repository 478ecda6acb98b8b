// The drawn menus: the in-game column with the help button, the home screen
// with its column, and the open message window. A button's command runs as
// soon as the button reports a left click, inside the frame; the drawing
// order is the order of priority for a press.
#include "MainUnit.h"

#include "ButtonColumn.h"
#include "Fenetres.h"
#include "LanguageLines.h"
#include "UnitePerso.h"
#include "WindowKind.h"

namespace {

constexpr int kHomeScreenImage = 3;
constexpr int kMessageWindowImage = 4;
constexpr int kAnswerFrameImage = 6;
constexpr int kLeftClick = 1;

} // namespace

void TfrmMain::DrawMenus()
{
    if (GameMenu.Visible)
        drawGameColumn();
    if (HomeScreen.Visible)
        drawHomeColumn();
    if (MessageWindow.Visible)
        drawMessageWindow();
}

void TfrmMain::drawGameColumn()
{
    int y = kGameColumnY;
    // Flags are read as each button is reached: a command run by an earlier
    // button may already have changed them.
    for (const ColumnEntry& entry : kGameColumn) {
        const TKaloBouton& button = Buttons[entry.button];
        if (button.Visible)
            y += kButtonStep;
        if (DrawImageButton(button.Enabled, button.Visible, kGameColumnX, y, FMouse, entry.face) == kLeftClick)
            runButtonCommand(entry.button, false);
    }
    const TKaloBouton& help = Buttons[ButtonId::Help];
    if (DrawImageButton(help.Enabled, help.Visible, kHelpX, kHelpY, FMouse, Face::Help) == kLeftClick)
        runButtonCommand(ButtonId::Help, false);
}

void TfrmMain::drawHomeColumn()
{
    DrawScreenImage(1, 1, ScreenImages.item(kHomeScreenImage), 255);
    int y = kHomeColumnY;
    for (const ColumnEntry& entry : kHomeColumn) {
        const TKaloBouton& button = Buttons[entry.button];
        if (button.Visible)
            y += kButtonStep;
        if (DrawImageButton(button.Enabled, button.Visible, kHomeColumnX, y, FMouse, entry.face) == kLeftClick)
            runButtonCommand(entry.button, true);
    }
}

void TfrmMain::drawMessageWindow()
{
    ThemeImage* background = ScreenImages.item(kMessageWindowImage);
    const int width = background ? background->width() : 0;
    MessageWindow.X = kMessageCentreX - width / 2;
    MessageWindow.Y = kMessageTop;
    const int x = MessageWindow.X;
    const int y = MessageWindow.Y;
    DrawScreenImage(x, y, background, 255);

    DrawScreenImage(x + kYesOffsetX, y + kAnswerOffsetY, ScreenImages.item(kAnswerFrameImage), 255);
    if (DrawImageButton(YesButton.Enabled, YesButton.Visible, x + kYesOffsetX, y + kAnswerOffsetY, FMouse,
                        Face::Yes)
        == kLeftClick) {
        MessageWindow.Answer = true;
        CloseMessageWindow(MessageWindow.Kind);
    }

    if (NoButton.Visible)
        DrawScreenImage(x + kNoOffsetX, y + kAnswerOffsetY, ScreenImages.item(kAnswerFrameImage), 255);
    if (DrawImageButton(NoButton.Enabled, NoButton.Visible, x + kNoOffsetX, y + kAnswerOffsetY, FMouse, Face::No)
        == kLeftClick) {
        MessageWindow.Answer = false;
        CloseMessageWindow(MessageWindow.Kind);
    }

    if (m_cutLinesText != MessageWindow.Text) {
        m_cutLines = cutMessageLines(MessageWindow.Text);
        m_cutLinesText = MessageWindow.Text;
    }
    const QStringList& lines = m_cutLines;
    for (int h = 0; h < lines.size(); ++h) {
        const int n = static_cast<int>(lines[h].size());
        DrawScreenText(x + width / 2 - (kTextCharWidth * n) / 2, y + kTextTop + kTextLineHeight * h, kTextSize,
                       kTextColour, lines[h]);
    }
}

void TfrmMain::runButtonCommand(int button, bool homeColumn)
{
    switch (button) {
    case ButtonId::Solve:
        mnuSolveClick();
        break;
    case ButtonId::Replay:
        // The replay question; its yes answer starts a new game.
        OpenMessageWindow(WindowKind::Replay, FText(Line::ReplayQuestion), FText(Line::Yes), FText(Line::No));
        break;
    case ButtonId::Check:
        mnuCheckClick();
        break;
    case ButtonId::Print:
        mnuPrintClick();
        break;
    case ButtonId::Load:
        mnuLoadClick();
        break;
    case ButtonId::Options:
        BtOptionsClick();
        break;
    case ButtonId::Save:
        mnuSaveClick();
        break;
    case ButtonId::Play:
        tbPlayClick();
        break;
    case ButtonId::Quit:
        if (homeColumn)
            Quitter_JeuClick();
        else
            MnuQuitClick();
        break;
    case ButtonId::Help:
        mnuHintClick();
        break;
    case ButtonId::NewGame:
        Nouvelle_PartieClick();
        break;
    case ButtonId::Design:
        ConceptionClick();
        break;
    case ButtonId::Rules:
        BtRegleClick();
        break;
    case ButtonId::Scores:
        ScoresClick();
        break;
    case ButtonId::Multiplayer:
        mnuMultiplayerClick();
        break;
    default:
        break;
    }
}
