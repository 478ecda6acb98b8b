// The hosting dialog offscreen, over loopback: datagrams go to 127.0.0.1 only.
#include "MessageCapture.h"
#include "NetTestSupport.h"
#include "SetupHostingUnit.h"
#include "UdpThreadUnit.h"
#include "WindowsTestSupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");
const QString kWaiting = QStringLiteral("Waiting for additional players to arrive...");
const QString kNotSelected = QStringLiteral("Game type not yet selected...");

class HostingDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureWidgetsApp();
        m_dialog.setHost(&m_host);
    }

    // Chooses a game type as the player would, with the arrow key that
    // moves to it and activates it, then stops the real timer so that the
    // test drives every tick itself. Setting the index beforehand, as the
    // dialog's own reset does, activates nothing.
    void chooseType(int index)
    {
        m_dialog.cboGameType->setCurrentIndex(index - 1);
        EXPECT_EQ(m_dialog.lblCountdown->text(), kNotSelected);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(m_dialog.cboGameType, &down);
        EXPECT_EQ(m_dialog.cboGameType->currentIndex(), index);
        EXPECT_EQ(m_dialog.lblCountdown->text(), kWaiting);
        EXPECT_TRUE(m_dialog.Timer1->isActive());
        m_dialog.Timer1->stop();
    }

    FakeHost m_host;
    TfrmSetupHosting m_dialog;
};

} // namespace

TEST_F(HostingDialogTest, CancelAtOnceSendsNothingAndKeepsTheNewPuzzle)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Host a game"));
    EXPECT_EQ(m_dialog.size(), QSize(331, 247));
    EXPECT_EQ(m_dialog.cboGameType->geometry().topLeft(), QPoint(12, 16));
    EXPECT_EQ(m_dialog.cboGameType->width(), 165);
    ASSERT_EQ(m_dialog.cboGameType->count(), 3);
    EXPECT_EQ(m_dialog.cboGameType->itemText(0), QStringLiteral("Select your game type..."));
    EXPECT_EQ(m_dialog.cboGameType->itemText(1), QStringLiteral("Sudoku battle"));
    EXPECT_EQ(m_dialog.cboGameType->itemText(2), QStringLiteral("Sudoku head to head"));
    EXPECT_EQ(m_dialog.lvPlayers->geometry(), QRect(12, 52, 305, 121));
    EXPECT_EQ(m_dialog.lvPlayers->horizontalHeaderItem(2)->text(), QStringLiteral("Port"));
    EXPECT_EQ(m_dialog.btnStart->geometry(), QRect(148, 208, 75, 25));
    EXPECT_TRUE(m_dialog.btnStart->isDefault());
    EXPECT_EQ(m_dialog.btnCancel->geometry(), QRect(244, 212, 75, 21));
    EXPECT_EQ(m_dialog.panGenerating->geometry(), QRect(40, 68, 253, 93));
    EXPECT_EQ(m_dialog.Timer1->interval(), 1000);

    RecordingUdpThread thread;
    bool generatingShown = false;
    m_host.whileGenerating = [&] {
        generatingShown = m_dialog.isVisible() && !m_dialog.isEnabled() && m_dialog.panGenerating->isVisible()
                          && m_dialog.panGenerating->text() == QStringLiteral("Generating game grid...");
    };
    bool choosing = false;
    onModal(m_dialog, [&] {
        choosing = m_dialog.isEnabled() && !m_dialog.panGenerating->isVisible()
                   && m_dialog.lblCountdown->text() == kNotSelected && !m_dialog.btnStart->isEnabled()
                   && m_dialog.cboGameType->currentIndex() == 0 && !m_dialog.Timer1->isActive();
        m_dialog.btnCancel->click();
    });
    std::uint8_t type = 9;
    EXPECT_FALSE(m_dialog.Execute(&thread, type, QStringLiteral("Host")));
    EXPECT_TRUE(generatingShown);
    EXPECT_TRUE(choosing);
    EXPECT_EQ(type, 0);
    EXPECT_TRUE(thread.sent.empty());
    EXPECT_EQ(thread.HostingInfo, nullptr);
    EXPECT_FALSE(thread.OnPlayerJoined);
    EXPECT_EQ(m_host.generated, 1);
    // Centred on the main window: 100 + 1024 div 2 - 331 div 2, 50 + 768 div 2 - 247 div 2.
    EXPECT_EQ(m_dialog.pos(), QPoint(447, 311));
}

