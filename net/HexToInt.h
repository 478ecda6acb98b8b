#pragma once

#include <QString>

// Reads Text as a hexadecimal integer (digits of either case, up to 32 bits,
// two's complement above 7FFFFFFF). Anything else raises EConvertError.
int HexToInt(const QString& Text);

// Text as hexadecimal, upper case, zero-padded to at least Digits; a negative
// value is always its 8-digit two's complement.
QString IntToHex(int Value, int Digits);
