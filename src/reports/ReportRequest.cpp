#include "reports/ReportRequest.h"

#include "reports/AddrBookForm.h"
#include "reports/EnvelopeForm.h"
#include "reports/LabelForm.h"
#include "reports/ListingForm.h"
#include "reports/ReminderForm.h"
#include "reports/SimpleForm.h"

#include "model/ItemTree.h"

namespace ReportKinds {

namespace {
const char16_t* const kCaptions[kCount] = {u"People & Organization List", u"Envelope", u"Address & Phone Book",
                                           u"Address Labels", u"Reminder List", u"Simple List"};
const char16_t* const kShortNames[kCount] = {u"list", u"envelope", u"book", u"labels", u"reminders", u"simple"};
} // namespace

QString Caption(ReportKind kind)
{
    return QString::fromUtf16(kCaptions[static_cast<int>(kind)]);
}

QString ShortName(ReportKind kind)
{
    return QString::fromUtf16(kShortNames[static_cast<int>(kind)]);
}

std::optional<ReportKind> FromShortName(const QString& name)
{
    for (int i = 0; i < kCount; ++i)
        if (name == QStringView(kShortNames[i]))
            return static_cast<ReportKind>(i);
    return std::nullopt;
}

} // namespace ReportKinds

TReportRequest TReportRequest::Defaults(const TTreeNode& node, const QDate& today)
{
    TReportRequest r;
    r.node = &node;
    r.today = today;
    r.paper = ReportDefaults::PageSize();
    const QFont font = ReportDefaults::Font();
    for (TReportSheet* sheet : {&r.list, &r.book.sheet, &r.reminders, &r.simple}) {
        sheet->font = font;
        sheet->pageSize = r.paper;
    }
    r.list.title = QStringLiteral("Contact List");
    r.reminders.title = QStringLiteral("Reminder Listing");
    r.simple.title = TItemTree::PathOf(&node);
    r.envelope.returnFont = font;
    r.envelope.deliveryFont = font;
    r.labelFont = font;
    r.label.name = QStringLiteral("New Label Type");
    r.from = today;
    r.to = today.addMonths(1);
    return r;
}

namespace {

template <typename Form> class Prepared : public TPreparedReport
{
public:
    template <typename... Args> explicit Prepared(Args&&... args) : m_form(std::forward<Args>(args)...) {}
    TBandedReport& Report() override { return m_form.Report(); }

private:
    Form m_form;
};

TReportSheet WithPaper(TReportSheet sheet, const QPageSize& paper)
{
    sheet.pageSize = paper;
    return sheet;
}

} // namespace

std::unique_ptr<TPreparedReport> PrepareReport(const TReportRequest& r)
{
    if (r.kind == ReportKind::Envelope)
        return std::make_unique<Prepared<TEnvelopeForm>>(r.envelope);
    if (!r.node)
        return nullptr;
    switch (r.kind) {
    case ReportKind::List:
        return std::make_unique<Prepared<TListingForm>>(*r.node, r.passes, WithPaper(r.list, r.paper), r.today);
    case ReportKind::Book: {
        TAddrBookOptions book = r.book;
        book.sheet.pageSize = r.paper;
        return std::make_unique<Prepared<TAddrBookForm>>(*r.node, r.passes, book);
    }
    case ReportKind::Labels:
        return std::make_unique<Prepared<TLabelForm>>(*r.node, r.passes, r.label, r.labelFont, r.paper);
    case ReportKind::Reminders:
        return std::make_unique<Prepared<TReminderForm>>(*r.node, r.passes, WithPaper(r.reminders, r.paper), r.from,
                                                         r.to);
    case ReportKind::Simple:
        return std::make_unique<Prepared<TSimpleForm>>(*r.node, r.passes, WithPaper(r.simple, r.paper));
    case ReportKind::Envelope:
        break;
    }
    return nullptr;
}
