#include "exchange/VCardFile.h"

#include "exchange/VCardParser.h"
#include "model/Exceptions.h"

#include <QFile>

namespace {
[[noreturn]] void Fail(const QString& name)
{
    throw EReadError(QStringLiteral("Unable to access the file: ") + name);
}
} // namespace

void TVCardFile::Read()
{
    QFile file(Filename);
    if (!file.open(QIODevice::ReadOnly))
        Fail(Filename);
    if (file.size() > kMaxFileBytes)
        throw EReadError(QStringLiteral("The file is too large to be a card file: ") + Filename);
    QByteArray bytes;
    bytes.reserve(file.size());
    char buffer[1 << 16];
    bool failed = false;
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > kMaxFileBytes)
            throw EReadError(QStringLiteral("The file is too large to be a card file: ") + Filename);
        bytes.append(buffer, got);
    }
    // What was read before a failure still counts; a card cut short ends
    // at the end of the bytes.
    ReadBytes(bytes);
    if (failed)
        Fail(Filename);
}

void TVCardFile::ReadBytes(QByteArrayView bytes)
{
    VCardParser::Parse(bytes, m_cards);
}

void TVCardFile::Write() const
{
    CardText::Save(Filename, m_cards);
}
