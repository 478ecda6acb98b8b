#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    const QString text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.mid(0x80, 1), QString::fromUtf8("€")); // the Windows row, not Latin-1
    EXPECT_EQ(encodeCp1252(text), all);

    // U+0100, a Greek letter, an emoji (a surrogate pair) and a lone surrogate.
    const QString outside = QString::fromUtf8("a\u0100b\u03a9c\U0001F600d") + QChar(0xD800);
    EXPECT_EQ(encodeCp1252(outside), QByteArray("a?b?c?d?"));
}

} // namespace
