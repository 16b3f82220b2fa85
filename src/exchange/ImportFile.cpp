#include "exchange/ImportFile.h"

#include "model/RegularFile.h"

QByteArray ReadImportFile(const QString& path, qint64 maxBytes)
{
    return RegularFile::Read(path, maxBytes);
}

QByteArray ReadImportFileHead(const QString& path, qint64 maxBytes)
{
    return RegularFile::ReadHead(path, maxBytes);
}
