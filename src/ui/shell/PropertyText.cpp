#include "ui/shell/PropertyText.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLocale>
#include <QMetaEnum>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>

#include <bit>
#include <cstring>

namespace PropertyText {
namespace {

const QChar kListSeparator = u'|';

// Enumerations and flag sets of any underlying size, read from the variant's storage.
qint64 RawEnumValue(const QVariant& value)
{
    const QMetaType type = value.metaType();
    if (!(type.flags() & QMetaType::IsEnumeration))
        return value.toLongLong();
    switch (type.sizeOf()) {
    case 1: { qint8 v; std::memcpy(&v, value.constData(), 1); return v; }
    case 2: { qint16 v; std::memcpy(&v, value.constData(), 2); return v; }
    case 8: { qint64 v; std::memcpy(&v, value.constData(), 8); return v; }
    default: { qint32 v; std::memcpy(&v, value.constData(), 4); return v; }
    }
}

QVariant EnumVariant(const QMetaType& type, qint64 number)
{
    if (!(type.flags() & QMetaType::IsEnumeration))
        return QVariant(static_cast<int>(number));
    QVariant result(type);
    switch (type.sizeOf()) {
    case 1: { const auto v = static_cast<qint8>(number); std::memcpy(result.data(), &v, 1); break; }
    case 2: { const auto v = static_cast<qint16>(number); std::memcpy(result.data(), &v, 2); break; }
    case 8: std::memcpy(result.data(), &number, 8); break;
    default: { const auto v = static_cast<qint32>(number); std::memcpy(result.data(), &v, 4); break; }
    }
    return result;
}

// The property's enumerator; also resolves enums declared on another class or namespace.
QMetaEnum EnumeratorOf(const QMetaProperty& property)
{
    QMetaEnum e = property.enumerator();
    if (e.isValid())
        return e;
    const QMetaType type = property.metaType();
    if (const QMetaObject* scope = type.metaObject()) {
        QString name = QString::fromLatin1(type.name());
        name = name.mid(name.lastIndexOf(u':') + 1);
        const int index = scope->indexOfEnumerator(name.toLatin1().constData());
        if (index >= 0)
            return scope->enumerator(index);
    }
    return {};
}

QString SetText(const QMetaEnum& e, qint64 value)
{
    QStringList members;
    quint64 named = 0;
    for (int i = 0; i < e.keyCount(); ++i) {
        const auto bit = static_cast<quint64>(static_cast<quint32>(e.value(i)));
        // Single bits only, and each once: aliases (AlignLeading for AlignLeft) are skipped.
        if (std::popcount(bit) == 1 && (static_cast<quint64>(value) & bit) == bit && !(named & bit)) {
            members << QString::fromLatin1(e.key(i));
            named |= bit;
        }
    }
    return u'[' + members.join(u',') + u']';
}

std::optional<qint64> SetFromText(const QMetaEnum& e, const QString& text)
{
    QString inner = text.trimmed();
    if (inner.startsWith(u'['))
        inner.remove(0, 1);
    if (inner.endsWith(u']'))
        inner.chop(1);
    qint64 value = 0;
    const QStringList names = inner.split(u',', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        bool ok = false;
        const int member = e.keyToValue(name.trimmed().toLatin1().constData(), &ok);
        if (ok)
            value |= static_cast<quint32>(member);
    }
    return value;
}

QString ColorText(const QColor& color)
{
    if (color.alpha() == 255) {
        const QStringList names = QColor::colorNames();
        for (const QString& name : names)
            if (QColor::fromString(name) == color)
                return name;
        return color.name(QColor::HexRgb);
    }
    return color.name(QColor::HexArgb);
}

std::optional<QColor> ColorFromText(const QString& text)
{
    QColor color = QColor::fromString(text.trimmed());
    if (color.isValid())
        return color;
    bool ok = false;
    const uint number = text.trimmed().toUInt(&ok, 0);
    if (ok)
        return QColor::fromRgb(number);
    return std::nullopt;
}

QString CursorText(const QCursor& cursor)
{
    const QMetaEnum shapes = QMetaEnum::fromType<Qt::CursorShape>();
    if (const char* key = shapes.valueToKey(cursor.shape()))
        return QString::fromLatin1(key);
    return QString::number(cursor.shape());
}

std::optional<QCursor> CursorFromText(const QString& text)
{
    bool ok = false;
    int shape = QMetaEnum::fromType<Qt::CursorShape>().keyToValue(text.trimmed().toLatin1().constData(), &ok);
    if (!ok)
        shape = text.trimmed().toInt(&ok);
    if (!ok || shape < 0 || shape > Qt::LastCursor)
        return std::nullopt;
    return QCursor(static_cast<Qt::CursorShape>(shape));
}

QString Parts(std::initializer_list<int> parts)
{
    QString text;
    for (int part : parts)
        text += QString::number(part) + kListSeparator;
    return text;
}

// "1|2|3|" back to numbers; nullopt unless exactly `count` integers are present.
std::optional<QList<int>> PartsFromText(const QString& text, qsizetype count)
{
    QStringList fields = text.split(kListSeparator);
    if (!fields.isEmpty() && fields.last().trimmed().isEmpty())
        fields.removeLast();
    if (fields.size() != count)
        return std::nullopt;
    QList<int> numbers;
    for (const QString& field : fields) {
        bool ok = false;
        numbers << field.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

std::optional<double> DoubleFromText(const QString& text)
{
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<QVariant> Convert(const QMetaProperty& property, const QString& text, const ObjectLookup& lookup)
{
    const QMetaType type = property.metaType();
    if (property.isFlagType() || property.isEnumType() || (type.flags() & QMetaType::IsEnumeration)) {
        const QMetaEnum e = EnumeratorOf(property);
        if (!e.isValid())
            return std::nullopt;
        if (e.isFlag()) {
            const auto value = SetFromText(e, text);
            return value ? std::optional<QVariant>(EnumVariant(type, *value)) : std::nullopt;
        }
        bool ok = false;
        const int value = e.keyToValue(text.trimmed().toLatin1().constData(), &ok);
        return ok ? std::optional<QVariant>(EnumVariant(type, value)) : std::nullopt;
    }
    if (type.flags() & QMetaType::PointerToQObject) {
        QObject* target = nullptr;
        if (!text.trimmed().isEmpty()) {
            target = lookup ? lookup(text.trimmed()) : nullptr;
            if (!target || (type.metaObject() && !target->metaObject()->inherits(type.metaObject())))
                return std::nullopt;
        }
        return QVariant(type, &target);
    }
    bool ok = true;
    switch (type.id()) {
    case QMetaType::Bool:
        return QVariant(TextToBool(text));
    case QMetaType::Int: case QMetaType::Short: case QMetaType::Long: case QMetaType::SChar:
    case QMetaType::LongLong: {
        const qlonglong value = text.trimmed().toLongLong(&ok);
        const int bits = 8 * static_cast<int>(type.sizeOf());
        const bool fits = bits >= 64 || (value >= -(1LL << (bits - 1)) && value < (1LL << (bits - 1)));
        QVariant result(value);
        if (!ok || !fits || !result.convert(type))
            return std::nullopt;
        return result;
    }
    case QMetaType::UInt: case QMetaType::UShort: case QMetaType::ULong: case QMetaType::UChar:
    case QMetaType::ULongLong: {
        const qulonglong value = text.trimmed().toULongLong(&ok);
        const int bits = 8 * static_cast<int>(type.sizeOf());
        const bool fits = bits >= 64 || value < (1ULL << bits);
        QVariant result(value);
        if (!ok || !fits || !result.convert(type))
            return std::nullopt;
        return result;
    }
    case QMetaType::Char:
        if (text.isEmpty())
            return std::nullopt;
        return QVariant::fromValue(text.toLatin1().at(0));
    case QMetaType::QChar:
        if (text.isEmpty())
            return std::nullopt;
        return QVariant(text.at(0));
    case QMetaType::Double: case QMetaType::Float: {
        QVariant result;
        if (const auto value = DoubleFromText(text))
            result = *value;
        if (!result.isValid() || !result.convert(type))
            return std::nullopt;
        return result;
    }
    case QMetaType::QString:
        return QVariant(text);
    case QMetaType::QByteArray:
        return QVariant(text.toUtf8());
    case QMetaType::QStringList:
        return QVariant(text.isEmpty() ? QStringList() : text.split(kListSeparator));
    case QMetaType::QColor:
        if (const auto color = ColorFromText(text))
            return QVariant(*color);
        return std::nullopt;
    case QMetaType::QCursor:
        if (const auto cursor = CursorFromText(text))
            return QVariant(*cursor);
        return std::nullopt;
    case QMetaType::QFont: {
        QFont font;
        if (!font.fromString(text))
            return std::nullopt;
        return QVariant(font);
    }
    case QMetaType::QPoint:
        if (const auto p = PartsFromText(text, 2))
            return QVariant(QPoint(p->at(0), p->at(1)));
        return std::nullopt;
    case QMetaType::QSize:
        if (const auto p = PartsFromText(text, 2))
            return QVariant(QSize(p->at(0), p->at(1)));
        return std::nullopt;
    case QMetaType::QRect:
        if (const auto p = PartsFromText(text, 4))
            return QVariant(QRect(p->at(0), p->at(1), p->at(2), p->at(3)));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

bool TextToBool(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    return first == u'1' || first == u'T' || first == u't' || first == u'Y' || first == u'y';
}

QMetaProperty Find(const QObject* object, const QString& name)
{
    if (!object || name.isEmpty())
        return {};
    const QMetaObject* meta = object->metaObject();
    const int exact = meta->indexOfProperty(name.toLatin1().constData());
    if (exact >= 0)
        return meta->property(exact);
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (QString::fromLatin1(meta->property(i).name()).compare(name, Qt::CaseInsensitive) == 0)
            return meta->property(i);
    return {};
}

std::optional<QString> Read(const QObject* object, const QMetaProperty& property)
{
    if (!object || !property.isReadable())
        return std::nullopt;
    const QVariant value = property.read(object);
    if (!value.isValid())
        return std::nullopt;
    const QMetaType type = property.metaType();
    if (property.isFlagType() || property.isEnumType() || (type.flags() & QMetaType::IsEnumeration)) {
        const QMetaEnum e = EnumeratorOf(property);
        const qint64 number = RawEnumValue(value);
        if (!e.isValid())
            return QString::number(number);
        if (e.isFlag())
            return SetText(e, number);
        if (const char* key = e.valueToKey(static_cast<int>(number)))
            return QString::fromLatin1(key);
        return QString::number(number);
    }
    if (type.flags() & QMetaType::PointerToQObject) {
        const QObject* target = *static_cast<QObject* const*>(value.constData());
        return target ? target->objectName() : QString();
    }
    switch (type.id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int: case QMetaType::Short: case QMetaType::Long: case QMetaType::SChar:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UInt: case QMetaType::UShort: case QMetaType::ULong: case QMetaType::UChar:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Char:
        return QString(QChar::fromLatin1(value.value<char>()));
    case QMetaType::QChar:
        return QString(value.toChar());
    case QMetaType::Double: case QMetaType::Float:
        return QLocale::c().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    case QMetaType::QStringList:
        return value.toStringList().join(kListSeparator);
    case QMetaType::QColor:
        return ColorText(value.value<QColor>());
    case QMetaType::QCursor:
        return CursorText(value.value<QCursor>());
    case QMetaType::QFont:
        return value.value<QFont>().toString();
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return Parts({p.x(), p.y()});
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return Parts({s.width(), s.height()});
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return Parts({r.x(), r.y(), r.width(), r.height()});
    }
    default:
        return std::nullopt;
    }
}

bool Write(QObject* object, const QMetaProperty& property, const QString& text, const ObjectLookup& lookup)
{
    if (!object || !property.isWritable())
        return false;
    const auto value = Convert(property, text, lookup);
    return value && property.write(object, *value);
}

} // namespace PropertyText
