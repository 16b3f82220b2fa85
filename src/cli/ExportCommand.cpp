#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/HtmlCommands.h"
#include "cli/RecordTypeArguments.h"
#include "cli/VCardCommands.h"
#include "exchange/DelimitedExport.h"
#include "exchange/ExchangeFile.h"
#include "exchange/RecordTypes.h"
#include "model/ClassCodes.h"

#include <QFileInfo>

namespace {

const QString kNode = QStringLiteral("--node");
const QString kVersion = QStringLiteral("--version");
const QString kType = QStringLiteral("--type");
const QString kFields = QStringLiteral("--fields");
const QString kNoHeader = QStringLiteral("--no-header");

TTreeNode* StartNode(const CliArguments& options, CliSession& session)
{
    return options.Has(kNode) ? session.NodeAt(options.Value(kNode)) : session.Root();
}

int ExportZvd(const CliArguments& options, const QString& path, QTextStream& out)
{
    if (options.Has(kType) || options.Has(kFields) || options.Has(kNoHeader))
        throw CliError(QStringLiteral("--type, --fields and --no-header apply to csv only"));
    if (!ExchangeFile::IsExchangeFile(path))
        throw CliError(QString::fromUtf16(ExchangeFile::kWrongExtensionMessage));
    CliSession session;
    ExchangeFile::ExportSubtree(*StartNode(options, session), path);
    out << "Exported to " << path << '\n';
    return 0;
}

int ExportCsv(const CliArguments& options, const QString& path, QTextStream& out)
{
    const RecordType& type = RecordTypeArguments::Type(options.Value(kType, QStringLiteral("Person")));
    DelimitedLayout layout;
    layout.classCode = type.classCode;
    layout.fields = RecordTypeArguments::Fields(options.Value(kFields), type);
    layout.fieldNamesFirst = !options.Has(kNoHeader);
    CliSession session;
    DelimitedExport::ExportSubtree(*StartNode(options, session), path, layout);
    out << "Exported to " << path << '\n';
    return 0;
}

int Export(const QStringList& args, QTextStream& out)
{
    if (!args.isEmpty() && args.first().compare(u"html", Qt::CaseInsensitive) == 0)
        return ExportHtml(args.mid(1), out);
    const CliArguments options(args, {kNode, kType, kFields, kVersion}, {kNoHeader});
    if (options.Positional().size() != 2)
        throw CliError(QStringLiteral("export needs a FORMAT and a FILE"));
    const QString format = options.Positional()[0].toLower();
    // The file is named before the session enters the data directory.
    const QString path = QFileInfo(options.Positional()[1]).absoluteFilePath();
    if (format == u"zvd")
        return ExportZvd(options, path, out);
    if (format == u"csv")
        return ExportCsv(options, path, out);
    if (format == u"vcf") {
        if (options.Has(kType) || options.Has(kFields) || options.Has(kNoHeader))
            throw CliError(QStringLiteral("--type, --fields and --no-header apply to csv only"));
        if (options.Has(kVersion)) {
            if (options.Value(kVersion) != u"3.0")
                throw CliError(QStringLiteral("Unknown vCard version %1 (3.0)").arg(options.Value(kVersion)));
            if (!path.endsWith(u".vcf", Qt::CaseInsensitive))
                throw CliError(QStringLiteral("The exported filename needs to have an extension of \".vcf\""));
            CliSession session;
            return ExportStandardCards(StartNode(options, session), path, out);
        }
        return ExportVCard(options, out);
    }
    throw CliError(QStringLiteral("Unknown format %1 (zvd, csv, vcf or html)").arg(options.Positional()[0]));
}

} // namespace

std::vector<CliCommand> ExportCommands()
{
    return {
        {QStringLiteral("export"),
         QStringLiteral("export zvd|csv|vcf FILE [--node PATH] [--type TYPE --fields \"F1,...\"] [--no-header] [--version 3.0]\n"
                        "  export html DIR [--node PATH] [--main FILE] [--title TEXT] [--no-frames] [--levels N]"
                        " [--background NAME|FILE] [--text-color NAME] [--link-color NAME] [--no-zvd] [--no-vcard]"),
         QStringLiteral("write the subtree at PATH (default My Contacts) as an exchange file or delimited text"
                        " (vcf: the card of the person or organization at PATH, or with --version 3.0 standard cards"
                        " of every one at or below PATH; html: web pages in DIR)"),
         Export},
    };
}
