#include "comm/InstalledBrowsers.h"

#include "platform/ShellLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr qint64 kMaxDesktopFile = 256 * 1024;

QStringList DefaultDataDirs()
{
    QStringList dirs = {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
    const QString system = qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    dirs += system.split(u':', Qt::SkipEmptyParts);
    return dirs;
}

} // namespace

QString DesktopFileProgram(const QString& path, QString* name, bool* isBrowser)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxDesktopFile)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    bool hidden = false;
    bool browser = false;
    QString exec;
    QString title;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(8192)).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        if (!inEntry)
            continue;
        if (line.startsWith(u"Exec="))
            exec = line.mid(5);
        else if (line.startsWith(u"Name="))
            title = line.mid(5);
        else if (line.startsWith(u"Categories="))
            browser = line.mid(11).split(u';').contains(QStringLiteral("WebBrowser"));
        else if (line == u"NoDisplay=true" || line == u"Hidden=true")
            hidden = true;
    }
    const QString word = ShellLauncher::SplitArguments(exec).value(0);
    const QString program = word.contains(u'/') ? word : QStandardPaths::findExecutable(word);
    if (name)
        *name = title;
    if (isBrowser)
        *isBrowser = browser && !hidden;
    return program;
}

QList<InstalledBrowser> FindInstalledBrowsers(const QStringList& dataDirs)
{
    QList<InstalledBrowser> found;
    const auto add = [&found](const QString& name, const QString& program) {
        const QFileInfo info(program);
        if (program.isEmpty() || !info.isExecutable())
            return;
        for (const InstalledBrowser& known : std::as_const(found)) {
            if (QFileInfo(known.program).canonicalFilePath() == info.canonicalFilePath())
                return;
        }
        found.append({name.isEmpty() ? info.fileName() : name, info.absoluteFilePath()});
    };
    for (const QString& dir : dataDirs.isEmpty() ? DefaultDataDirs() : dataDirs) {
        const QDir applications(dir + QStringLiteral("/applications"));
        for (const QString& entry : applications.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name)) {
            QString name;
            bool browser = false;
            const QString program = DesktopFileProgram(applications.filePath(entry), &name, &browser);
            if (browser)
                add(name, program);
        }
    }
    for (const char* known : {"firefox", "chromium", "chromium-browser", "google-chrome", "google-chrome-stable",
                              "brave-browser", "microsoft-edge", "vivaldi", "opera", "epiphany", "falkon",
                              "konqueror"}) {
        add(QString(), QStandardPaths::findExecutable(QString::fromLatin1(known)));
    }
    return found;
}
