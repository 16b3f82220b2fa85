#include "exchange/HtmlPublisher.h"

#include "exchange/ExchangeFile.h"
#include "exchange/FileAccess.h"
#include "exchange/HtmlColors.h"
#include "exchange/HtmlSite.h"
#include "exchange/WebGraphics.h"
#include "model/Exceptions.h"
#include "model/ZVBObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace HtmlPublisher {
namespace {

bool IsFrameFile(const QString& name)
{
    return name.compare(QString::fromUtf16(HtmlSite::kIndexPage), Qt::CaseInsensitive) == 0
        || name.compare(QString::fromUtf16(HtmlSite::kMainFramePage), Qt::CaseInsensitive) == 0;
}

// Copies a regular file unless the target exists; true when it copied.
bool CopyOnce(const QString& source, const QString& directory)
{
    const QFileInfo from(source);
    if (!from.isFile())
        return false;
    const QString target = directory + u'/' + from.fileName();
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    if (!QFile::copy(source, target))
        throw EZendrivoError(QStringLiteral("Cannot copy %1 to %2").arg(source, directory));
    return true;
}

void EnsureDirectory(const QString& directory)
{
    const QFileInfo info(directory);
    if (info.exists() && !info.isDir())
        throw EZendrivoError(QStringLiteral("%1 is not a folder").arg(directory));
    if (!info.exists() && !QDir().mkpath(directory))
        throw EZendrivoError(QStringLiteral("Cannot create the folder %1").arg(directory));
    if (!QFileInfo(directory).isWritable())
        throw EZendrivoError(QStringLiteral("Cannot write into the folder %1").arg(directory));
}

} // namespace

QString Problem(const HtmlPublishOptions& options)
{
    if (options.levels < 0 || options.levels > 9)
        return QStringLiteral("The index levels must lie between 0 and 9");
    if (HtmlColors::Canonical(options.textColor) != options.textColor)
        return QStringLiteral("Unknown text colour %1").arg(options.textColor);
    if (HtmlColors::Canonical(options.linkColor) != options.linkColor)
        return QStringLiteral("Unknown link colour %1").arg(options.linkColor);
    if (options.directory.isEmpty())
        return QStringLiteral("No folder was chosen for the pages");
    const QString page = options.mainPage;
    if (page.isEmpty() || page.contains(u'/') || page == u"." || page == u"..")
        return QStringLiteral("The main page needs a file name without a folder");
    if (options.frames && IsFrameFile(page))
        return QStringLiteral("%1 is the name of a frame page; choose another name for the main page").arg(page);
    if (page.compare(QString::fromUtf16(HtmlSite::kExchangeFile), Qt::CaseInsensitive) == 0)
        return QStringLiteral("%1 is the name of the exchange file; choose another name for the main page").arg(page);
    if (!options.background.isEmpty() && !QFileInfo(options.background).isFile())
        return QStringLiteral("The background image %1 does not exist").arg(options.background);
    return QString();
}

Result Publish(const TTreeNode& published, const HtmlPublishOptions& options)
{
    const QString problem = Problem(options);
    if (!problem.isEmpty())
        throw EZendrivoError(problem);
    const QString directory = QDir::cleanPath(QFileInfo(options.directory).absoluteFilePath());
    EnsureDirectory(directory);

    Result result;
    const HtmlSite::Site site = HtmlSite::Build(published, options);
    for (const HtmlSite::Page& page : site.pages) {
        FileAccess::WriteTextFile(directory + u'/' + page.file, page.lines.join(u"\r\n") + u"\r\n");
        result.written.append(page.file);
    }
    if (options.includeZvd) {
        const QString file = QString::fromUtf16(HtmlSite::kExchangeFile);
        ExchangeFile::ExportSubtree(published, directory + u'/' + file, options.filter);
        result.written.append(file);
    }
    for (const HtmlSite::CardFile& card : site.cards) {
        card.item->WriteVCard(directory + u'/' + card.file);
        result.written.append(card.file);
    }
    if (!options.background.isEmpty()) {
        const QString source = QFileInfo(options.background).absoluteFilePath();
        if (QFileInfo(source).absolutePath() != directory && CopyOnce(source, directory))
            result.copied.append(QFileInfo(source).fileName());
    }
    const QString icons = WebGraphics::IconsFolder();
    for (const QString& icon : WebGraphics::IconFiles()) {
        if (!icons.isEmpty() && CopyOnce(icons + u'/' + icon, directory))
            result.copied.append(icon);
    }
    return result;
}

} // namespace HtmlPublisher
