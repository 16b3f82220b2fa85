#pragma once

#include <QByteArray>
#include <QString>

// Whole-file input and output for the exchange formats. Files are opened,
// used and closed within one call.
namespace FileAccess {

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxImportBytes = qint64(256) << 20;

// Only regular files are read (see RegularFile), and export targets that
// exist must be regular files too.

// Reads the whole file; throws EReadError naming the file and the reason
// when it cannot be opened or read, or is larger than kMaxImportBytes.
QByteArray ReadImportFile(const QString& path);

// Writes the text as UTF-8 through a temporary file that replaces the
// target only when complete, so a failure leaves an existing file whole.
// Throws EZendrivoError naming the file and the reason.
void WriteTextFile(const QString& path, const QString& text);

} // namespace FileAccess
