#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// One link of a browser page: where it points and the text it shows.
struct AnchorInfo
{
    QString link;
    QString caption;
};

// The anchor of one line of a bookmark or address-book page. The tag must be
// written "<A" in capitals followed by a blank; its HREF attribute (found
// among the others, in any order, by name ignoring case) is the link; the text
// up to "</A>" is the caption, empty without one. Character references are
// decoded and tags inside the caption dropped. A line without such a tag, or
// whose tag has no link, gives nothing; so does an anchor spread over lines.
std::optional<AnchorInfo> GetAnchorInfo(QStringView line);

// The page title: from the first line (leading blanks aside) that begins with
// "<TITLE>" in any case, the text up to "</TITLE>" in capitals on that line,
// or empty when that line has no such end tag or no line qualifies.
QString GetBMTitle(const QList<QString>& lines);
