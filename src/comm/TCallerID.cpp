#include "comm/TCallerID.h"

void TCallerID::Clear()
{
    m_name.clear();
    m_number.clear();
    m_flags = 0;
    m_private = false;
    m_outOfArea = false;
}

QString TCallerID::Sanitize(const QString& text, int maxLength)
{
    QString out;
    out.reserve(qMin<qsizetype>(text.size(), maxLength));
    for (QChar c : text) {
        if (out.size() >= maxLength)
            break;
        // Line breaks, tabs and other controls would break the history's
        // records and the tab-separated output; a blank keeps words apart.
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            out += u' ';
        else if (c == u'~' && out.endsWith(u'~'))
            continue;
        else
            out += c;
    }
    while (out.endsWith(u'~'))
        out.chop(1);
    return out;
}

QString TCallerID::FormatTenDigits(const QString& number)
{
    if (number.size() != 10)
        return number;
    QString out = number;
    if (out.at(3) != u'-')
        out.insert(3, u'-');
    if (out.size() < 8 || out.at(7) != u'-')
        out.insert(7, u'-');
    return out;
}

QString TCallerID::Capitalize(const QString& name)
{
    QString out = name.toLower();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if ((i == 0 || out.at(i - 1) == u' ') && c >= u'a' && c <= u'z')
            out[i] = QChar(c.unicode() - u'a' + u'A');
    }
    return out;
}

void TCallerID::Parse(std::uint32_t flags, const QString& number, const QString& name)
{
    m_flags = flags;
    m_number.clear();
    m_name.clear();
    if (!(flags & (Blocked | OutOfArea | Unavail | Unknown))) {
        m_number = Sanitize(number, MaxNumberLength);
        if (m_format)
            m_number = FormatTenDigits(m_number);
        m_name = Sanitize(name, MaxNameLength);
        if (m_capitalize)
            m_name = Capitalize(m_name);
    }
    const auto mark = [this](const char16_t* marker) {
        if (!m_number.isEmpty())
            m_number += u", ";
        m_number += QStringView(marker);
    };
    m_private = flags & Blocked;
    if (m_private)
        mark(u"*Private");
    m_outOfArea = flags & OutOfArea;
    if (m_outOfArea)
        mark(u"*Out of Area");
    if (flags & Partial)
        mark(u"*Partial");
    if (flags & Unknown)
        mark(u"*Unknown");
    if (flags & Unavail)
        mark(u"*Unavailable");
}
