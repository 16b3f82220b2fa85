#pragma once

#include <QString>
#include <QStringList>

// The images published pages use: the named backgrounds (a page image and a
// preview of each) and the icons copied beside the pages. They live in a
// "Web Graphics" folder with "Backgrounds" and "Icons" inside, found beside
// the program, in the shared data folder of an installed program, or in the
// data directory.
namespace WebGraphics {

// "beads" ... "weave": the 27 named backgrounds in list order.
const QStringList& BackgroundNames();
// The eight images every published site gets.
const QStringList& IconFiles();

// The "Web Graphics" folder in use; empty when none exists.
QString Folder();
// Overrides the search, for tests and for the command line tool's callers.
void SetFolder(const QString& folder);

QString BackgroundsFolder();
QString IconsFolder();
// The page image of a named background (name + ".gif") and its preview
// (name + ".bmp"); empty for a name that is not listed.
QString BackgroundImage(const QString& name);
QString BackgroundPreview(const QString& name);

} // namespace WebGraphics
