// The options panel: stepping the option rows with their arrows, what a
// change applies (theme pictures, display mode), the hidden display row and
// the player-name field.
#include "PlayTestSupport.h"

#include "ClickableImage.h"
#include "DisplayMode.h"
#include "UnitePerso.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

#include <functional>

namespace {

class OptionsPanelTest : public PlayTest
{
protected:
    // A left click on an arrow image as the mouse gives it.
    void clickImage(ClickableImage* image)
    {
        const QPointF inside(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, inside, image->mapToGlobal(inside), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, image->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(image, &press);
        QApplication::sendEvent(image, &release);
    }
    QString text(const QComboBox* row) const { return row->currentText(); }
};

} // namespace

TEST_F(OptionsPanelTest, ArrowsStepTheRowsWithWrapAround)
{
    TfrmMain& w = window();
    struct Row
    {
        QComboBox* box;
        ClickableImage* previous;
        ClickableImage* next;
        int firstLine;
        int lastLine;
    };
    const Row rows[] = {
        {w.ComboBox1, w.ImageF1G, w.ImageF1D, 38, 40},
        {w.ComboBox2, w.ImageF2G, w.ImageF2D, 23, 27},
        {w.ComboBox4, w.ImageF4G, w.ImageF4D, 36, 37},
    };
    for (const Row& r : rows) {
        r.box->setEditText(w.FText(r.firstLine));
        clickImage(r.next);
        EXPECT_EQ(text(r.box), w.FText(r.firstLine + 1));
        clickImage(r.previous);
        clickImage(r.previous);
        EXPECT_EQ(text(r.box), w.FText(r.lastLine)) << "back from the first item gives the last";
        clickImage(r.next);
        EXPECT_EQ(text(r.box), w.FText(r.firstLine)) << "on from the last item gives the first";
    }
}

TEST_F(OptionsPanelTest, RowTextIsFoundIgnoringCaseAndAnUnknownTextStepsToAnEnd)
{
    TfrmMain& w = window();
    w.ComboBox2->setEditText(w.FText(24).toUpper());
    w.ImageF2DClick(w.ImageF2D);
    EXPECT_EQ(text(w.ComboBox2), w.FText(25));

    w.ComboBox2->setEditText(QStringLiteral("Niveau inconnu"));
    w.ImageF2DClick(w.ImageF2D);
    EXPECT_EQ(text(w.ComboBox2), w.FText(23));
    w.ComboBox2->setEditText(QStringLiteral("Niveau inconnu"));
    w.ImageF2GClick(w.ImageF2G);
    EXPECT_EQ(text(w.ComboBox2), w.FText(27));
}

TEST_F(OptionsPanelTest, DifficultyChangeWaitsForTheNextNewGame)
{
    TfrmMain& w = window();
    w.ComboBox2->setEditText(w.FText(23));
    w.GameLevel = 0;
    std::uint8_t before[81];
    std::copy(std::begin(w.FCurrent), std::end(w.FCurrent), before);
    clickImage(w.ImageF2G);
    EXPECT_EQ(text(w.ComboBox2), w.FText(27));
    EXPECT_EQ(w.GameLevel, 0);
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), w.FCurrent));
    // The next frame mirrors it in the panel.
    frame();
    EXPECT_EQ(w.Edit1->text(), w.FText(27));

    w.ComboBox2->setEditText(w.FText(24));
    w.mnuGenerateClick();
    EXPECT_EQ(w.GameLevel, 1);
    EXPECT_FALSE(Buttons[10].Visible) << "hints only at the first level";
}

TEST(LevelFromDifficultyText, MatchesTheLevelNamesExactly)
{
    const std::array<QString, 5> names = {"Very easy", "Easy", "Medium", "Hard", "Very hard"};
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("Very easy", names), 0);
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("Medium", names), 2);
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("Very hard", names), 4);
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("medium", names), 0) << "case-sensitive";
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("Medium ", names), 0);
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("", names), 0);
    const std::array<QString, 5> twice = {"A", "B", "B", "C", "D"};
    EXPECT_EQ(TfrmMain::LevelFromDifficultyText("B", twice), 2) << "a later equal name wins";
}

