#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// Splits a browser page into decoded lines. A line that is valid UTF-8 reads
// as UTF-8; other lines read in the page's declared 8-bit character set: Mac
// Roman for the "x-mac-roman", "macintosh" and "x-mac-system" pages of Mac
// browsers, Windows-1252 otherwise. A UTF-8 byte order mark is skipped; a file
// without any LF is split at CRs, as classic Mac programs wrote them.
namespace HtmlLines {

QList<QString> Split(QByteArrayView bytes);

// Decodes bytes as Mac Roman.
QString DecodeMacRoman(QByteArrayView bytes);

} // namespace HtmlLines
