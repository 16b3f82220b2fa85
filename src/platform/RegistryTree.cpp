#include "platform/RegistryTree.h"

#include <utility>

namespace {

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Escape(const QString& text, QStringView special)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'%' || special.contains(c))
            out += u'%' + QStringLiteral("%1").arg(static_cast<int>(c.unicode()), 2, 16, QChar(u'0')).toUpper();
        else
            out += c;
    }
    return out;
}

int HexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            const int high = HexDigit(text[i + 1]);
            const int low = HexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += QChar(char16_t(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Key names never hold "\"; the brackets would end the header early.
constexpr QStringView kKeySpecial = u"[]";
// "=" ends the name; a leading "[" or ";" would read as a header or comment.
constexpr QStringView kValueNameSpecial = u"=[;";

QString DataText(const RegistryTree::Data& data)
{
    if (const auto* text = std::get_if<QString>(&data))
        return QStringLiteral("string:") + Escape(*text, {});
    if (const auto* number = std::get_if<qint32>(&data))
        return QStringLiteral("integer:") + QString::number(*number);
    return QStringLiteral("binary:") + QString::fromLatin1(std::get<QByteArray>(data).toHex());
}

std::optional<RegistryTree::Data> ParseData(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QStringView type = text.first(colon);
    const QStringView payload = text.sliced(colon + 1);
    if (type == u"string")
        return RegistryTree::Data(Unescape(payload));
    if (type == u"integer") {
        bool ok = false;
        const qint32 number = payload.toInt(&ok);
        if (ok)
            return RegistryTree::Data(number);
        return std::nullopt;
    }
    if (type == u"binary")
        return RegistryTree::Data(QByteArray::fromHex(payload.toLatin1()));
    return std::nullopt;
}

void AppendValues(QList<QString>& lines, const RegistryTree::Key& key)
{
    for (const RegistryTree::Value& value : key.values)
        lines.append(Escape(value.name, kValueNameSpecial) + u'=' + DataText(value.data));
}

void AppendSubKeys(QList<QString>& lines, const RegistryTree::Key& key, const QString& path)
{
    for (const auto& sub : key.subKeys) {
        const QString escaped = Escape(sub->name, kKeySpecial);
        const QString subPath = path.isEmpty() ? escaped : path + u'\\' + escaped;
        lines.append(u'[' + subPath + u']');
        AppendValues(lines, *sub);
        AppendSubKeys(lines, *sub, subPath);
    }
}

} // namespace

RegistryTree::Key* RegistryTree::Key::SubKey(const QString& subKeyName) const
{
    for (const auto& sub : subKeys) {
        if (SameName(sub->name, subKeyName))
            return sub.get();
    }
    return nullptr;
}

RegistryTree::Key& RegistryTree::Key::AddSubKey(const QString& subKeyName)
{
    subKeys.push_back(std::make_unique<Key>());
    subKeys.back()->name = subKeyName;
    return *subKeys.back();
}

const RegistryTree::Value* RegistryTree::Key::FindValue(const QString& valueName) const
{
    for (const Value& value : values) {
        if (SameName(value.name, valueName))
            return &value;
    }
    return nullptr;
}

void RegistryTree::Key::SetValue(const QString& valueName, Data data)
{
    for (Value& value : values) {
        if (SameName(value.name, valueName)) {
            value.data = std::move(data);
            return;
        }
    }
    values.append(Value{valueName, std::move(data)});
}

QStringList RegistryTree::SplitPath(const QString& path)
{
    return path.split(u'\\', Qt::SkipEmptyParts);
}

RegistryTree::Key* RegistryTree::Find(const QStringList& path, bool create)
{
    Key* key = &m_root;
    for (const QString& part : path) {
        Key* sub = key->SubKey(part);
        if (!sub) {
            if (!create)
                return nullptr;
            sub = &key->AddSubKey(part);
        }
        key = sub;
    }
    return key;
}

void RegistryTree::Parse(const QList<QString>& lines)
{
    // Lines that do not parse are skipped, so a damaged file loses only them.
    Key* current = &m_root;
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            QStringList path;
            for (const QString& part : SplitPath(line.sliced(1, line.size() - 2)))
                path.append(Unescape(part));
            current = Find(path, true);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (auto data = ParseData(QStringView(line).sliced(equals + 1)))
            current->SetValue(Unescape(QStringView(line).first(equals)), std::move(*data));
    }
}

QList<QString> RegistryTree::Lines() const
{
    QList<QString> lines;
    AppendValues(lines, m_root);
    AppendSubKeys(lines, m_root, {});
    return lines;
}
