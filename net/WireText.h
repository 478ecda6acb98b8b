#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

// Text on the wire is Windows-1252, one byte per character. Every piece of
// text that goes into a datagram is encoded here, so that a character the
// code page lacks (Ł, ř, Cyrillic, an emoji) travels as "?" instead of the
// encoder's substitute byte 0x1A, which receivers drop as a control character.

// Text with every character outside Windows-1252 replaced by one "?" (an
// emoji made of a surrogate pair gives a single "?"). Its length is the
// number of bytes it takes on the wire.
QString WireText(const QString& text);

// WireText(text) in Windows-1252 bytes.
QByteArray ToWire(const QString& text);
QString FromWire(std::string_view bytes);

// Why a player's name cannot be sent as it is. A name must be non-empty,
// take at most 255 bytes on the wire and hold no control character (a
// CR LF would split a roster line); any peer drops one that breaks a rule.
enum class NameFault { None, Empty, TooLong, ControlCharacter };
NameFault CheckName(const QString& name);
