// The drawn menus: the in-game column with the help button, the home screen
// with its column, and the open message window. A button's command runs as
// soon as the button reports a left click, inside the frame; the drawing
// order is the order of priority for a press.
#include "MainUnit.h"

#include "ButtonColumn.h"
#include "Fenetres.h"
#include "UnitePerso.h"

namespace {

constexpr int kHomeScreenImage = 3;
constexpr int kMessageWindowImage = 4;
constexpr int kAnswerFrameImage = 6;
constexpr std::uint8_t kYesFace = 1;
constexpr std::uint8_t kNoFace = 2;
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
    const TKaloBouton& help = Buttons[kHelpButton];
    if (DrawImageButton(help.Enabled, help.Visible, kHelpX, kHelpY, FMouse, kHelpFace) == kLeftClick)
        runButtonCommand(kHelpButton, false);
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
                        kYesFace)
        == kLeftClick) {
        MessageWindow.Answer = true;
        CloseMessageWindow(MessageWindow.Kind);
    }

    if (NoButton.Visible)
        DrawScreenImage(x + kNoOffsetX, y + kAnswerOffsetY, ScreenImages.item(kAnswerFrameImage), 255);
    if (DrawImageButton(NoButton.Enabled, NoButton.Visible, x + kNoOffsetX, y + kAnswerOffsetY, FMouse, kNoFace)
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
    case 0:
        mnuSolveClick();
        break;
    case 1:
        // The replay question; its yes answer starts a new game.
        OpenMessageWindow(3, FText(35), FText(1), FText(2));
        break;
    case 2:
        mnuCheckClick();
        break;
    case 3:
        mnuPrintClick();
        break;
    case 4:
        mnuLoadClick();
        break;
    case 5:
        BtOptionsClick();
        break;
    case 7:
        mnuSaveClick();
        break;
    case 8:
        tbPlayClick();
        break;
    case 9:
        if (homeColumn)
            Quitter_JeuClick();
        else
            MnuQuitClick();
        break;
    case 10:
        mnuHintClick();
        break;
    case 12:
        Nouvelle_PartieClick();
        break;
    case 13:
        ConceptionClick();
        break;
    case 14:
        BtRegleClick();
        break;
    case 15:
        ScoresClick();
        break;
    case 16:
        mnuMultiplayerClick();
        break;
    default:
        break;
    }
}
