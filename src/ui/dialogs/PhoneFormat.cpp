#include "ui/dialogs/PhoneFormat.h"

#include <QRegularExpression>

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

QString Pattern(const QString& editMask)
{
    QString shown;
    for (const Element& e : Elements(Split(editMask).pattern))
        shown += e.kind == Element::Literal ? e.literal : u'_';
    return shown;
}

namespace {
// Whether the text is already written in the format: every literal in its
// place, optional digits left out or given.
bool Matches(const QList<Element>& elements, const QString& text)
{
    QString pattern;
    for (const Element& e : elements) {
        switch (e.kind) {
        case Element::Required: pattern += QStringLiteral("\\d"); break;
        case Element::Optional: pattern += QStringLiteral("\\d?"); break;
        case Element::Literal:
            pattern += e.literal == u' ' ? QStringLiteral("\\s+") : QRegularExpression::escape(QString(e.literal));
            break;
        }
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}
} // namespace

QString Format(const QString& editMask, const QString& typed)
{
    const QString text = typed.trimmed();
    // International numbers are written as the user gives them.
    if (editMask.isEmpty() || text.isEmpty() || text.startsWith(u'+'))
        return text;
    const QList<Element> elements = Elements(Split(editMask).pattern);
    if (Matches(elements, text))
        return text;
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit())
            digits += c;
        else if (!QStringView(u" ()-./").contains(c))
            return text; // letters, "#", "*": not a plain number
    }
    qsizetype required = 0;
    qsizetype optional = 0;
    for (const Element& e : elements) {
        required += e.kind == Element::Required;
        optional += e.kind == Element::Optional;
    }
    if (digits.size() < required || digits.size() > required + optional)
        return text; // the number is not one of this format: every digit stays
    // Digits fill the format from the left; an optional place stays empty
    // only where the digits left are needed for the required places after it.
    qsizetype next = 0;
    qsizetype requiredLeft = required;
    QString formatted;
    for (const Element& e : elements) {
        if (e.kind == Element::Literal) {
            formatted += e.literal;
        } else if (e.kind == Element::Required) {
            formatted += digits.at(next++);
            --requiredLeft;
        } else if (digits.size() - next > requiredLeft) {
            formatted += digits.at(next++);
        }
    }
    // Brackets left around skipped digits go, with the blanks they leave.
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)"));
    formatted.remove(emptyBrackets);
    return formatted.trimmed();
}

bool IsFilled(const QString& typed)
{
    for (const QChar c : typed) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

} // namespace PhoneFormats
