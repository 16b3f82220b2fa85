#include "cli/HtmlCommands.h"

#include "cli/CliSession.h"
#include "exchange/HtmlColors.h"
#include "exchange/HtmlPublisher.h"
#include "exchange/WebGraphics.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QFileInfo>

namespace {

const QString kNode = QStringLiteral("--node");
const QString kMain = QStringLiteral("--main");
const QString kTitle = QStringLiteral("--title");
const QString kLevels = QStringLiteral("--levels");
const QString kBackground = QStringLiteral("--background");
const QString kTextColor = QStringLiteral("--text-color");
const QString kLinkColor = QStringLiteral("--link-color");
const QString kNoFrames = QStringLiteral("--no-frames");
const QString kNoZvd = QStringLiteral("--no-zvd");
const QString kNoVCard = QStringLiteral("--no-vcard");

QString Color(const CliArguments& options, const QString& option, const QString& fallback)
{
    const QString name = options.Value(option, fallback);
    const QString color = HtmlColors::Canonical(name);
    if (color.isEmpty())
        throw CliError(QStringLiteral("Unknown colour %1 (one of %2)").arg(name, HtmlColors::Names().join(u", ")));
    return color;
}

int Levels(const CliArguments& options)
{
    bool ok = false;
    const int levels = options.Value(kLevels, QStringLiteral("0")).toInt(&ok);
    if (!ok || levels < 0 || levels > 9)
        throw CliError(QStringLiteral("--levels needs a number from 0 to 9"));
    return levels;
}

// A named background of the installation, or an image file of the user's.
QString Background(const CliArguments& options)
{
    const QString value = options.Value(kBackground);
    if (value.isEmpty())
        return QString();
    if (WebGraphics::BackgroundNames().contains(value)) {
        const QString image = WebGraphics::BackgroundImage(value);
        if (image.isEmpty() || !QFileInfo(image).isFile())
            throw CliError(QStringLiteral("The background %1 is not installed (no Web Graphics folder found)").arg(value));
        return image;
    }
    const QFileInfo file(value);
    if (!file.isFile())
        throw CliError(QStringLiteral("Unknown background %1 (a name of the list or an image file)").arg(value));
    return file.absoluteFilePath();
}

} // namespace

int ExportHtml(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {kNode, kMain, kTitle, kLevels, kBackground, kTextColor, kLinkColor},
                               {kNoFrames, kNoZvd, kNoVCard});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("export html needs one DIR"));
    HtmlPublishOptions publish;
    // Paths are made whole before the session enters the data directory.
    publish.directory = QFileInfo(options.Positional()[0]).absoluteFilePath();
    publish.background = Background(options);
    publish.textColor = Color(options, kTextColor, publish.textColor);
    publish.linkColor = Color(options, kLinkColor, publish.linkColor);
    publish.levels = Levels(options);
    publish.frames = !options.Has(kNoFrames);
    publish.includeZvd = !options.Has(kNoZvd);
    publish.includeVCard = !options.Has(kNoVCard);

    CliSession session;
    const TTreeNode* node = options.Has(kNode) ? session.NodeAt(options.Value(kNode)) : session.Root();
    const QString name = node->Item()->Title();
    publish.mainPage = options.Value(kMain, name + u".htm");
    publish.title = options.Value(kTitle, name);
    const QString problem = HtmlPublisher::Problem(publish);
    if (!problem.isEmpty())
        throw CliError(problem);
    const HtmlPublisher::Result result = HtmlPublisher::Publish(*node, publish);
    out << "Published " << result.written.size() << " files to " << publish.directory << '/' << publish.mainPage
        << '\n';
    return 0;
}
