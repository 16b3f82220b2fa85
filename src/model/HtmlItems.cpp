#include "model/AddressObject.h"
#include "model/ClassCodes.h"
#include "model/EMailObject.h"
#include "model/FolderObject.h"
#include "model/HtmlOut.h"
#include "model/OrgObject.h"
#include "model/PersonObject.h"
#include "model/TeamObject.h"
#include "model/TextRules.h"
#include "model/TreeNode.h"
#include "model/WebObject.h"

// The fragments each item kind contributes to a published page. Every text
// that comes from the user's data is escaped; the markup around it is ours.
namespace {

using E = THtmlOut;

QString IndexLink(const TZVBObject& item, const THtmlOut& out, const QString& page, QStringView image)
{
    return u"<a href=\"" + E::Escape(page) + u'#' + out.Anchor(item) + u"\"><img src=\"" + image
        + u"\" align=bottom border=0 hspace=5 width=16 height=16>" + E::Escape(item.Title()) + u"</a><br>";
}

QString AnchoredHeading(const TZVBObject& item, const THtmlOut& out)
{
    return u"<a name=\"" + out.Anchor(item) + u"\"><font size=4>" + E::Escape(item.Title()) + u"</font></a><br>";
}

void AddComment(const TZVBObject& item, THtmlOut& out)
{
    if (!item.Comment().isEmpty())
        out.Add(E::Escape(item.Comment()) + u"<br>");
}

void AddEntry(const TZVBObject* item, THtmlOut& out)
{
    if (item)
        item->WriteHtmlEntry(out, false);
}

// The card of a person or organization: heading, comment, card link, then
// the primary address on the left, the primary phone, fax and e-mail on the
// right, and the other contact points in a row of their own below.
void WriteCard(const TZVBObject& owner, const PrimaryLinks& primaries, THtmlOut& out, bool withVCardLink,
               int linkFontSize, const QString& nameLine, bool gapAfterOthers)
{
    out.Add(QStringLiteral("<p><table width=100%>"));
    out.Add(u"<tr><td valign=top>" + AnchoredHeading(owner, out));
    AddComment(owner, out);
    if (withVCardLink) {
        out.Add(u"<p><font size=" + QString::number(linkFontSize) + u"><a href=\"" + E::Escape(out.VCardFile(owner))
                + u"\"><img src=\"vcard.gif\" align=left border=0 width=16 height=16>Get vCard</a></font></p>");
    }
    if (!nameLine.isNull())
        out.Add(nameLine);
    AddEntry(primaries.ResolveAddress(&owner), out);
    out.Add(QStringLiteral("</td><td valign=top>"));
    AddEntry(primaries.ResolvePhone(&owner), out);
    AddEntry(primaries.ResolveFax(&owner), out);
    AddEntry(primaries.ResolveEMail(&owner), out);
    out.Add(QStringLiteral("</td></tr>"));
    // The other contact points get a cell of their own, so the table stays whole.
    out.Add(QStringLiteral("<tr><td colspan=2 valign=top>"));
    for (const auto& ref : owner.Contents()) {
        const TZVBObject* entry = ref->Item();
        if (primaries.IsPrimaryTitle(entry->Title()))
            continue;
        entry->WriteHtmlEntry(out, false);
        if (gapAfterOthers)
            out.Add(QStringLiteral("<p>"));
    }
    out.Add(QStringLiteral("</td></tr></table>"));
}

bool ParentIsWebsite(const TZVBObject& item, const THtmlOut& out)
{
    const TTreeNode* node = item.Node();
    // The published item's parent lies outside the page.
    if (!node || node == out.PublishedRoot() || !node->Parent())
        return false;
    return node->Parent()->Item()->ClassCode() == ClassCode::Website;
}

} // namespace

void TZVBObject::WriteHtmlEntry(THtmlOut& out, bool /*withVCardLink*/) const
{
    QString line = u"<em><strong>" + E::Escape(m_title) + u"</strong></em> " + E::Escape(m_value);
    if (!m_comment.isEmpty())
        line += u" - " + E::Escape(m_comment);
    out.Add(line + u"<br>");
}

void TZVBObject::WriteHtmlIndexLink(THtmlOut& /*out*/, const QString& /*page*/) const {}

bool TZVBObject::ListedInHtmlIndex() const
{
    return true;
}

void TPersonObject::WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const
{
    const QString name = E::Escape(m_salutation) + u' ' + E::Escape(m_firstName) + u' ' + E::Escape(m_middleName)
        + u' ' + E::Escape(m_lastName) + u"<br>";
    WriteCard(*this, m_primaries, out, withVCardLink, 2, name, true);
}

