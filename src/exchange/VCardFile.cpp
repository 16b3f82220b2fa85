#include "exchange/VCardFile.h"

#include "exchange/CardFilePieces.h"
#include "exchange/VCardParser.h"
#include "model/Exceptions.h"
#include "model/RegularFile.h"


namespace {
[[noreturn]] void Fail(const QString& name)
{
    throw EReadError(QStringLiteral("Unable to access the file: ") + name);
}
} // namespace

void TVCardFile::Read()
{
    ReadEach([this](TCard& card) { m_cards.push_back(std::move(card)); });
}

void TVCardFile::ReadEach(const std::function<void(TCard&)>& take)
{
    CardFilePieces file;
    QString error;
    switch (file.Open(Filename, kMaxFileBytes, error)) {
    case RegularFile::ReadStatus::Read: break;
    case RegularFile::ReadStatus::Missing: Fail(Filename);
    case RegularFile::ReadStatus::Failed: throw EReadError(error);
    }
    VCardParser::Parse(file, take, &m_dropped);
}

void TVCardFile::ReadBytes(QByteArrayView bytes)
{
    VCardParser::Parse(bytes, m_cards, &m_dropped);
}

QStringList TVCardFile::Warnings() const
{
    return VCardParser::Describe(m_dropped);
}

void TVCardFile::Write() const
{
    CardText::Save(Filename, m_cards);
}
