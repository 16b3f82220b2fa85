#include "platform/TextFileStore.h"

#include "model/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFileStore {

std::optional<QList<QString>> ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QList<QString>();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return TextCodec::SplitLines(bytes);
}

bool WriteLines(const QString& path, const QList<QString>& lines)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += TextCodec::Encode(line);
        bytes += TextCodec::kLineEnd;
    }
    // Unbuffered: a buffered write hides a short write (a full disk, a size
    // limit) from both write() and commit(), which would then replace the old
    // file with a cut-off one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace TextFileStore
