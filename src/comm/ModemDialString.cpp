#include "comm/ModemDialString.h"

namespace ModemDialString {

QByteArray FromDialString(const QString& dialString)
{
    QByteArray out;
    for (QChar c : dialString) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'*' || u == u'#' || u == u',' || u == u'$' || u == u'@'
            || u == u'!')
            out += static_cast<char>(u);
        else if (u == u'W' || u == u'w')
            out += 'W';
        else if (u == u'?')
            out += ',';
        else if (u == u' ' || u == u'-' || u == u'(' || u == u')' || u == u'.' || u == u'/')
            continue;
        else
            return {};
        if (out.size() > MaxLength)
            return {};
    }
    // Pauses alone dial nothing.
    for (char c : out) {
        if ((c >= '0' && c <= '9') || c == '*' || c == '#')
            return out;
    }
    return {};
}

} // namespace ModemDialString
