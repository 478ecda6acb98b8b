#include "DrawingTestSupport.h"
#include "MessageBox.h"
#include "MessageCapture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

TEST(MessageCapture, RecordsMessagesInOrderWhileAlive)
{
    MessageCapture capture;
    ShowMessage(QStringLiteral("first"));
    ShowMessage(QStringLiteral("second é"), MessageKind::Error);
    EXPECT_EQ(capture.messages(), QStringList({"first", "second é"}));
    EXPECT_EQ(capture.messageKinds(), QList({MessageKind::Plain, MessageKind::Error}));
    EXPECT_EQ(capture.count(), 2);
    capture.clear();
    EXPECT_EQ(capture.count(), 0);
    EXPECT_TRUE(capture.messageKinds().isEmpty());
}

TEST(MessageCapture, NestedCaptureHandsBackToTheOuterOne)
{
    MessageCapture outer;
    {
        MessageCapture inner;
        ShowMessage(QStringLiteral("inner"));
        EXPECT_EQ(inner.messages(), QStringList{"inner"});
    }
    ShowMessage(QStringLiteral("outer"));
    EXPECT_EQ(outer.messages(), QStringList{"outer"});
}

TEST(MessageBoxHandler, HandlerMayReplaceItselfWhileRunning)
{
    MessageCapture capture;
    MessageBoxHandler outer;
    outer = setMessageBoxHandler([&](const QString& text, MessageKind kind) {
        setMessageBoxHandler(std::move(outer));
        ShowMessage(text + QStringLiteral(" forwarded"), kind);
    });
    ShowMessage(QStringLiteral("once"));
    ShowMessage(QStringLiteral("twice"));
    EXPECT_EQ(capture.messages(), QStringList({"once forwarded", "twice"}));
}

// Other tests of this program create the application object, after which the
// default handler would open a modal box. The check therefore runs in a fresh
// copy of the program ("threadsafe" death tests start one), where no test has
// created it.
TEST(MessageBoxHandler, DefaultWithoutApplicationWritesToStderr)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setMessageBoxHandler({});
            if (QCoreApplication::instance())
                std::_Exit(2);
            ShowMessage(QStringLiteral("no window here"));
            std::fflush(stderr);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "no window here");
}

TEST(MessageCapture, RecordsQuestionsAndMissingFilesApartFromTheMessages)
{
    MessageCapture capture;
    EXPECT_FALSE(AskYesNo(QStringLiteral("Stop?"), MessageKind::Warning)) << "no until told otherwise";
    capture.answerQuestions(true);
    EXPECT_TRUE(AskYesNo(QStringLiteral("Really?"), MessageKind::Information));
    ReportMissingFile(QStringLiteral("/data/graphisme/splash.bmp"));
    EXPECT_EQ(capture.questions(), QStringList({"Stop?", "Really?"}));
    EXPECT_EQ(capture.questionKinds(), QList({MessageKind::Warning, MessageKind::Information}));
    EXPECT_EQ(capture.missingFiles(), QStringList{"/data/graphisme/splash.bmp"});
    EXPECT_EQ(capture.count(), 0);
}

TEST(MessageBoxHandler, WithoutApplicationMissingFilesAndQuestionsGoToStderr)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setMissingFileHandler({});
            setYesNoHandler({});
            if (QCoreApplication::instance())
                std::_Exit(2);
            ReportMissingFile(QStringLiteral("/x/accueil.bmp"));
            const bool yes = AskYesNo(QStringLiteral("Go on?"), MessageKind::Warning);
            std::fflush(stderr);
            std::_Exit(yes ? 3 : 0);
        },
        testing::ExitedWithCode(0), "Fichier /x/accueil.bmp absent. Non Charg.*Go on\\?");
}

// Two copies of the game on one screen: each box opens over its own
// program's main window, not in the middle of the screen, and shows the
// icon and the buttons of its kind.
TEST(MessageBoxHandler, DefaultBoxOpensCentredOnTheMainWindowWithTheIconOfItsKind)
{
    ensureWidgetsApp();
    MessageBoxHandler previousBox = setMessageBoxHandler({});
    YesNoHandler previousYesNo = setYesNoHandler({});
    QWidget left;
    QWidget right;
    left.setGeometry(0, 0, 400, 300);
    right.setGeometry(400, 300, 400, 300);
    left.show();
    right.show();

    struct Seen {
        QPoint centre;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    QList<Seen> seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.append({box->frameGeometry().center(), box->icon(), box->standardButtons()});
        QAbstractButton* answer = box->button(QMessageBox::Yes);
        (answer ? answer : box->button(QMessageBox::Ok))->click();
    });
    poll.start();

    setMessageParent(&left);
    ShowMessage(QStringLiteral("Over the left window"), MessageKind::Error);
    setMessageParent(&right);
    const bool yes = AskYesNo(QStringLiteral("Over the right window?"), MessageKind::Information);
    setMessageParent(nullptr);
    poll.stop();
    setYesNoHandler(std::move(previousYesNo));
    setMessageBoxHandler(std::move(previousBox));

    ASSERT_EQ(seen.size(), 2);
    EXPECT_TRUE(yes);
    EXPECT_NEAR(seen[0].centre.x(), 200, 1);
    EXPECT_NEAR(seen[0].centre.y(), 150, 1);
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_NEAR(seen[1].centre.x(), 600, 1);
    EXPECT_NEAR(seen[1].centre.y(), 450, 1);
    EXPECT_EQ(seen[1].icon, QMessageBox::Information);
    EXPECT_EQ(seen[1].buttons, QMessageBox::Yes | QMessageBox::No);
}
