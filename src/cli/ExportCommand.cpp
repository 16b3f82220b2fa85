#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/VCardCommands.h"

namespace {
int Export(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {QStringLiteral("--node")}, {});
    if (options.Positional().isEmpty())
        throw CliError(QStringLiteral("export needs a FORMAT and a FILE"));
    const QString format = options.Positional()[0];
    if (format == u"vcf")
        return ExportVCard(options, out);
    throw CliError(QStringLiteral("Unknown export format %1 (known: vcf)").arg(format));
}
} // namespace

std::vector<CliCommand> ExportCommands()
{
    return {
        {QStringLiteral("export"), QStringLiteral("export vcf FILE --node PATH"),
         QStringLiteral("write the card of the person or organization at PATH"), Export},
    };
}
