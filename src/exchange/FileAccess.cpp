#include "exchange/FileAccess.h"

#include "model/Exceptions.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileAccess {

QByteArray ReadImportFile(const QString& path)
{
    // A directory opens like a file and reads as nothing; say what it is.
    if (QFileInfo(path).isDir())
        throw EReadError(QStringLiteral("Cannot read %1: it is a directory").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxImportBytes)
        throw EReadError(QStringLiteral("Cannot read %1: the file is larger than %2 MB")
                             .arg(path)
                             .arg(kMaxImportBytes >> 20));
    QByteArray bytes = file.read(kMaxImportBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw EReadError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > kMaxImportBytes)
        throw EReadError(QStringLiteral("Cannot read %1: the file is larger than %2 MB")
                             .arg(path)
                             .arg(kMaxImportBytes >> 20));
    return bytes;
}

void WriteTextFile(const QString& path, const QString& text)
{
    const QByteArray bytes = TextCodec::Encode(text);
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        throw EZendrivoError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}

} // namespace FileAccess
