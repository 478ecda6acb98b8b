#include "DrawingTestSupport.h"

#include "Fenetres.h"
#include "MessageCapture.h"
#include "UnitePerso.h"

#include <QListWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace {

// Records every answer handed to the host, in order, and what the list held
// at that moment.
class FakeHost : public MessageWindowHost {
public:
    FakeHost() : m_list(new QListWidget(&m_window)) {}

    QListWidget* ListBox1() override { return m_list; }
    QString FText(int n) const override { return QStringLiteral("line %1").arg(n); }
    void afterAnswer(std::uint8_t kind) override { record(QStringLiteral("afterAnswer %1").arg(kind)); }

    QStringList calls;
    int listCountAtLastCall = -1;
    std::function<void()> onCall;

    QListWidget* list() { return m_list; }
    void fill(int lines)
    {
        for (int i = 0; i < lines; ++i)
            m_list->addItem(QStringLiteral("entry %1").arg(i));
    }

private:
    void record(const QString& call)
    {
        calls << call;
        listCountAtLastCall = m_list->count();
        if (onCall)
            onCall();
    }

    QWidget m_window; // never shown: the list's own visibility is what counts
    QListWidget* m_list;
};

// The list widget of the fake host needs the application first.
struct WidgetsApp {
    WidgetsApp() { ensureWidgetsApp(); }
};

class MessageWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetDrawingGlobals();
        setMessageWindowHost(&m_host);
    }
    void TearDown() override { resetDrawingGlobals(); }

    void answer(bool yes)
    {
        MessageWindow.Answer = yes;
        CloseMessageWindow(MessageWindow.Kind);
    }

    WidgetsApp m_app;
    FakeHost m_host;
    MessageCapture m_messages;
};

} // namespace

TEST_F(MessageWindowTest, OpeningRecordsTheMessageAndBlocksTheBoard)
{
    OpenMessageWindow(3, QStringLiteral("Again?"), QStringLiteral("Oui"), QStringLiteral("Non"));
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_TRUE(BoardInputBlocked);
    EXPECT_EQ(MessageWindow.Kind, 3);
    EXPECT_EQ(MessageWindow.Text, QStringLiteral("Again?"));
    EXPECT_TRUE(YesButton.Enabled);
    EXPECT_EQ(YesButton.Caption, QStringLiteral("Oui"));
    EXPECT_TRUE(NoButton.Visible);
    EXPECT_EQ(NoButton.Caption, QStringLiteral("Non"));
}

TEST_F(MessageWindowTest, MissingCaptionsMakeTheirButtonsUnusable)
{
    OpenMessageWindow(5, QStringLiteral("text"), QString(), QString());
    EXPECT_FALSE(YesButton.Enabled);
    EXPECT_TRUE(YesButton.Visible);
    EXPECT_FALSE(NoButton.Visible);
    EXPECT_TRUE(NoButton.Enabled);

    OpenMessageWindow(0, QStringLiteral("won"), QStringLiteral("Ok"), QString());
    EXPECT_TRUE(YesButton.Enabled);
    EXPECT_FALSE(NoButton.Visible);
}

struct ListSetup {
    int kind;
    bool shown;
    Qt::ContextMenuPolicy popup;
    const char* hint;
};

void PrintTo(const ListSetup& setup, std::ostream* os)
{
    *os << "kind " << setup.kind;
}

class ListWindowSetup : public MessageWindowTest, public ::testing::WithParamInterface<ListSetup> {};

