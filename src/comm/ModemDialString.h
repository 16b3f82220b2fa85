#pragma once

#include <QByteArray>
#include <QString>

// Turns a dial string into the digits of a Hayes dial command: digits, "*",
// "#", "," (pause), "W" (wait for dial tone), "$" (wait for the card tone),
// "@" (wait for quiet) and "!" (flash) pass; "?" (where the user would be
// asked to go on) becomes a pause; blanks and separators go. Anything else,
// a control character above all, would let the number reach the modem as a
// command of its own, so a dial string holding it is refused.
namespace ModemDialString {

// Longest dial part a modem's command line takes.
inline constexpr int MaxLength = 60;

// The digits to send, or empty when the string cannot be dialed.
QByteArray FromDialString(const QString& dialString);

} // namespace ModemDialString
