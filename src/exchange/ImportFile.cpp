#include "exchange/ImportFile.h"

#include "model/Exceptions.h"

#include <QFile>
#include <QFileInfo>

namespace {
QByteArray ReadAtMost(const QString& path, qint64 maxBytes)
{
    if (QFileInfo(path).isDir())
        throw EReadError(QStringLiteral("Cannot open %1: it is a directory").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return bytes;
}
} // namespace

QByteArray ReadImportFile(const QString& path, qint64 maxBytes)
{
    QByteArray bytes = ReadAtMost(path, maxBytes + 1);
    if (bytes.size() > maxBytes)
        throw EReadError(QStringLiteral("%1 is too large to import (more than %2 bytes)").arg(path).arg(maxBytes));
    return bytes;
}

QByteArray ReadImportFileHead(const QString& path, qint64 maxBytes)
{
    return ReadAtMost(path, maxBytes);
}
