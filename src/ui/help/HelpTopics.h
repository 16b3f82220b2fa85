#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Help context numbers and the help pages they open. The item dialogs and
// the Options dialog have fixed numbers; the tips carry the others.
namespace HelpTopics {

constexpr int Contents = 0;
constexpr int ItemDialogs = 1039;
constexpr int OptionsDialog = 1040;

// "page.html#anchor" below the help folder; empty for an unknown number.
QString Topic(int context);
// The page to show: the topic's, or the contents for an unknown number.
QUrl Url(int context);
QUrl ContentsUrl();
// Every number with a topic, ascending.
QList<int> Contexts();

} // namespace HelpTopics
