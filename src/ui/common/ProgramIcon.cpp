#include "ui/common/ProgramIcon.h"

#include "ui/common/UiResources.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {
// The "Icon=" of the desktop entry "<name>.desktop", if there is one.
QString DesktopEntryIcon(const QString& name)
{
    const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, name + u".desktop");
    if (entry.isEmpty())
        return {};
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // Entries are small; a damaged one must not make us read without end.
    constexpr int kMaxLines = 500;
    QTextStream in(&file);
    bool inMainGroup = false;
    for (int n = 0; n < kMaxLines && !in.atEnd(); ++n) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == u"[Desktop Entry]";
        else if (inMainGroup && line.startsWith(u"Icon="))
            return line.mid(5).trimmed();
    }
    return {};
}

QIcon IconByName(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
}
} // namespace

namespace ProgramIcon {

QIcon For(const QString& program)
{
    QString name = QFileInfo(program).fileName();
    if (name.endsWith(u".exe", Qt::CaseInsensitive))
        name.chop(4);
    if (!name.isEmpty()) {
        QIcon icon = IconByName(name);
        if (icon.isNull())
            icon = IconByName(DesktopEntryIcon(name));
        if (!icon.isNull())
            return icon;
    }
    return Generic();
}

QIcon Generic()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (!themed.isNull())
        return themed;
    InitUiResources();
    return QIcon(QStringLiteral(":/icons/program.svg"));
}

} // namespace ProgramIcon
