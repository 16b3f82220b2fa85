#include "exchange/NetscapePage.h"

#include "exchange/HtmlLines.h"
#include "exchange/ImportLimits.h"
#include "model/Exceptions.h"
#include "model/TextRules.h"

namespace {
QList<QString> PageLines(QByteArrayView bytes)
{
    if (bytes.size() > ImportLimits::kMaxPageBytes)
        throw EReadError(QStringLiteral("The page is too large to import"));
    return HtmlLines::Split(bytes);
}

void CheckCount(qsizetype count)
{
    if (count >= ImportLimits::kMaxEntries)
        throw EReadError(QStringLiteral("The page holds too many links to import"));
}

// The address of a mail link, or empty when the link is none.
QString MailAddress(const QString& link)
{
    static constexpr QStringView kScheme = u"mailto:";
    QString address = link;
    if (address.startsWith(kScheme, Qt::CaseInsensitive))
        address.remove(0, kScheme.size());
    if (const qsizetype query = address.indexOf(u'?'); query >= 0)
        address.truncate(query);
    address = address.trimmed();
    return TextRules::IsInternetMail(address) ? address : QString();
}
} // namespace

BookmarkPage ParseBookmarkPage(QByteArrayView bytes)
{
    const QList<QString> lines = PageLines(bytes);
    BookmarkPage page;
    page.title = GetBMTitle(lines);
    for (const QString& line : lines) {
        if (std::optional<AnchorInfo> anchor = GetAnchorInfo(line)) {
            CheckCount(page.links.size());
            page.links.append(std::move(*anchor));
        }
    }
    return page;
}

AddressPage ParseAddressPage(QByteArrayView bytes)
{
    const QList<QString> lines = PageLines(bytes);
    AddressPage page;
    page.title = GetBMTitle(lines);
    for (const QString& line : lines) {
        const std::optional<AnchorInfo> anchor = GetAnchorInfo(line);
        if (!anchor)
            continue;
        const QString address = MailAddress(anchor->link);
        if (address.isEmpty())
            continue;
        CheckCount(page.entries.size());
        page.entries.append({anchor->caption, address});
    }
    if (page.entries.isEmpty() && LooksLikeLdif(lines))
        page.entries = ParseLdifAddresses(lines);
    return page;
}
