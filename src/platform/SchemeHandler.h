#pragma once

#include <QString>

// The desktop's default program for a kind of link ("tel", "mailto",
// "https"), as the desktop's own opener would choose it. xdg-open and
// xdg-email only complain on their error output when there is none, after
// Zendrivo has let them go; asking first lets the user be told.
namespace SchemeHandler {

// The desktop file of the default handler, or empty when none is set up or
// the desktop's lookup tool is missing. Waits at most a few seconds.
QString DefaultFor(const QString& scheme);

} // namespace SchemeHandler
