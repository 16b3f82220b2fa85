#include "exchange/FileAccess.h"

#include "model/Exceptions.h"
#include "model/RegularFile.h"
#include "model/TextCodec.h"

#include <QSaveFile>

namespace FileAccess {

QByteArray ReadImportFile(const QString& path)
{
    return RegularFile::Read(path, kMaxImportBytes);
}

void WriteTextFile(const QString& path, const QString& text)
{
    // Only a regular file is written over; through a link, the file it names.
    RegularFile::CheckWriteTarget(path);
    const QByteArray bytes = TextCodec::Encode(text);
    QSaveFile file(RegularFile::ResolvedWriteTarget(path));
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
