#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

// Text rules shared by the item classes and the record format.
namespace TextRules {

// Texts are stored unescaped between "~~" separators, one record a line, so
// a text entering the model loses what would break its record: a line break
// becomes a blank, a run of "~" shrinks to one, and a "~" at the end goes
// (it would join the separator that follows it).
QString Clean(const QString& text);
// The same, taking over a text that needs nothing done.
QString Clean(QString&& text);
// Clean for a text that is not empty. Clean itself is inline, so that the
// empty texts most items are made with (their comments) cost no call: an
// import makes items by the ten thousand.
QString CleanFilled(const QString& text);
QString CleanFilled(QString&& text);
inline QString Clean(const QString& text)
{
    return text.isEmpty() ? text : CleanFilled(text);
}
inline QString Clean(QString&& text)
{
    return text.isEmpty() ? std::move(text) : CleanFilled(std::move(text));
}
// The same for a field read from a record; the result comes from
// SharedTexts, so equal short fields of a load share one copy.
QString CleanField(QStringView field);

// Splits at each "~~"; the remainder is the last field (a~~b gives two
// fields, a~~b~~ three, the third empty).
QList<QString> SplitFields(QStringView text);
// The same as views into the text, without an allocation for up to 16 fields.
using FieldViews = QVarLengthArray<QStringView, 16>;
void SplitFieldViews(QStringView text, FieldViews& fields);

// The record format's integer rule: blanks, an optional sign or "$" for
// hexadecimal, digits. An incomplete text gives the value of the digits read
// so far (or before the 32-bit range would be exceeded) without the minus sign.
std::int32_t ParseInteger(QStringView text);

// Strict variant for headers: the number of characters consumed and whether
// any digit was read. Leading blanks are skipped.
struct ScannedInteger
{
    std::int32_t value = 0;
    qsizetype consumed = 0;
    bool ok = false;
};
ScannedInteger ScanInteger(QStringView text);

// True for texts of more than 7 characters that begin, ignoring case, with
// http:, https:, ftp:, ftps:, sftp:, file:, mailto:, news:, irc:, ircs:,
// wais:, gopher: or telnet:.
bool IsUrl(const QString& text);

// An Internet mail address is one that contains "@".
bool IsInternetMail(const QString& address);

// The decimal digits of the value (with "-" when negative), as
// QString::number writes them, in the room given, without a string of
// their own.
using NumberRoom = std::array<char16_t, 21>;
QStringView NumberText(std::int64_t value, NumberRoom& room);
// The same digits as bytes, for text that is written as UTF-8.
using NumberBytes = std::array<char, 21>;
std::string_view NumberText(std::int64_t value, NumberBytes& room);
inline void AppendNumber(QString& out, std::int64_t value)
{
    NumberRoom room;
    out.append(NumberText(value, room));
}

// Every character other than 0 to 9 removed.
QString DigitsOnly(QStringView text);

// Orders two texts as QString::compare without case does (the sign of the
// result is the same), comparing ASCII letters directly: sorting thousands
// of titles spends most of its time here.
int CompareWithoutCase(QStringView a, QStringView b);

// The first sixteen characters of a text, packed for CompareWithoutCase:
// most titles are shorter or differ within them, and comparing numbers
// spares a sort reading the texts themselves from all over memory.
struct CasePrefix
{
    std::uint64_t high = 0; // a byte per character as compared without case (A and a as a, Ë and ë as ë), 0 past the end
    std::uint64_t low = 0;  // the characters after the first eight
    int exact = 0;          // leading characters held: up to the first NUL or one that compares beyond Latin-1
    bool whole = false;     // the text is all held
};
CasePrefix CasePrefixOf(QStringView text);
// The same order as CompareWithoutCase(a, b), where pa and pb are the
// prefixes of a and b.
int CompareWithoutCase(const CasePrefix& pa, QStringView a, const CasePrefix& pb, QStringView b);

} // namespace TextRules
