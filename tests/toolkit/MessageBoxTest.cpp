#include "MessageBox.h"
#include "MessageCapture.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(MessageCapture, RecordsMessagesInOrderWhileAlive)
{
    MessageCapture capture;
    ShowMessage(QStringLiteral("first"));
    ShowMessage(QStringLiteral("second é"));
    EXPECT_EQ(capture.messages(), QStringList({"first", "second é"}));
    EXPECT_EQ(capture.count(), 2);
    capture.clear();
    EXPECT_EQ(capture.count(), 0);
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
    outer = setMessageBoxHandler([&](const QString& text) {
        setMessageBoxHandler(std::move(outer));
        ShowMessage(text + QStringLiteral(" forwarded"));
    });
    ShowMessage(QStringLiteral("once"));
    ShowMessage(QStringLiteral("twice"));
    EXPECT_EQ(capture.messages(), QStringList({"once forwarded", "twice"}));
}

TEST(MessageBoxHandler, DefaultWithoutApplicationWritesToStderr)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an earlier test of this process created the application";
    MessageBoxHandler previous = setMessageBoxHandler({});
    testing::internal::CaptureStderr();
    ShowMessage(QStringLiteral("no window here"));
    const std::string err = testing::internal::GetCapturedStderr();
    setMessageBoxHandler(std::move(previous));
    EXPECT_NE(err.find("no window here"), std::string::npos);
}

TEST(MessageCapture, RecordsQuestionsAndMissingFilesApartFromTheMessages)
{
    MessageCapture capture;
    EXPECT_FALSE(AskYesNo(QStringLiteral("Stop?"))) << "no until told otherwise";
    capture.answerQuestions(true);
    EXPECT_TRUE(AskYesNo(QStringLiteral("Really?")));
    ReportMissingFile(QStringLiteral("/data/graphisme/splash.bmp"));
    EXPECT_EQ(capture.questions(), QStringList({"Stop?", "Really?"}));
    EXPECT_EQ(capture.missingFiles(), QStringList{"/data/graphisme/splash.bmp"});
    EXPECT_EQ(capture.count(), 0);
}

TEST(MessageBoxHandler, WithoutApplicationMissingFilesAndQuestionsGoToStderr)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "an earlier test of this process created the application";
    MissingFileHandler previousMissing = setMissingFileHandler({});
    YesNoHandler previousYesNo = setYesNoHandler({});
    testing::internal::CaptureStderr();
    ReportMissingFile(QStringLiteral("/x/accueil.bmp"));
    const bool yes = AskYesNo(QStringLiteral("Go on?"));
    const std::string err = testing::internal::GetCapturedStderr();
    setYesNoHandler(std::move(previousYesNo));
    setMissingFileHandler(std::move(previousMissing));
    EXPECT_FALSE(yes);
    EXPECT_NE(err.find("Fichier /x/accueil.bmp absent. Non Chargé..\n"), std::string::npos);
    EXPECT_NE(err.find("Go on?"), std::string::npos);
}
