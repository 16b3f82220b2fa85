#include "model/HtmlOut.h"

#include "model/ZVBObject.h"

QString THtmlOut::Anchor(const TZVBObject& item) const
{
    const auto found = m_anchors.constFind(&item);
    return found != m_anchors.constEnd() ? *found : AnchorName(item.Title());
}

QString THtmlOut::VCardFile(const TZVBObject& item) const
{
    const auto found = m_cards.constFind(&item);
    return found != m_cards.constEnd() ? *found : u"vc" + QString::number(item.Id()) + u".vcf";
}

QString THtmlOut::Escape(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'&': escaped += u"&amp;"; break;
            case u'<': escaped += u"&lt;"; break;
            case u'>': escaped += u"&gt;"; break;
            case u'"': escaped += u"&quot;"; break;
            case u'\'': escaped += u"&#39;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

QString THtmlOut::AnchorName(QStringView title)
{
    QString name;
    name.reserve(title.size());
    for (const QChar c : title)
        name += c.isLetterOrNumber() || c == u'-' || c == u'.' ? c : QChar(u'_');
    return name.isEmpty() ? QStringLiteral("item") : name;
}

QString THtmlOut::SafeHref(const QString& url)
{
    const QString plain = url.trimmed().remove(u'\t').remove(u'\n').remove(u'\r');
    for (const QStringView scheme : {u"javascript:", u"vbscript:", u"data:"}) {
        if (plain.startsWith(scheme, Qt::CaseInsensitive))
            return QString();
    }
    return Escape(plain);
}
