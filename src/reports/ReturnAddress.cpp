#include "reports/ReturnAddress.h"

#include "model/TextCodec.h"
#include "platform/TextFileStore.h"

#include <QFile>
#include <QFileInfo>

namespace ReturnAddress {

QString DefaultPath()
{
    return QStringLiteral("ret_addr.dat");
}

std::optional<QStringList> Load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringList();
    if (!info.isFile() || info.size() > kMaxFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return std::nullopt;
    return QStringList(TextCodec::SplitLines(bytes));
}

bool Save(const QString& path, const QStringList& lines)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    return TextFileStore::WriteLines(path, lines);
}

} // namespace ReturnAddress
