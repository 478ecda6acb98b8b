#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The scrolling title: one element a character of
// "<title>  (mm:ss)  **  ", the time rounded to the nearest second (a half
// to the even one), the minutes in at least two digits.
QStringList scrollCharsFor(const QString& title, std::int64_t lengthMs);

// The text a title tick shows with the first element at `pos`: a title of 26
// elements or fewer rotated whole, a longer one 26 elements at a time,
// wrapping round to the start when its end is reached.
QString scrollWindow(const QStringList& chars, int pos);

inline constexpr int kScrollWidth = 26;
