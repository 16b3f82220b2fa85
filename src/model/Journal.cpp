#include "model/Journal.h"

#include "model/Crc32.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Journal {

namespace {
constexpr QByteArrayView kOpen = "{End of journal ";
constexpr QByteArrayView kClose = "}\r\n";
// "{End of journal 1234 0123abcd}\r\n": 16 + up to 19 + 1 + 8 + 3 bytes.
constexpr qsizetype kMaxTrailer = 64;

// Parses a closing line at the end of tail; the length of the line in *size.
bool ParseTrailer(QByteArrayView tail, qint64* bodySize, quint32* checksum, qsizetype* size)
{
    if (!tail.endsWith(kClose))
        return false;
    const qsizetype start = tail.lastIndexOf(kOpen);
    if (start < 0)
        return false;
    const QByteArrayView inner = tail.sliced(start + kOpen.size(), tail.size() - start - kOpen.size() - kClose.size());
    const qsizetype blank = inner.indexOf(' ');
    if (blank <= 0)
        return false;
    bool sizeOk = false;
    bool sumOk = false;
    const qint64 length = inner.first(blank).toLongLong(&sizeOk);
    const QByteArrayView hex = inner.sliced(blank + 1);
    const quint32 sum = hex.size() == 8 ? static_cast<quint32>(hex.toULong(&sumOk, 16)) : 0;
    if (!sizeOk || !sumOk || length < 0)
        return false;
    *bodySize = length;
    *checksum = sum;
    *size = tail.size() - start;
    return true;
}
} // namespace

quint32 Checksum(QByteArrayView bytes)
{
    return Crc32::Update(0, bytes.data(), static_cast<std::size_t>(bytes.size()));
}

QByteArray ClosingLine(QByteArrayView database)
{
    return ClosingLine(database.size(), Checksum(database));
}

QByteArray ClosingLine(qint64 size, quint32 checksum)
{
    QByteArray line;
    line.reserve(kMaxTrailer);
    line.append(kOpen);
    line.append(QByteArray::number(size));
    line.append(' ');
    line.append(QByteArray::number(checksum, 16).rightJustified(8, '0'));
    line.append(kClose);
    return line;
}

QByteArray Seal(QByteArrayView database)
{
    QByteArray out;
    out.reserve(database.size() + kMaxTrailer);
    out.append(database);
    out.append(ClosingLine(database));
    return out;
}

QByteArray Unseal(QByteArrayView journal)
{
    qint64 bodySize = 0;
    quint32 checksum = 0;
    qsizetype trailer = 0;
    const QByteArrayView tail = journal.last(std::min(journal.size(), kMaxTrailer));
    if (!ParseTrailer(tail, &bodySize, &checksum, &trailer))
        return {};
    if (bodySize != journal.size() - trailer)
        return {};
    const QByteArrayView body = journal.first(journal.size() - trailer);
    if (Checksum(body) != checksum)
        return {};
    return body.isEmpty() ? QByteArray("", 0) : body.toByteArray();
}

Trailer ReadTrailer(const QString& path)
{
    Trailer result;
    const QFileInfo info(path);
    if (!info.isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - kMaxTrailer)))
        return result;
    const QByteArray tail = file.read(kMaxTrailer);
    qsizetype trailer = 0;
    if (!ParseTrailer(tail, &result.bodySize, &result.checksum, &trailer) || result.bodySize != size - trailer)
        return result;
    result.found = true;
    result.modified = info.lastModified();
    return result;
}

} // namespace Journal
