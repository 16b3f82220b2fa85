#include "exchange/HtmlSite.h"

#include "exchange/SubtreeWalk.h"
#include "model/ClassCodes.h"
#include "model/HtmlOut.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>
#include <QSet>

namespace HtmlSite {
namespace {

using E = THtmlOut;

bool HasCard(const TZVBObject& item)
{
    return item.ClassCode() == ClassCode::Person || item.ClassCode() == ClassCode::Organization;
}

// The first of base, base-2, base-3 ... not yet taken.
QString Unique(const QString& base, QSet<QString>& taken, const QString& suffix = QString())
{
    QString name = base + suffix;
    for (int n = 2; taken.contains(name.toLower()); ++n)
        name = base + u'-' + QString::number(n) + suffix;
    taken.insert(name.toLower());
    return name;
}

// Gives every container its anchor and every person and organization its
// card file, unique within the site.
std::vector<CardFile> AssignNames(const TTreeNode& published, THtmlOut& out)
{
    QSet<QString> anchors;
    QSet<QString> files;
    std::vector<CardFile> cards;
    SubtreeWalk::Walk(published, {}, false, [&](const TTreeNode& node, int) {
        const TZVBObject& item = *node.Item();
        QString anchor = E::AnchorName(item.Title());
        if (anchors.contains(anchor.toLower()))
            anchor += u'-' + QString::number(static_cast<quint32>(item.Id()));
        out.SetAnchor(&item, Unique(anchor, anchors));
        if (HasCard(item)) {
            const QString file = Unique(u"vc" + QString::number(item.Id()), files, QStringLiteral(".vcf"));
            out.SetVCardFile(&item, file);
            cards.push_back({&item, file});
        }
    });
    return cards;
}

void Head(THtmlOut& out, const QString& title, const QString& baseTarget = QString())
{
    out.Add(QStringLiteral("<html>"));
    out.Add(QStringLiteral("<head>"));
    out.Add(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"));
    if (!title.isNull())
        out.Add(u"<title>" + E::Escape(title) + u"</title>");
    out.Add(QStringLiteral("<meta name=\"GENERATOR\" content=\"Zendrivo\">"));
    if (!baseTarget.isEmpty())
        out.Add(u"<base target=" + baseTarget + u'>');
    out.Add(QStringLiteral("</head>"));
}

void Body(THtmlOut& out, const HtmlPublishOptions& options)
{
    const QString background = options.background.isEmpty() ? QString() : QFileInfo(options.background).fileName();
    out.Add(u"<body background=\"" + E::Escape(background) + u"\" text=" + options.textColor + u" link="
            + options.linkColor + u'>');
}

void End(THtmlOut& out)
{
    out.Add(QStringLiteral("</body>"));
    out.Add(QStringLiteral("</html>"));
}

// The program's button and words; they name no web site.
void Credits(THtmlOut& out)
{
    out.Add(QStringLiteral("<p><font size=1>This page created with...<br></font>"));
    out.Add(QStringLiteral("<img src=\"zivobtn.gif\" align=bottom border=0 width=120 height=40 alt=\"Zendrivo\"></p>"));
}

// Opens or closes blockquotes until the running depth reaches depth.
void Indent(THtmlOut& out, int& running, int depth)
{
    for (; running < depth; ++running)
        out.Add(QStringLiteral("<blockquote>"));
    for (; running > depth; --running)
        out.Add(QStringLiteral("</blockquote>"));
}

void Index(THtmlOut& out, const TTreeNode& published, const QString& page, const HtmlPublishOptions& options)
{
    if (options.includeZvd) {
        out.Add(u"<p><font size=2><a href=\"" + QString::fromUtf16(kExchangeFile)
                + u"\"><img src=\"zvb_16.gif\" align=left border=0 width=16 height=16>Get Zendrivo&#8482; file</a>"
                  u"</font></p>");
    }
    int first = -1;
    int running = -1;
    SubtreeWalk::Walk(published, {}, false, [&](const TTreeNode& node, int level) {
        const int below = level - 1;
        const TZVBObject& item = *node.Item();
        if (below == 0 || !item.ListedInHtmlIndex() || (options.levels > 0 && below > options.levels))
            return;
        if (first < 0)
            first = running = below;
        Indent(out, running, below);
        item.WriteHtmlIndexLink(out, page);
    });
    if (first >= 0)
        Indent(out, running, first);
}

void Sections(THtmlOut& out, const TTreeNode& published, const HtmlPublishOptions& options)
{
    int running = 1;
    SubtreeWalk::Walk(published, {}, false, [&](const TTreeNode& node, int level) {
        Indent(out, running, level);
        node.Item()->WriteHtmlEntry(out, options.includeVCard);
    });
    Indent(out, running, 1);
}

void Heading(THtmlOut& out, const QString& title)
{
    out.Add(u"<h2>" + E::Escape(title) + u"</h2>");
    out.Add(QStringLiteral("<p>&nbsp;</p>"));
}

Page Take(const QString& file, THtmlOut& out)
{
    return Page{file, out.TakeLines()};
}

} // namespace

Site Build(const TTreeNode& published, const HtmlPublishOptions& options)
{
    THtmlOut out(&published);
    Site site;
    std::vector<CardFile> cards = AssignNames(published, out);
    if (options.includeVCard)
        site.cards = std::move(cards);
    const QString itemName = published.Item()->Title();
    if (!options.frames) {
        Head(out, options.title);
        Body(out, options);
        Heading(out, options.title);
        Credits(out);
        Index(out, published, QString(), options);
        out.Add(QStringLiteral("<hr>"));
        Sections(out, published, options);
        End(out);
        site.pages.push_back(Take(options.mainPage, out));
        return site;
    }
    Head(out, itemName);
    out.Add(QStringLiteral("<frameset cols=\"35%,65%\">"));
    out.Add(u"<frame src=\"" + QString::fromUtf16(kIndexPage) + u"\" name=\"index\" marginwidth=1 marginheight=1>");
    out.Add(u"<frame src=\"" + QString::fromUtf16(kMainFramePage) + u"\" name=\"main\" marginwidth=1 marginheight=1>");
    out.Add(QStringLiteral("<noframes>"));
    out.Add(QStringLiteral("<body><p>"));
    out.Add(QStringLiteral("<p>This Web page uses frames, but your browser does not support them.</p>"));
    out.Add(QStringLiteral("</body>"));
    out.Add(QStringLiteral("</noframes>"));
    out.Add(QStringLiteral("</frameset>"));
    out.Add(QStringLiteral("</html>"));
    site.pages.push_back(Take(options.mainPage, out));

    Head(out, options.title, QStringLiteral("main"));
    Body(out, options);
    Index(out, published, QString::fromUtf16(kMainFramePage), options);
    Credits(out);
    End(out);
    site.pages.push_back(Take(QString::fromUtf16(kIndexPage), out));

    Head(out, options.title);
    Body(out, options);
    Heading(out, options.title);
    out.Add(QStringLiteral("<hr>"));
    Sections(out, published, options);
    End(out);
    site.pages.push_back(Take(QString::fromUtf16(kMainFramePage), out));
    return site;
}

} // namespace HtmlSite
