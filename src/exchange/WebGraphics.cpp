#include "exchange/WebGraphics.h"

#include "platform/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace WebGraphics {
namespace {

const QString kFolderName = QStringLiteral("Web Graphics");

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

QStringList Candidates()
{
    QStringList places;
    if (QCoreApplication::instance()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        places << programDir << programDir + u"/../share/zendrivo";
    }
    places << DataPaths::DataDirectory();
    return places;
}

} // namespace

const QStringList& BackgroundNames()
{
    static const QStringList names{
        QStringLiteral("beads"),    QStringLiteral("chalk"),    QStringLiteral("cloud1"),   QStringLiteral("cloud2"),
        QStringLiteral("cloud3"),   QStringLiteral("cloud4"),   QStringLiteral("concrete"), QStringLiteral("fire"),
        QStringLiteral("floortile"), QStringLiteral("flower"),  QStringLiteral("foam"),     QStringLiteral("grid"),
        QStringLiteral("lace"),     QStringLiteral("letters"),  QStringLiteral("marble"),   QStringLiteral("nova"),
        QStringLiteral("sand"),     QStringLiteral("smear1"),   QStringLiteral("smear2"),   QStringLiteral("soil"),
        QStringLiteral("speckle"),  QStringLiteral("stone"),    QStringLiteral("terrain1"), QStringLiteral("terrain2"),
        QStringLiteral("terrain3"), QStringLiteral("vines"),    QStringLiteral("weave"),
    };
    return names;
}

const QStringList& IconFiles()
{
    static const QStringList files{
        QStringLiteral("folder.gif"),  QStringLiteral("org.gif"),     QStringLiteral("person.gif"),
        QStringLiteral("team.gif"),    QStringLiteral("web.gif"),     QStringLiteral("zivobtn.gif"),
        QStringLiteral("zvb_16.gif"),  QStringLiteral("vcard.gif"),
    };
    return files;
}

QString Folder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    for (const QString& place : Candidates()) {
        const QFileInfo folder(place + u'/' + kFolderName);
        if (folder.isDir())
            return QDir::cleanPath(folder.absoluteFilePath());
    }
    return QString();
}

void SetFolder(const QString& folder)
{
    FolderOverride() = folder;
}

QString BackgroundsFolder()
{
    const QString folder = Folder();
    return folder.isEmpty() ? QString() : folder + u"/Backgrounds";
}

QString IconsFolder()
{
    const QString folder = Folder();
    return folder.isEmpty() ? QString() : folder + u"/Icons";
}

QString BackgroundImage(const QString& name)
{
    const QString folder = BackgroundsFolder();
    if (folder.isEmpty() || !BackgroundNames().contains(name))
        return QString();
    return folder + u'/' + name + u".gif";
}

QString BackgroundPreview(const QString& name)
{
    const QString folder = BackgroundsFolder();
    if (folder.isEmpty() || !BackgroundNames().contains(name))
        return QString();
    return folder + u'/' + name + u".bmp";
}

} // namespace WebGraphics