void TPersonObject::WriteHtmlIndexLink(THtmlOut& out, const QString& page) const
{
    out.Add(IndexLink(*this, out, page, u"person.gif"));
}

void TOrgObject::WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const
{
    WriteCard(*this, m_primaries, out, withVCardLink, 1, QString(), false);
}

void TOrgObject::WriteHtmlIndexLink(THtmlOut& out, const QString& page) const
{
    out.Add(IndexLink(*this, out, page, u"org.gif"));
}

void TTeamObject::WriteHtmlEntry(THtmlOut& out, bool /*withVCardLink*/) const
{
    out.Add(AnchoredHeading(*this, out));
    AddComment(*this, out);
    for (const auto& ref : Contents())
        ref->Item()->WriteHtmlEntry(out, false);
}

void TTeamObject::WriteHtmlIndexLink(THtmlOut& out, const QString& page) const
{
    out.Add(IndexLink(*this, out, page, u"team.gif"));
}

void TFolderObject::WriteHtmlEntry(THtmlOut& out, bool /*withVCardLink*/) const
{
    out.Add(u"<p>" + AnchoredHeading(*this, out));
    AddComment(*this, out);
    out.Add(QStringLiteral("<blockquote>"));
    for (const auto& ref : Contents())
        ref->Item()->WriteHtmlEntry(out, false);
    out.Add(QStringLiteral("</blockquote>"));
}

void TFolderObject::WriteHtmlIndexLink(THtmlOut& out, const QString& page) const
{
    out.Add(u"<a href=\"" + E::Escape(page) + u'#' + out.Anchor(*this)
            + u"\"><img src=\"folder.gif\" align=bottom border=0 hspace=5 width=15 height=13>" + E::Escape(Title())
            + u"</a><br>");
}

void TAddressObject::WriteHtmlEntry(THtmlOut& out, bool /*withVCardLink*/) const
{
    out.Add(u"<em><strong>" + E::Escape(Title()) + u"</strong></em><br>");
    AddComment(*this, out);
    for (int i = 0; i < 3 && i < m_lines.size(); ++i) {
        if (!m_lines[i].isEmpty())
            out.Add(E::Escape(m_lines[i]) + u"<br>");
    }
    if (!m_city.isEmpty() || !m_state.isEmpty() || !m_postalCode.isEmpty())
        out.Add(E::Escape(m_city) + u", " + E::Escape(m_state) + u' ' + E::Escape(m_postalCode) + u"<br>");
    if (!m_country.isEmpty())
        out.Add(E::Escape(m_country) + u"<br>");
}

void TEMailObject::WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const
{
    if (!TextRules::IsInternetMail(Value())) {
        TZVBObject::WriteHtmlEntry(out, withVCardLink);
        return;
    }
    const QString address = E::Escape(Value());
    const QString href = THtmlOut::SafeHref(u"mailto:" + Value());
    QString line = u"<em><strong>" + E::Escape(Title()) + u" </strong></em><a href=\"" + href + u"\">" + address;
    line += Comment().isEmpty() ? QStringLiteral("</a><br>") : QString(u"</a> - " + E::Escape(Comment()) + u"<br>");
    out.Add(line);
}

void TWebObject::WriteHtmlEntry(THtmlOut& out, bool /*withVCardLink*/) const
{
    const TTreeNode* node = Node();
    const bool nested = ParentIsWebsite(*this, out);
    if (nested && node->Row() == 0)
        out.Add(QStringLiteral("<blockquote>"));
    // A site with pages below it is listed in the index, which links here.
    const QString anchor = ListedInHtmlIndex() ? u"<a name=\"" + out.Anchor(*this) + u"\"></a>" : QString();
    const QString href = THtmlOut::SafeHref(Value());
    const QString title = E::Escape(Title());
    QString line = anchor + (href.isEmpty() ? title : u"<a href=\"" + href + u"\">" + title + u"</a>");
    line += Comment().isEmpty() ? QStringLiteral("<br>") : QString(u" - " + E::Escape(Comment()) + u"<br>");
    out.Add(line);
    if (nested && node->Row() == node->Parent()->ChildCount() - 1)
        out.Add(QStringLiteral("</blockquote>"));
}

void TWebObject::WriteHtmlIndexLink(THtmlOut& out, const QString& page) const
{
    if (ListedInHtmlIndex())
        out.Add(IndexLink(*this, out, page, u"web.gif"));
}

bool TWebObject::ListedInHtmlIndex() const
{
    return Node() && Node()->ChildCount() > 0;
}