TEST_F(HostingDialogTest, CountdownRunsOnlyWithAJoinerAndStartsTheGameByItself)
{
    TUdpThread thread(0, 0), ann(0, 0), bob(0, 0);
    std::vector<TGameStartInfo> starts;
    ann.OnGameStarted = [&](const TGameStartInfo& s) { starts.push_back(s); };
    bob.OnGameStarted = [&](const TGameStartInfo& s) { starts.push_back(s); };

    onModal(m_dialog, [&] {
        chooseType(1);
        EXPECT_FALSE(m_dialog.cboGameType->isEnabled());
        ASSERT_NE(thread.HostingInfo, nullptr);
        EXPECT_EQ(thread.GetGameType(), 1);
        EXPECT_EQ(thread.HostingInfo->Players.value(0).section(QLatin1Char('='), 1), QStringLiteral("Host"));

        // Alone: nothing counts.
        for (int i = 0; i < 3; ++i)
            m_dialog.Timer1Timer();
        EXPECT_EQ(m_dialog.lblCountdown->text(), kWaiting);
        EXPECT_FALSE(m_dialog.btnStart->isEnabled());
        EXPECT_EQ(m_dialog.FCountdown, 60);

        ann.SendJoinRequest(thread.GameId, kLoopback, thread.DefaultPort(), QStringLiteral("Ann"));
        ASSERT_TRUE(pumpUntil([&] { return m_dialog.lvPlayers->rowCount() == 1; }));
        EXPECT_EQ(m_dialog.lvPlayers->item(0, 0)->text(), QStringLiteral("Ann"));
        EXPECT_EQ(m_dialog.lvPlayers->item(0, 1)->text(), kLoopback);
        EXPECT_EQ(m_dialog.lvPlayers->item(0, 2)->text(), QString::number(ann.DefaultPort()));

        m_dialog.Timer1Timer();
        EXPECT_TRUE(m_dialog.btnStart->isEnabled());
        EXPECT_EQ(m_dialog.lblCountdown->text(), QStringLiteral("Game will start automatically in 59 seconds"));
        EXPECT_EQ(m_dialog.lblCountdown->pos(), QPoint(12, 180));
        EXPECT_GE(m_dialog.lblCountdown->width(), m_dialog.lblCountdown->sizeHint().width());

        bob.SendJoinRequest(thread.GameId, kLoopback, thread.DefaultPort(), QStringLiteral("Bob"));
        ASSERT_TRUE(pumpUntil([&] { return m_dialog.lvPlayers->rowCount() == 2; }));
        for (int i = 0; i < 58; ++i)
            m_dialog.Timer1Timer();
        EXPECT_EQ(m_dialog.lblCountdown->text(), QStringLiteral("Game will start automatically in 1 seconds"));
        EXPECT_TRUE(m_dialog.isVisible());
        m_dialog.Timer1Timer();
    });
    std::uint8_t type = 0;
    EXPECT_TRUE(m_dialog.Execute(&thread, type, QStringLiteral("Host")));
    EXPECT_EQ(type, 1);
    EXPECT_TRUE(thread.Started);
    EXPECT_FALSE(thread.OnPlayerJoined);
    EXPECT_FALSE(m_dialog.Timer1->isActive());

    // Both joiners get the one puzzle generated before the type was chosen.
    ASSERT_TRUE(pumpUntil([&] { return starts.size() == 2; }));
    for (const TGameStartInfo& s : starts) {
        EXPECT_EQ(s.Puzzle, kTestPuzzle);
        EXPECT_EQ(s.Solution, kTestSolution);
        EXPECT_EQ(s.Players.size(), 3u);
    }
    EXPECT_NE(starts[0].MyIndex, starts[1].MyIndex);
    EXPECT_EQ(m_host.generated, 1);
}

