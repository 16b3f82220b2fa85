#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/full/FullCommands.h"

#include "model/TreeNode.h"
#include "platform/ProfileFile.h"
#include "reports/BandedReport.h"
#include "reports/Delivery.h"
#include "reports/EnvelopeForm.h"
#include "reports/LabelTypeStore.h"
#include "reports/ReportPainter.h"
#include "reports/ReportRequest.h"
#include "reports/ReturnAddress.h"
#include "reports/SheetTemplates.h"

#include <QDate>
#include <QFileInfo>

namespace {

const QString kNode = QStringLiteral("--node");
const QString kPdf = QStringLiteral("--pdf");
const QString kTitle = QStringLiteral("--title");
const QString kLandscape = QStringLiteral("--landscape");
const QString kColumns = QStringLiteral("--columns");
const QString kLabel = QStringLiteral("--label");
const QString kFrom = QStringLiteral("--from");
const QString kTo = QStringLiteral("--to");
const QString kReturnFile = QStringLiteral("--return-file");
const QString kEnvelope = QStringLiteral("--envelope");

// The label types the dialog offers: those stored, then the sheet templates.
std::vector<TLabelDimension> LabelTypes()
{
    std::vector<TLabelDimension> all = LabelTypeStore::Read(ProfileFile(ProfileFile::Default()));
    for (TLabelDimension& label : SheetTemplates::LoadInstalled())
        all.push_back(std::move(label));
    return all;
}

QDate DateOption(const CliArguments& options, const QString& name, const QDate& fallback)
{
    if (!options.Has(name))
        return fallback;
    const QDate date = QDate::fromString(options.Value(name), Qt::ISODate);
    if (!date.isValid())
        throw CliError(QStringLiteral("%1 needs a date as YYYY-MM-DD, not %2").arg(name, options.Value(name)));
    return date;
}

int Report(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {kNode, kPdf, kTitle, kColumns, kLabel, kFrom, kTo, kReturnFile, kEnvelope},
                               {kLandscape});
    if (options.Positional().size() != 1)
        throw CliError(QStringLiteral("report needs one of list, envelope, book, labels, reminders, simple"));
    const auto kind = ReportKinds::FromShortName(options.Positional()[0].toLower());
    if (!kind)
        throw CliError(QStringLiteral("Unknown report %1 (list, envelope, book, labels, reminders, simple)")
                           .arg(options.Positional()[0]));
    if (!options.Has(kPdf) || options.Value(kPdf).isEmpty())
        throw CliError(QStringLiteral("report needs --pdf FILE"));
    // Files are named before the session enters the data directory.
    const QString pdf = QFileInfo(options.Value(kPdf)).absoluteFilePath();
    const QString returnFile = options.Has(kReturnFile) ? QFileInfo(options.Value(kReturnFile)).absoluteFilePath()
                                                        : QString();

    CliSession session;
    const TTreeNode* node = options.Has(kNode) ? session.NodeAt(options.Value(kNode)) : session.Root();
    const QDate today = QDate::currentDate();
    TReportRequest request = TReportRequest::Defaults(*node, today);
    request.kind = *kind;
    const bool landscape = options.Has(kLandscape);
    for (TReportSheet* sheet : {&request.list, &request.book.sheet, &request.reminders, &request.simple})
        sheet->landscape = landscape;
    if (options.Has(kTitle)) {
        request.list.title = options.Value(kTitle);
        request.reminders.title = options.Value(kTitle);
        request.simple.title = options.Value(kTitle);
    }
    if (options.Has(kColumns)) {
        bool ok = false;
        request.book.columns = options.Value(kColumns).toInt(&ok);
        if (!ok || request.book.columns < 1 || request.book.columns > 4)
            throw CliError(QStringLiteral("--columns takes 1 to 4"));
    }
    request.from = DateOption(options, kFrom, request.from);
    request.to = DateOption(options, kTo, request.to);

    if (*kind == ReportKind::Labels) {
        const std::vector<TLabelDimension> labels = LabelTypes();
        if (labels.empty() && !options.Has(kLabel))
            throw CliError(QStringLiteral("No label types are stored or installed; name one with --label"));
        const QString wanted = options.Value(kLabel, labels.empty() ? QString() : labels.front().name);
        const auto it = std::find_if(labels.begin(), labels.end(),
                                     [&](const TLabelDimension& l) { return l.name.compare(wanted, Qt::CaseInsensitive) == 0; });
        if (it == labels.end())
            throw CliError(QStringLiteral("Unknown label type %1 (zendrivo-cli labels lists them)").arg(wanted));
        request.label = *it;
    }
    if (*kind == ReportKind::Envelope) {
        if (options.Has(kEnvelope)) {
            request.envelope.size = TEnvelopeForm::FindSize(options.Value(kEnvelope));
            if (request.envelope.size < 0)
                throw CliError(QStringLiteral("Unknown envelope size %1 (10, monarch, b5, c5 or dl)")
                                   .arg(options.Value(kEnvelope)));
        }
        const QString path = returnFile.isEmpty() ? ReturnAddress::DefaultPath() : returnFile;
        const auto lines = ReturnAddress::Load(path);
        if (!lines)
            throw CliError(QStringLiteral("Cannot read the return address from %1").arg(path));
        if (!returnFile.isEmpty() && !QFileInfo(returnFile).isFile())
            throw CliError(QStringLiteral("Cannot read the return address from %1").arg(returnFile));
        request.envelope.returnLines = *lines;
        request.envelope.deliveryLines = TDeliveryTarget::For(node->Item()).Lines();
    }
    auto prepared = PrepareReport(request);
    QString error;
    if (!ReportPainter::WritePdf(prepared->Report(), pdf, &error))
        throw CliError(error);
    out << "Wrote " << ReportKinds::Caption(*kind) << " to " << pdf << '\n';
    return 0;
}

int Labels(const QStringList& args, QTextStream& out)
{
    const CliArguments options(args, {}, {});
    if (!options.Positional().isEmpty())
        throw CliError(QStringLiteral("labels takes no arguments"));
    for (const TLabelDimension& label : LabelTypes())
        out << label.ToText() << '\n';
    return 0;
}

} // namespace

bool CommandPaints(const QStringList& args)
{
    return !args.isEmpty() && args[0] == u"report";
}

std::vector<CliCommand> ReportCommands()
{
    return {FullOnlyCommand(QStringLiteral("report"), Report), FullOnlyCommand(QStringLiteral("labels"), Labels)};
}
