#include "HostingInfoUnit.h"
#include "Random.h"

#include <gtest/gtest.h>

TEST(HostingInfo, DefaultsAndAHostedGameWithItsRoster)
{
    const THostingInfo empty;
    EXPECT_EQ(empty.GameId, -1);
    EXPECT_EQ(empty.GameType, 1);
    EXPECT_EQ(empty.Port, 0);
    EXPECT_TRUE(empty.Players.isEmpty());

    FixRandomSeed(7);
    THostingInfo hosted = THostingInfo::CreateHosted(2, 12000);
    ReleaseRandomSeed();
    EXPECT_GE(hosted.GameId, 0);
    EXPECT_LE(hosted.GameId, 2147483646);
    EXPECT_EQ(hosted.GameType, 2);
    EXPECT_EQ(hosted.Port, 12000);

    EXPECT_EQ(hosted.AddPlayer(QStringLiteral("127.0.0.1"), 12000, QStringLiteral("Host")), 0);
    EXPECT_EQ(hosted.AddPlayer(QStringLiteral("192.0.2.7"), 80, QStringLiteral("Ann=Lee")), 1);
    EXPECT_EQ(hosted.Players[0], QStringLiteral("2EE0127.0.0.1=Host"));
    // Only the first "=" separates: the name keeps its own.
    EXPECT_EQ(hosted.Players[1], QStringLiteral("0050192.0.2.7=Ann=Lee"));
    EXPECT_EQ(hosted.Players[1].section(QLatin1Char('='), 1), QStringLiteral("Ann=Lee"));
    EXPECT_EQ(hosted.GetPlayersText(), QStringLiteral("2EE0127.0.0.1=Host\r\n0050192.0.2.7=Ann=Lee\r\n"));
}
