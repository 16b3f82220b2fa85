#pragma once

#include <QStringList>
#include <QTextStream>

// "export html DIR ...": publishes a subtree as web pages into DIR.
// args are the arguments after "html".
int ExportHtml(const QStringList& args, QTextStream& out);
