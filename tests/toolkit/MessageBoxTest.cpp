#include "DrawingTestSupport.h"
#include "MessageBox.h"
#include "MessageCapture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
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

// With two copies of the game on one screen, each box opens over its own
// program's main window, and shows the icon and the buttons of its kind.
TEST(MessageBoxHandler, DefaultBoxOpensCentredOnTheMainWindowWithTheIconOfItsKind)
{
    ensureWidgetsApp();
    MessageBoxHandler previousBox = setMessageBoxHandler({});
    YesNoHandler previousYesNo = setYesNoHandler({});
    QWidget main; // in the lower right quarter of the screen
    main.setGeometry(400, 300, 400, 300);
    main.show();
    const struct {
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    } expected[] = {{QMessageBox::Critical, QMessageBox::Ok},
                    {QMessageBox::Information, QMessageBox::Yes | QMessageBox::No}};
    int seen = 0;
    QTimer poll; // checks each box shown, then answers it Yes or OK
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const auto& e = expected[std::min(seen++, 1)];
        EXPECT_NEAR(box->frameGeometry().center().x(), 600, 1) << seen;
        EXPECT_NEAR(box->frameGeometry().center().y(), 450, 1) << seen;
        EXPECT_EQ(box->icon(), e.icon) << seen;
        EXPECT_EQ(box->standardButtons(), e.buttons) << seen;
        QAbstractButton* answer = box->button(QMessageBox::Yes);
        (answer ? answer : box->button(QMessageBox::Ok))->click();
    });
    poll.start(5);

    setMessageParent(&main);
    ShowMessage(QStringLiteral("Over the main window"), MessageKind::Error);
    const bool yes = AskYesNo(QStringLiteral("Over the main window?"), MessageKind::Information);
    setMessageParent(nullptr);
    setYesNoHandler(std::move(previousYesNo));
    setMessageBoxHandler(std::move(previousBox));
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(yes);
}
