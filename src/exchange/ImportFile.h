#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file for an import. Throws EReadError naming the file when it
// cannot be opened or read, or when it is larger than maxBytes.
QByteArray ReadImportFile(const QString& path, qint64 maxBytes);

// Reads at most maxBytes from the start of a file; what lies beyond is not
// looked at. Throws EReadError when the file cannot be opened or read.
QByteArray ReadImportFileHead(const QString& path, qint64 maxBytes);