TEST_F(OptionsPanelTest, ThemeChangeLoadsTheNewPicturesAndKeepsTheGame)
{
    TfrmMain& w = window();
    showBoardOnly();
    w.ComboBox1->setEditText(w.FText(40));
    w.ComboBox1Change(nullptr);
    frame();
    const QImage lastTheme = screen().copy();
    std::uint8_t before[81];
    std::copy(std::begin(w.FCurrent), std::end(w.FCurrent), before);

    clickImage(w.ImageF1D);
    EXPECT_EQ(text(w.ComboBox1), w.FText(38));
    frame();
    EXPECT_NE(screen(), lastTheme) << "the first theme's pictures are drawn";
    EXPECT_EQ(w.Edit2->text(), w.FText(38));
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), w.FCurrent));
    EXPECT_EQ(w.GameState, 2);

    clickImage(w.ImageF1G);
    frame();
    EXPECT_EQ(screen(), lastTheme) << "back to the same pictures";
}

TEST_F(OptionsPanelTest, ThemeSetsThePrintButtonAndTheOptionLabels)
{
    TfrmMain& w = window();
    const auto expectLabels = [&w](const QColor& colour, const char* where) {
        for (QLabel* label : {w.Label6, w.Label2, w.Label3, w.Label1, w.Label4, w.LabelDefilement})
            EXPECT_EQ(label->palette().color(QPalette::WindowText), colour) << where;
    };
    w.applyThemeLabels(w.FText(39));
    EXPECT_FALSE(Buttons[3].Visible);
    expectLabels(Qt::white, "second theme");
    EXPECT_EQ(w.Label6->text(), w.FText(66));
    EXPECT_EQ(w.Label2->text(), w.FText(67));
    EXPECT_EQ(w.Label3->text(), w.FText(68));
    EXPECT_EQ(w.Label1->text(), w.FText(69));
    EXPECT_EQ(w.Label4->text(), w.FText(70));

    w.applyThemeLabels(QStringLiteral("Autre"));
    expectLabels(Qt::white, "an unnamed theme keeps the colour");
    w.applyThemeLabels(w.FText(40));
    expectLabels(Qt::black, "third theme");
    EXPECT_FALSE(Buttons[3].Visible);
    w.applyThemeLabels(w.FText(38).toLower());
    EXPECT_FALSE(Buttons[3].Visible) << "the name is compared exactly";
    w.applyThemeLabels(w.FText(38));
    EXPECT_TRUE(Buttons[3].Visible);
    expectLabels(Qt::black, "first theme");
}

TEST_F(OptionsPanelTest, DisplayRowIsHiddenButSwitchesTheModeWhenStepped)
{
    TfrmMain& w = window();
    for (QWidget* hidden : std::initializer_list<QWidget*>{w.Label1, w.ImageF4G, w.ImageF4D, w.ComboBox4})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* shown : std::initializer_list<QWidget*>{w.ImageF1G, w.ImageF1D, w.ImageF2G, w.ImageF2D,
                                                          w.NomDuJoueur})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();

    // Start-up switched the fake 1280 by 1024 display to 1024 by 768.
    ASSERT_EQ(SavedScreenWidth, 1280);
    w.ComboBox4->setEditText(w.FText(36));
    const std::size_t applied = m_display->applied().size();
    w.ImageF4DClick(w.ImageF4D);
    EXPECT_EQ(text(w.ComboBox4), w.FText(37));
    ASSERT_EQ(m_display->applied().size(), applied + 1);
    const DisplayModeRequest game = m_display->applied().back();
    EXPECT_EQ(game.width, 1024);
    EXPECT_EQ(game.height, 768);
    EXPECT_EQ(game.bitsPerPixel, 16);
    EXPECT_EQ(w.pos(), QPoint(0, 0));

    w.ImageF4GClick(w.ImageF4G);
    EXPECT_EQ(text(w.ComboBox4), w.FText(36));
    ASSERT_EQ(m_display->applied().size(), applied + 2);
    EXPECT_EQ(m_display->applied().back().width, SavedScreenWidth);
    EXPECT_EQ(m_display->applied().back().height, SavedScreenHeight);
    // Centred on the desktop mode that came back.
    EXPECT_EQ(w.pos(), QPoint(1280 / 2 - 512, 1024 / 2 - 384));

    // A refused test changes nothing but still places the window.
    m_display->setTestResult(DisplayChange::BadMode);
    w.ImageF4DClick(w.ImageF4D);
    EXPECT_EQ(m_display->applied().size(), applied + 2);
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    EXPECT_EQ(m_messages->count(), 1);
}

