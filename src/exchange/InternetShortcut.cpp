#include "exchange/InternetShortcut.h"

#include "exchange/ImportFile.h"
#include "exchange/ImportLimits.h"
#include "model/TextCodec.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {
constexpr QStringView kSection = u"[InternetShortcut]";

QList<QString> ShortcutLines(QByteArrayView bytes)
{
    bytes = bytes.first(qMin<qsizetype>(bytes.size(), ImportLimits::kMaxShortcutBytes));
    const bool utf16le = bytes.startsWith("\xFF\xFE");
    if (utf16le || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decode(utf16le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = decode(bytes.sliced(2));
        QList<QString> lines = text.split(u'\n');
        for (QString& line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
        return lines;
    }
    return TextCodec::SplitLines(bytes);
}

struct Found
{
    bool url = false, workingDirectory = false, hotKey = false, showCommand = false;
};

void Take(QStringView name, QStringView value, ShortcutFields& fields, Found& found)
{
    const auto is = [&](QStringView key) { return name.compare(key, Qt::CaseInsensitive) == 0; };
    if (is(u"URL") && !found.url) {
        found.url = true;
        fields.url = value.toString();
    } else if (is(u"WorkingDirectory") && !found.workingDirectory) {
        found.workingDirectory = true;
        fields.workingDirectory = value.toString();
    } else if (is(u"HotKey") && !found.hotKey) {
        found.hotKey = true;
        bool ok = false;
        fields.hotKey = value.toInt(&ok);
        if (!ok)
            fields.hotKey = 0;
    } else if (is(u"ShowCommand") && !found.showCommand) {
        found.showCommand = true;
        bool ok = false;
        fields.showCommand = value.toInt(&ok);
        if (!ok)
            fields.showCommand = 1;
    }
}

ShortcutFields Read(const QList<QString>& lines, bool sectionOnly)
{
    ShortcutFields fields;
    Found found;
    bool inSection = !sectionOnly;
    for (const QString& raw : lines) {
        const QStringView line = QStringView(raw).trimmed();
        if (line.startsWith(u'[')) {
            if (sectionOnly)
                inSection = line.compare(kSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inSection || eq <= 0)
            continue;
        Take(line.first(eq).trimmed(), line.sliced(eq + 1).trimmed(), fields, found);
    }
    return fields;
}
} // namespace

ShortcutFields ParseShortcut(QByteArrayView bytes)
{
    const QList<QString> lines = ShortcutLines(bytes);
    bool hasSection = false;
    for (const QString& line : lines)
        hasSection = hasSection || QStringView(line).trimmed().compare(kSection, Qt::CaseInsensitive) == 0;
    return Read(lines, hasSection);
}

void TIShortCut::SetFileName(const QString& fileName)
{
    m_fileName = fileName;
    if (QFileInfo(m_fileName).suffix().compare(u"url", Qt::CaseInsensitive) != 0)
        m_fileName += u".url";
    if (QFileInfo(m_fileName).fileName().compare(u".url", Qt::CaseInsensitive) == 0)
        m_fileName.clear();
}

void TIShortCut::Load()
{
    m_fields = ParseShortcut(ReadImportFileHead(m_fileName, ImportLimits::kMaxShortcutBytes));
}
