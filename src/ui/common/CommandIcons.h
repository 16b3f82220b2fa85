#pragma once

#include <QIcon>
#include <QString>

// Icons of commands by their freedesktop names ("edit-copy", "go-up"): the
// desktop's icon theme first, our own pictures where the theme has none.
namespace CommandIcons {

QIcon Get(const QString& name);

// Where the platform named no icon theme (a bare window manager, a test
// display), the first installed of the common themes is used.
void ChooseTheme();

// Whether our own picture exists for the name; every name the program asks for has one.
bool HasFallback(const QString& name);

} // namespace CommandIcons
