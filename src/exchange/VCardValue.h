#pragma once

#include "exchange/VCardHead.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Decoding and splitting of card values.
namespace VCardValue {

// How a value's separators may be escaped, by the card's version.
enum class Escapes {
    Plain,     // no version line (our own files): double quotes shield separators, and
               // \, \; \\ \" \n \N as in 3.0 (our writer escapes so)
    Version21, // as Plain, and "\;" is a literal semicolon
    Version3,  // 3.0 and 4.0: \, \; \: \\ \" \n \N; only ";" separates, double quotes are text
};

// Undoes quoted-printable "=XX" escapes; a "=" not followed by two hex digits stays.
QByteArray DecodeQuotedPrintable(QByteArrayView bytes);

// The value bytes as text: quoted-printable undone when the head says so,
// then decoded in the head's character set (UTF-8, falling back to
// Windows-1252, when none is named or the named one is unknown).
QString Decode(QByteArrayView bytes, const VCardHead& head);
// Appends what Decode gives to out.
void AppendDecoded(QByteArrayView bytes, const VCardHead& head, QString& out);

// Leading blanks dropped, then split at unescaped separators into values,
// which are appended to values as views: into text where a value stands as
// it is, else into room (which holds text.size() characters), where the
// unescaped values are written one after another.
void Split(QStringView text, Escapes escapes, QChar* room, std::vector<QStringView>& values);

} // namespace VCardValue
