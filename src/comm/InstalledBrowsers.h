#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A web browser installed on this system.
struct InstalledBrowser
{
    QString name;    // as the desktop shows it ("Chromium"), else the program's name
    QString program; // absolute path of the program
};

// The browsers in the desktop's application files (those whose categories
// name a web browser) and the well-known browser programs on the PATH, each
// program once, in that order. dataDirs are the folders holding
// "applications" ($XDG_DATA_HOME and $XDG_DATA_DIRS by default).
QList<InstalledBrowser> FindInstalledBrowsers(const QStringList& dataDirs = {});

// The program an application file starts, from its "Exec" line, or empty.
// The file is read only when it is a regular file of modest size.
QString DesktopFileProgram(const QString& path, QString* name = nullptr, bool* isBrowser = nullptr);