TEST_F(HostingDialogTest, ASecondHostingStartsAfreshAfterACancelledOne)
{
    TUdpThread thread(0, 0), ann(0, 0);
    int cancelled = 0;
    ann.OnGameCancelled = [&] { ++cancelled; };
    onModal(m_dialog, [&] {
        chooseType(2);
        ann.SendJoinRequest(thread.GameId, kLoopback, thread.DefaultPort(), QStringLiteral("Ann"));
        ASSERT_TRUE(pumpUntil([&] { return m_dialog.lvPlayers->rowCount() == 1; }));
        m_dialog.Timer1Timer();
        ASSERT_TRUE(m_dialog.btnStart->isEnabled());
        m_dialog.close();
    });
    std::uint8_t type = 5;
    EXPECT_FALSE(m_dialog.Execute(&thread, type, QStringLiteral("Host")));
    EXPECT_EQ(type, 0);
    EXPECT_EQ(thread.HostingInfo, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return cancelled == 1; }));

    bool fresh = false;
    onModal(m_dialog, [&] {
        fresh = m_dialog.lvPlayers->rowCount() == 0 && m_dialog.cboGameType->currentIndex() == 0
                && m_dialog.cboGameType->isEnabled() && !m_dialog.btnStart->isEnabled()
                && m_dialog.lblCountdown->text() == kNotSelected;
        m_dialog.btnCancel->click();
    });
    EXPECT_FALSE(m_dialog.Execute(&thread, type, QStringLiteral("Host")));
    EXPECT_TRUE(fresh);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(m_host.generated, 2);
}

TEST_F(HostingDialogTest, AHostNameThatPeersWouldDropIsRefusedBeforeHosting)
{
    RecordingUdpThread thread;
    MessageCapture messages;
    std::uint8_t type = 7;
    EXPECT_FALSE(m_dialog.Execute(&thread, type, QString(300, QLatin1Char('L'))));
    EXPECT_EQ(type, 0);
    EXPECT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(thread.HostingInfo, nullptr);
    EXPECT_FALSE(thread.OnPlayerJoined);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_host.generated, 0);
}

TEST_F(HostingDialogTest, AFailedGenerationOrAVanishedThreadEndsTheHostingCleanly)
{
    RecordingUdpThread thread;
    MessageCapture messages;
    m_host.whileGenerating = [] { throw std::runtime_error("out of memory"); };
    std::uint8_t type = 7;
    EXPECT_FALSE(m_dialog.Execute(&thread, type, QStringLiteral("Host")));
    EXPECT_EQ(type, 0);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_TRUE(m_dialog.isEnabled());
    EXPECT_FALSE(m_dialog.panGenerating->isVisible());
    EXPECT_FALSE(thread.OnPlayerJoined);
    EXPECT_EQ(thread.HostingInfo, nullptr);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.messages()[0].contains(QStringLiteral("out of memory")));

    // The thread is freed while the dialog waits: Start then hosts nothing.
    m_host.whileGenerating = nullptr;
    auto* gone = new TUdpThread(0, 0);
    onModal(m_dialog, [&] {
        chooseType(1);
        delete gone;
        m_dialog.Timer1Timer();
        m_dialog.btnStart->setEnabled(true);
        m_dialog.btnStart->click();
    });
    type = 7;
    EXPECT_FALSE(m_dialog.Execute(gone, type, QStringLiteral("Host")));
    EXPECT_EQ(type, 0);
    EXPECT_TRUE(m_dialog.FThread == nullptr);
}

TEST_F(HostingDialogTest, EveryGameTypeTextAndSevenJoinedPlayersShowWhole)
{
    m_dialog.show();
    QComboBox& types = *m_dialog.cboGameType;
    QStyleOptionComboBox option;
    option.initFrom(&types);
    const QRect field = types.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &types);
    for (int i = 0; i < types.count(); ++i) // drawn one pixel inside the field on either side
        EXPECT_LE(types.fontMetrics().horizontalAdvance(types.itemText(i)), field.width() - 2) << i;
    for (const QString& state : {kNotSelected, kWaiting, QStringLiteral("Game will start automatically in 59 seconds")})
        EXPECT_LE(12 + m_dialog.lblCountdown->fontMetrics().horizontalAdvance(state), 331) << qPrintable(state);
    EXPECT_LE(m_dialog.panGenerating->fontMetrics().horizontalAdvance(m_dialog.panGenerating->text()),
              m_dialog.panGenerating->contentsRect().width());

    for (int port = 12001; port <= 12007; ++port)
        m_dialog.AddJoinedPlayer(QStringLiteral("Player ") + QString::number(port), kLoopback, port);
    QCoreApplication::processEvents();
    QTableWidget& players = *m_dialog.lvPlayers;
    EXPECT_EQ(players.geometry(), QRect(12, 52, 305, 121));
    EXPECT_LE(players.rowViewportPosition(6) + players.rowHeight(6), players.viewport()->height());
}
