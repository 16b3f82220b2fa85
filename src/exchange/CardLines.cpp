#include "exchange/CardLines.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace CardLines {

QStringList Unfold(const QString& text)
{
    QStringList lines;
    const QStringList physical = QString(text).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').split(u'\n');
    for (const QString& line : physical) {
        if ((line.startsWith(u' ') || line.startsWith(u'\t')) && !lines.isEmpty())
            lines.last() += line.mid(1);
        else if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

QString NameOf(const QString& line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != u':' && line[end] != u';')
        ++end;
    QStringView name = QStringView(line).left(end);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name = name.mid(dot + 1);
    return name.toString().toUpper();
}

QString Fold(const QString& line)
{
    // Most lines are short plain ASCII and need no fold.
    if (line.size() <= 75
        && std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return line + u"\r\n"_s;
    QString out;
    out.reserve(line.size() + line.size() / 24 + 2);
    int octets = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        int width = c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
        const bool pair = c.isHighSurrogate() && i + 1 < line.size();
        if (pair)
            width = 4;
        if (octets + width > 75) {
            out += u"\r\n "_s;
            octets = 1;
        }
        out += c;
        if (pair)
            out += line[++i];
        octets += width;
    }
    return out + u"\r\n"_s;
}

void AppendEscaped(QString& line, QStringView value)
{
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': line += u"\\\\"_s; break;
        case ',': line += u"\\,"_s; break;
        case ';': line += u"\\;"_s; break;
        case '\n': line += u"\\n"_s; break;
        case '\r': break;
        default: line += c;
        }
    }
}

QString Escape(const QString& value)
{
    QString out;
    out.reserve(value.size());
    AppendEscaped(out, value);
    return out;
}

} // namespace CardLines