// Types the text into the field key by key, as the player would.
static void typeInto(QWidget* field, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(field, &press);
    }
}

TEST_F(OptionsPanelTest, LongerNameSetByTheProgramStaysWholeButCannotGrow)
{
    TfrmMain& w = window();
    w.NomDuJoueur->setText(QStringLiteral("Bartholome")); // ten characters, from a saved game
    EXPECT_EQ(w.NomDuJoueur->text(), QStringLiteral("Bartholome"));
    w.NomDuJoueur->end(false);
    typeInto(w.NomDuJoueur, QStringLiteral("w"));
    EXPECT_EQ(w.NomDuJoueur->text(), QStringLiteral("Bartholome"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(w.NomDuJoueur, &backspace);
    EXPECT_EQ(w.NomDuJoueur->text(), QStringLiteral("Bartholom"));
}

TEST_F(OptionsPanelTest, PlayerNameKeepsNineCharactersHoweverThePlayerPutsTextIn)
{
    QLineEdit* name = window().NomDuJoueur;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString longName = QStringLiteral("Alexandrine");
    clipboard->setText(longName);
    if (clipboard->supportsSelection())
        clipboard->setText(longName, QClipboard::Selection);

    struct Way
    {
        const char* what;
        std::function<void()> put;
    };
    const Way ways[] = {
        {"typed", [&] { typeInto(name, longName); }},
        {"pasted with the keys", [&] {
             QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
             QCoreApplication::sendEvent(name, &paste);
         }},
        {"pasted from the context menu", [&] { name->paste(); }},
        {"inserted", [&] { name->insert(longName); }},
        {"dropped", [&] {
             QMimeData data;
             data.setText(longName);
             QDragEnterEvent enter(QPoint(2, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(name, &enter);
             QDropEvent drop(QPointF(2, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(name, &drop);
         }},
    };
    for (const Way& way : ways) {
        name->clear();
        way.put();
        EXPECT_EQ(name->text(), QStringLiteral("Alexandri")) << way.what;
    }

    // Into a name already there, only what fits is taken, at the cursor.
    name->setText(QStringLiteral("Joueur"));
    name->setCursorPosition(3);
    name->insert(longName);
    EXPECT_EQ(name->text(), QStringLiteral("JouAleeur"));
    EXPECT_EQ(name->cursorPosition(), 6);

    // Over a selection, the selection goes first.
    name->setText(QStringLiteral("Joueur"));
    name->setSelection(0, 6);
    name->insert(longName);
    EXPECT_EQ(name->text(), QStringLiteral("Alexandri"));

    // The middle button pastes the selection where the platform has one.
    if (clipboard->supportsSelection()) {
        name->clear();
        const QPointF inside(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, inside, name->mapToGlobal(inside), Qt::MiddleButton,
                          Qt::MiddleButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, name->mapToGlobal(inside), Qt::MiddleButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(name, &press);
        QCoreApplication::sendEvent(name, &release);
        EXPECT_EQ(name->text(), QStringLiteral("Alexandri")) << "middle-click paste";
    }

    // A name the program sets is kept whole.
    name->setText(longName);
    EXPECT_EQ(name->text(), longName);
}
