#include "ui/dialogs/PhoneFormat.h"

namespace {
struct MaskParts
{
    QString pattern;
    QChar blank = u'_';
};

MaskParts Split(const QString& editMask)
{
    MaskParts parts;
    // The pattern may itself hold an escaped ";", so split from the right.
    QString rest = editMask;
    const qsizetype last = rest.lastIndexOf(u';');
    if (last > 0 && rest.at(last - 1) != u'\\') {
        const QString tail = rest.mid(last + 1);
        rest.truncate(last);
        if (!tail.isEmpty())
            parts.blank = tail.at(0);
        const qsizetype second = rest.lastIndexOf(u';');
        if (second > 0 && rest.at(second - 1) != u'\\' && rest.size() - second == 2)
            rest.truncate(second);
    }
    parts.pattern = rest;
    return parts;
}

// A mask element: a digit position (required or optional) or a literal.
struct Element
{
    enum Kind { Required, Optional, Literal } kind;
    QChar literal;
};

QList<Element> Elements(const QString& pattern)
{
    QList<Element> elements;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'\\' && i + 1 < pattern.size())
            elements.append(Element{Element::Literal, pattern.at(++i)});
        else if (c == u'!')
            continue;
        else if (c == u'0')
            elements.append(Element{Element::Required, QChar()});
        else if (c == u'9')
            elements.append(Element{Element::Optional, QChar()});
        else
            elements.append(Element{Element::Literal, c});
    }
    return elements;
}

// Characters with a meaning of their own in a Qt input mask.
bool IsQtMaskCharacter(QChar c)
{
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    return special.contains(c);
}
} // namespace

namespace PhoneFormats {

const QList<PhoneFormat>& Phone()
{
    static const QList<PhoneFormat> formats{
        {QStringLiteral("Free Format"), QString()},
        {QStringLiteral("USA"), QStringLiteral("!\\(999\\)000-0000;0;_")},
        {QStringLiteral("Denmark"), QStringLiteral("\\+45 00 00 00 00;0;_")},
        {QStringLiteral("France"), QStringLiteral("!16\\-00\\-00\\-00\\-00;0;_")},
        {QStringLiteral("Germany"), QStringLiteral("!\\(999 99\\) 99999;0;_")},
        {QStringLiteral("Italy"), QStringLiteral("!\\(9999\\) 0000 0000;0;_")},
        {QStringLiteral("Netherlands"), QStringLiteral("!\\00099\\-0000999;0;_")},
        {QStringLiteral("Norway"), QStringLiteral("00 09 99 99;0;_")},
        {QStringLiteral("Spain"), QStringLiteral("!\\(999\\)0000000;0;_")},
        {QStringLiteral("Sweden"), QStringLiteral("00 09 99 99;0;_")},
        {QStringLiteral("United Kingdom"), QStringLiteral("!\\00009 0000099;0;_")},
    };
    return formats;
}

const QList<PhoneFormat>& Fax()
{
    static const QList<PhoneFormat> formats = [] {
        QList<PhoneFormat> list = Phone();
        list.swapItemsAt(0, 1);
        return list;
    }();
    return formats;
}

QString ToInputMask(const QString& editMask)
{
    if (editMask.isEmpty())
        return QString();
    const MaskParts parts = Split(editMask);
    QString mask;
    for (const Element& e : Elements(parts.pattern)) {
        switch (e.kind) {
        case Element::Required: mask += u'9'; break;  // Qt: digit required
        case Element::Optional: mask += u'0'; break;  // Qt: digit permitted
        case Element::Literal:
            if (IsQtMaskCharacter(e.literal))
                mask += u'\\';
            mask += e.literal;
            break;
        }
    }
    return mask + u';' + parts.blank;
}

QList<bool> LiteralPositions(const QString& editMask)
{
    QList<bool> literal;
    for (const Element& e : Elements(Split(editMask).pattern))
        literal.append(e.kind == Element::Literal);
    return literal;
}

QString PlainText(const QString& editMask, const QString& displayed)
{
    if (editMask.isEmpty())
        return displayed.trimmed();
    const QChar blank = Split(editMask).blank;
    const QList<bool> literal = LiteralPositions(editMask);
    QString plain;
    for (qsizetype i = 0; i < displayed.size(); ++i) {
        const QChar c = displayed.at(i);
        if (i < literal.size() && literal.at(i))
            continue;
        if (c != blank && c != u' ')
            plain += c;
    }
    return plain;
}

QString StoredText(const QString& editMask, const QString& displayed)
{
    if (editMask.isEmpty())
        return displayed.trimmed();
    const QChar blank = Split(editMask).blank;
    const QList<bool> literal = LiteralPositions(editMask);
    QString stored;
    for (qsizetype i = 0; i < displayed.size(); ++i) {
        const QChar c = displayed.at(i);
        const bool isLiteral = i < literal.size() && literal.at(i);
        if (isLiteral || (c != blank && c != u' '))
            stored += c;
    }
    // "!" masks show missing optional digits as leading blanks; none are kept.
    return stored.trimmed();
}

} // namespace PhoneFormats
