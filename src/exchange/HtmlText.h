#pragma once

#include <QString>
#include <QStringView>

// Text found between the tags of the browser pages we import.
namespace HtmlText {

// Replaces the character references a page title or link may carry: &amp;
// &lt; &gt; &quot; &apos; &nbsp; and numeric ones (&#39; &#x27;). Anything
// else, a bare "&" included, stays as written.
QString DecodeEntities(QStringView text);

// Drops markup tags and folds runs of blanks into one, trimmed.
QString PlainText(QStringView text);

} // namespace HtmlText
