#include "reports/LabelForm.h"

#include "reports/ReportFields.h"

#include "model/ClassCodes.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <algorithm>

namespace {

// The top strip of the paper no printer reaches; the page header covers the
// rest of the top margin.
constexpr int kPrinterTop = 25;

} // namespace

TLabelForm::Geometry TLabelForm::GeometryOf(const TLabelDimension& label)
{
    Geometry g;
    g.columns = std::clamp(label.across, 1, 10);
    g.leftMargin = std::max(0, label.side);
    g.columnPitch = std::max(1, label.hPitch);
    g.headerHeight = label.top < kPrinterTop + 1 ? 0 : label.top - kPrinterTop;
    g.detailHeight = std::max(1, label.vPitch);
    g.memo = QRect(10, 10, std::max(1, label.width - 10), std::max(1, label.height - 10));
    return g;
}

TLabelForm::TLabelForm(const TTreeNode& start, const ItemFilter& passes, const TLabelDimension& label,
                       const QFont& font, const QPageSize& paper)
    : m_entries(Collect(start, passes))
{
    const Geometry g = GeometryOf(label);
    m_report.SetPageSize(label.paper.value_or(paper));
    m_report.SetOrientation(QPageLayout::Portrait);
    // Measured from the paper's edges: only the top keeps the printer's strip.
    m_report.SetPageMargins(QMargins(0, kPrinterTop, 0, 0));
    m_report.columns = g.columns;
    m_report.leftMargin = g.leftMargin;
    m_report.columnPitch = g.columnPitch;
    m_report.Band(BandKind::PageHeader).height = g.headerHeight;
    TReportBand& detail = m_report.Band(BandKind::Detail);
    detail.height = g.detailHeight;
    detail.font = font;
    detail.AddMemo(QStringLiteral("Label"), g.memo);
    m_report.showPrintDialog = true;
    m_report.expectedRecords = static_cast<int>(m_entries.size());
    m_report.beforeLayout = [this] { m_next = 0; };
    m_report.needData = [this] {
        if (m_next >= m_entries.size())
            return false;
        m_report.Band(BandKind::Detail).Control(QStringLiteral("Label")).lines = Lines(m_entries[m_next++]);
        return true;
    };
}

std::vector<TLabelForm::Entry> TLabelForm::Collect(const TTreeNode& start, const ItemFilter& passes)
{
    std::vector<Entry> entries;
    for (const TTreeNode* node : ReportFields::Scope(start)) {
        const TZVBObject& item = *node->Item();
        const bool shown = ReportFields::Shows(passes, item);
        if (item.ClassCode() == ClassCode::Person && shown) {
            entries.push_back({item.Value().trimmed(), &item});
        } else if (item.ClassCode() == ClassCode::Organization && shown) {
            entries.push_back({item.Title(), &item});
        } else {
            for (const auto& ref : item.Contents()) {
                const TZVBObject& leaf = *ref->Item();
                if (leaf.ClassCode() == ClassCode::Address && ReportFields::Shows(passes, leaf))
                    entries.push_back({leaf.Title(), &leaf});
            }
        }
    }
    return entries;
}

QStringList TLabelForm::Lines(const Entry& entry)
{
    // A person or organization answers the address fields from its primary address.
    const QStringList seven = ReportFields::Values(*entry.item, ReportFields::AddressFieldNames());
    return QStringList{entry.key} + ReportFields::AddressLines(seven, true);
}
