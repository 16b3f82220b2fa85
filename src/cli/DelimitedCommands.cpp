#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/RecordTypeArguments.h"
#include "exchange/CsvImport.h"
#include "exchange/RecordTypes.h"

#include <QFileInfo>

namespace {

int ImportCsv(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--type"), QStringLiteral("--fields"), QStringLiteral("--into")},
                               {QStringLiteral("--tab")});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("import-csv needs exactly one FILE"));
    if (!options.Has(QStringLiteral("--type")) || !options.Has(QStringLiteral("--fields")))
        throw CliError(QStringLiteral("import-csv needs --type TYPE and --fields \"F1,F2,...\""));
    const RecordType& type = RecordTypeArguments::Type(options.Value(QStringLiteral("--type")));
    const QString fieldText = options.Value(QStringLiteral("--fields"));
    if (fieldText.trimmed().isEmpty())
        throw CliError(QStringLiteral("--fields names no field"));
    const QStringList fields = RecordTypeArguments::Fields(fieldText, type);
    // The file is named before the session enters the data directory.
    const QFileInfo file(options.Positional()[0]);
    if (!file.exists())
        throw CliError(QStringLiteral("No such file: %1").arg(options.Positional()[0]));
    const QString path = file.absoluteFilePath();

    CliSession session;
    TTreeNode* target = options.Has(QStringLiteral("--into")) ? session.NodeAt(options.Value(QStringLiteral("--into")))
                                                               : session.Root();
    const auto separator = options.Has(QStringLiteral("--tab")) ? CsvImport::Separator::Tab : CsvImport::Separator::Comma;
    const int taken = CsvImport::ImportCSV(target, path, type.classCode, fields, separator);
    if (taken < 0)
        throw CliError(QStringLiteral("No such file: %1").arg(options.Positional()[0]));
    session.Save();
    out << "Imported " << taken << " item(s)\n";
    return 0;
}

} // namespace

std::vector<CliCommand> DelimitedCommands()
{
    return {
        {QStringLiteral("import-csv"),
         QStringLiteral("import-csv FILE --type TYPE --fields \"F1,...\" [--tab] [--into PATH]"),
         QStringLiteral("import comma- or tab-separated rows as items of TYPE and save"), ImportCsv, true},
    };
}
