#include "ui/common/CommandIcons.h"

#include "ui/common/UiResources.h"

#include <QDir>
#include <QFile>

namespace CommandIcons {

namespace {
QString FallbackPath(const QString& name)
{
    return QStringLiteral(":/icons/actions/") + name + QStringLiteral(".svg");
}

bool ThemeInstalled(const QString& theme)
{
    for (const QString& path : QIcon::themeSearchPaths()) {
        if (QFile::exists(QDir(path).filePath(theme + QStringLiteral("/index.theme"))))
            return true;
    }
    return false;
}
} // namespace

QIcon Get(const QString& name)
{
    InitUiResources();
    return QIcon::fromTheme(name, QIcon(FallbackPath(name)));
}

bool HasFallback(const QString& name)
{
    InitUiResources();
    return QFile::exists(FallbackPath(name));
}

void ChooseTheme()
{
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != u"hicolor" && ThemeInstalled(current))
        return;
    for (const QString& theme : {QStringLiteral("breeze"), QStringLiteral("Adwaita")}) {
        if (ThemeInstalled(theme)) {
            QIcon::setThemeName(theme);
            return;
        }
    }
}

} // namespace CommandIcons
