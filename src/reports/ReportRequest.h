#pragma once

#include "reports/AddrBookForm.h"
#include "reports/EnvelopeForm.h"
#include "reports/LabelDimension.h"
#include "reports/ReportSheet.h"

#include "exchange/SubtreeWalk.h"

#include <QDate>
#include <QStringList>

#include <memory>

class TBandedReport;
class TTreeNode;

// The six reports, in the order of the "Report Type" list.
enum class ReportKind { List, Envelope, Book, Labels, Reminders, Simple };

namespace ReportKinds {
inline constexpr int kCount = 6;
// "People & Organization List", "Envelope", ...
QString Caption(ReportKind kind);
// "list", "envelope", "book", "labels", "reminders", "simple".
QString ShortName(ReportKind kind);
std::optional<ReportKind> FromShortName(const QString& name);
} // namespace ReportKinds

// Everything a report is prepared from: the subtree, the filter, and the
// choices of the sheet of each report.
struct TReportRequest
{
    ReportKind kind = ReportKind::List;
    const TTreeNode* node = nullptr;
    ItemFilter passes;
    QPageSize paper{QPageSize::Letter};
    QDate today;

    TReportSheet list;
    TEnvelopeOptions envelope;
    TAddrBookOptions book;
    TLabelDimension label;
    QFont labelFont;
    TReportSheet reminders;
    QDate from;
    QDate to;
    TReportSheet simple;

    // The defaults of the print dialog for the node: titles, margins, the
    // desktop's font, today's date for the reminder range.
    static TReportRequest Defaults(const TTreeNode& node, const QDate& today);
};

// A prepared report: the form that feeds the records and its bands.
class TPreparedReport
{
public:
    virtual ~TPreparedReport() = default;
    virtual TBandedReport& Report() = 0;
};

// Builds the chosen report over the request's subtree.
std::unique_ptr<TPreparedReport> PrepareReport(const TReportRequest& request);
