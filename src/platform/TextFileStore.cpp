#include "platform/TextFileStore.h"

#include "model/RegularFile.h"
#include "model/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFileStore {

namespace {
// Settings files are small; anything larger is not one of ours.
constexpr qint64 kMaxBytes = qint64(16) << 20;
} // namespace

std::optional<QList<QString>> ReadLines(const QString& path)
{
    QByteArray bytes;
    QString error;
    switch (RegularFile::TryRead(path, kMaxBytes, bytes, error)) {
    case RegularFile::ReadStatus::Missing: return QList<QString>();
    case RegularFile::ReadStatus::Failed: return std::nullopt;
    case RegularFile::ReadStatus::Read: break;
    }
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