TEST_P(ListWindowSetup, FollowsTheKind)
{
    const ListSetup& want = GetParam();
    // A state that no kind sets, so "unchanged" can be told apart.
    m_host.list()->setVisible(!want.shown);
    m_host.list()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_host.list()->setToolTip(QStringLiteral("before"));
    m_host.fill(2);

    OpenMessageWindow(std::uint8_t(want.kind), QStringLiteral("t"), QStringLiteral("Ok"), QString());
    EXPECT_EQ(!m_host.list()->isHidden(), want.shown);
    EXPECT_EQ(m_host.list()->contextMenuPolicy(), want.popup);
    EXPECT_EQ(m_host.list()->toolTip(), QString::fromUtf8(want.hint));
    EXPECT_TRUE(m_host.list()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ListWindowSetup,
    ::testing::Values(ListSetup{0, false, Qt::CustomContextMenu, "before"},
                      ListSetup{1, true, Qt::ActionsContextMenu, "line 74"},
                      ListSetup{2, true, Qt::ActionsContextMenu, "line 74"},
                      ListSetup{3, false, Qt::CustomContextMenu, "before"},
                      ListSetup{4, false, Qt::CustomContextMenu, "before"},
                      ListSetup{5, false, Qt::CustomContextMenu, "before"},
                      ListSetup{6, false, Qt::CustomContextMenu, "before"},
                      ListSetup{7, true, Qt::ActionsContextMenu, "line 74"},
                      ListSetup{8, true, Qt::NoContextMenu, ""}),
    [](const ::testing::TestParamInfo<ListSetup>& info) {
        return "Kind" + std::to_string(info.param.kind);
    });

TEST_F(MessageWindowTest, KindsFromNineOnLeaveTheListWindowAlone)
{
    for (int kind : {9, 100, 255}) {
        for (bool shown : {false, true}) {
            m_host.list()->setVisible(shown);
            m_host.list()->setContextMenuPolicy(Qt::CustomContextMenu);
            m_host.list()->setToolTip(QStringLiteral("before"));
            OpenMessageWindow(std::uint8_t(kind), QStringLiteral("t"), QStringLiteral("Ok"), QString());
            EXPECT_EQ(!m_host.list()->isHidden(), shown) << kind;
            EXPECT_EQ(m_host.list()->contextMenuPolicy(), Qt::CustomContextMenu);
            EXPECT_EQ(m_host.list()->toolTip(), QStringLiteral("before"));
        }
    }
}

TEST_F(MessageWindowTest, EmptyListIsShownButDisabled)
{
    OpenMessageWindow(1, QStringLiteral("Choose"), QStringLiteral("Ok"), QStringLiteral("Annuler"));
    EXPECT_FALSE(m_host.list()->isHidden());
    EXPECT_FALSE(m_host.list()->isEnabled());
}

TEST_F(MessageWindowTest, NoAnswerClosesEmptiesTheListAndRunsNothing)
{
    m_host.fill(3);
    OpenMessageWindow(1, QStringLiteral("Choose"), QStringLiteral("Ok"), QStringLiteral("Annuler"));
    answer(false);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_FALSE(BoardInputBlocked);
    EXPECT_TRUE(m_host.list()->isHidden());
    EXPECT_EQ(m_host.list()->count(), 0);
    EXPECT_TRUE(m_host.calls.isEmpty());
}

TEST_F(MessageWindowTest, YesToTheLoadChooserLoadsBeforeTheListIsEmptied)
{
    m_host.fill(3);
    OpenMessageWindow(1, QStringLiteral("Choose"), QStringLiteral("Ok"), QStringLiteral("Annuler"));
    answer(true);
    EXPECT_EQ(m_host.calls, QStringList{"afterAnswer 1"});
    EXPECT_EQ(m_host.listCountAtLastCall, 3);
    EXPECT_EQ(m_host.list()->count(), 0);
    EXPECT_TRUE(m_host.list()->isHidden());
}

TEST_F(MessageWindowTest, YesToScoresAndRulesKeepsTheirLines)
{
    for (int kind : {7, 8}) {
        m_host.list()->clear();
        m_host.fill(4);
        OpenMessageWindow(std::uint8_t(kind), QStringLiteral("t"), QStringLiteral("OUI"), QString());
        answer(true);
        EXPECT_TRUE(m_host.list()->isHidden()) << kind;
        EXPECT_EQ(m_host.list()->count(), 4) << kind;
        EXPECT_FALSE(MessageWindow.Visible);
        EXPECT_EQ(m_host.calls, QStringList{QStringLiteral("afterAnswer %1").arg(kind)});
        m_host.calls.clear();
    }
}

TEST_F(MessageWindowTest, YesIsHandedToTheHostWhichAloneSetsTheGameFlags)
{
    for (TKaloBouton& b : Buttons) {
        b.Visible = false;
        b.Enabled = false;
    }
    GameMenu.Visible = true;
    for (int kind = 0; kind <= 8; ++kind) {
        m_host.calls.clear();
        OpenMessageWindow(std::uint8_t(kind), QStringLiteral("t"), QStringLiteral("Ok"), QString());
        answer(true);
        EXPECT_EQ(m_host.calls, QStringList{QStringLiteral("afterAnswer %1").arg(kind)});
        EXPECT_FALSE(MessageWindow.Visible);
        EXPECT_FALSE(BoardInputBlocked);
    }
    for (int i = 0; i < 18; ++i) {
        EXPECT_FALSE(Buttons[i].Visible) << i;
        EXPECT_FALSE(Buttons[i].Enabled) << i;
    }
    EXPECT_TRUE(GameMenu.Visible);
    EXPECT_FALSE(HomeScreen.Visible);
}

TEST_F(MessageWindowTest, FailingAnswerIsReportedAndTheWindowStillFinishes)
{
    m_host.onCall = [] { throw std::runtime_error("Scores.frd: permission denied"); };
    m_host.fill(2);
    OpenMessageWindow(0, QStringLiteral("won"), QStringLiteral("Ok"), QString());
    answer(true);
    EXPECT_EQ(m_messages.messages(), QStringList{"Scores.frd: permission denied"});
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_EQ(m_host.list()->count(), 0);
}

TEST_F(MessageWindowTest, ListIsEmptiedAfterTheAnswerUnlessItHoldsScoresOrRules)
{
    for (int kind : {2, 9, 255}) {
        m_host.fill(2);
        OpenMessageWindow(std::uint8_t(kind), QStringLiteral("t"), QStringLiteral("Ok"), QString());
        answer(true);
        EXPECT_EQ(m_host.list()->count(), 0) << kind;
        EXPECT_FALSE(MessageWindow.Visible);
        EXPECT_FALSE(BoardInputBlocked);
    }
}

TEST_F(MessageWindowTest, OpeningAnotherWindowReplacesTheOpenOne)
{
    OpenMessageWindow(6, QStringLiteral("Quit?"), QStringLiteral("Oui"), QStringLiteral("Non"));
    m_host.fill(2);
    OpenMessageWindow(7, QStringLiteral("Scores"), QStringLiteral("OUI"), QString());
    EXPECT_EQ(MessageWindow.Kind, 7);
    EXPECT_EQ(MessageWindow.Text, QStringLiteral("Scores"));
    EXPECT_FALSE(NoButton.Visible);
    answer(true);
    EXPECT_EQ(m_host.calls, QStringList{"afterAnswer 7"}); // the quit question never got its answer
}

TEST_F(MessageWindowTest, WindowOpenedByAnActionKeepsItsList)
{
    // A command answering one window may open another that lists lines.
    m_host.onCall = [this] {
        m_host.list()->clear();
        m_host.fill(3);
        OpenMessageWindow(7, QStringLiteral("Scores"), QStringLiteral("OUI"), QString());
    };
    OpenMessageWindow(3, QStringLiteral("Again?"), QStringLiteral("Oui"), QStringLiteral("Non"));
    answer(true);
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_TRUE(BoardInputBlocked);
    EXPECT_EQ(MessageWindow.Kind, 7);
    EXPECT_EQ(m_host.list()->count(), 3);
    EXPECT_FALSE(m_host.list()->isHidden());
}

TEST_F(MessageWindowTest, WorksWithoutARegisteredHost)
{
    setMessageWindowHost(nullptr);
    OpenMessageWindow(1, QStringLiteral("Choose"), QStringLiteral("Ok"), QStringLiteral("Annuler"));
    EXPECT_TRUE(BoardInputBlocked);
    answer(true);
    OpenMessageWindow(6, QStringLiteral("Quit?"), QStringLiteral("Oui"), QStringLiteral("Non"));
    answer(true);
    EXPECT_FALSE(MessageWindow.Visible);
    ClearMessageList();
}

TEST(MessageLines, ShortTextsAreOneLineAndEmptyTextNone)
{
    EXPECT_TRUE(cutMessageLines(QString()).isEmpty());
    EXPECT_EQ(cutMessageLines(QStringLiteral("Bravo")), QStringList{"Bravo"});
    const QString fortyNine(49, QLatin1Char('x'));
    EXPECT_EQ(cutMessageLines(fortyNine), QStringList{fortyNine});
}

TEST(MessageLines, CutAfterTheLastSpaceAmongTheFirstFortyNine)
{
    const QString text = QString(29, 'a') + ' ' + QString(30, 'b');   // 60, space 30th
    EXPECT_EQ(cutMessageLines(text), QStringList({QString(29, 'a') + ' ', QString(30, 'b')}));

    const QString spaceAt49 = QString(48, 'a') + ' ' + QString(10, 'b');
    EXPECT_EQ(cutMessageLines(spaceAt49), QStringList({QString(48, 'a') + ' ', QString(10, 'b')}));

    // A space at the 50th character is beyond the first 49: the earlier one counts.
    const QString spaceAt50 = QString(10, 'a') + ' ' + QString(38, 'b') + ' ' + QString(10, 'c');
    EXPECT_EQ(cutMessageLines(spaceAt50),
              QStringList({QString(10, 'a') + ' ', QString(38, 'b') + ' ' + QString(10, 'c')}));
}

TEST(MessageLines, WordLongerThanALineIsCutAfterItsFortyNinthCharacter)
{
    const QString word(60, 'w');
    EXPECT_EQ(cutMessageLines(word), QStringList({QString(49, 'w'), QString(11, 'w')}));

    const QString longWord = QStringLiteral("Le ") + QString(120, 'z') + QStringLiteral(" fin");
    const QStringList lines = cutMessageLines(longWord);
    EXPECT_EQ(lines.join(QString()), longWord);
    EXPECT_EQ(lines.first(), QStringLiteral("Le "));
}

TEST(MessageLines, LinesAreShortAndRebuildTheText)
{
    const QString texts[] = {
        QStringLiteral("Félicitations. Vous avez terminé la grille en 12 min 34 s et "
                       "votre temps peut entrer dans le tableau des scores. "),
        QString(200, ' '),
        QStringLiteral("a b c d e f g h i j k l m n o p q r s t u v w x y z ").repeated(5),
    };
    for (const QString& text : texts) {
        const QStringList lines = cutMessageLines(text);
        EXPECT_EQ(lines.join(QString()), text);
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 49);
            EXPECT_FALSE(lines[i].isEmpty());
            if (i + 1 < lines.size() && lines[i].contains(' ')) {
                EXPECT_TRUE(lines[i].endsWith(' ')) << lines[i].toStdString();
            }
        }
    }
}
