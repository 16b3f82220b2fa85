#pragma once

#include <QString>

// Decodes the encoded words of a header value ("=?charset?B?...?=" and
// "=?charset?Q?...?="). Blanks between two encoded words are dropped; text
// that is not a well-formed encoded word stays as it is.
QString DecodeEncodedWords(const QString& value);
