#include "reports/AddrBookForm.h"

#include "reports/ReportFields.h"
#include "reports/ReportUnits.h"

#include "model/ClassCodes.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QtMath>

#include <algorithm>

namespace {

QString PersonKey(const TZVBObject& person)
{
    const QStringList v = ReportFields::Values(
        person, {QStringLiteral("Last Name"), QStringLiteral("First Name"), QStringLiteral("Middle Name")});
    if (v[0].isEmpty() && v[1].isEmpty() && v[2].isEmpty())
        return person.Title();
    QString key = v[0] + u", " + v[1];
    if (!v[2].isEmpty())
        key += u' ' + v[2];
    return key;
}

QFont Sized(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

int LineUnits(const QFont& font, double lines)
{
    return static_cast<int>(qCeil(ReportUnits::LineHeight(font) * lines));
}

} // namespace

TAddrBookForm::TAddrBookForm(const TTreeNode& start, const ItemFilter& passes, const TAddrBookOptions& options)
    : m_entries(Collect(start, passes))
{
    const TReportSheet& sheet = options.sheet;
    m_report.SetPageSize(sheet.pageSize);
    m_report.SetOrientation(sheet.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_report.columns = std::clamp(options.columns, 1, 4);
    m_report.columnMargin = std::max(0, options.gutterTenths * 10);
    m_report.leftMargin = std::max(0, sheet.leftTenths * 10);
    m_report.Band(BandKind::PageHeader).height = std::max(0, sheet.topTenths * 10);
    m_report.Band(BandKind::PageFooter).height = std::max(0, sheet.bottomTenths * 10);
    m_report.showPrintDialog = true;
    const int width = m_report.ColumnWidth();
    const QFont body = Sized(sheet.font, 8);

    TReportBand& group = m_report.Band(BandKind::Group);
    group.font = Sized(sheet.font, 14);
    group.font.setBold(true);
    const int letterHeight = LineUnits(group.font, 1) + 4;
    group.height = letterHeight + 6;
    TReportControl& letter = group.AddLabel(QStringLiteral("Letter"), QRect(0, 4, width, letterHeight));
    letter.color = Qt::white;
    letter.background = QColor(128, 128, 128);
    letter.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    group.beforePrint = [this](TReportBand&) { return m_newGroup; };

    TReportBand& detail = m_report.Band(BandKind::Detail);
    detail.font = body;
    detail.height = LineUnits(body, 1) + 6;
    QFont bold = body;
    bold.setBold(true);
    const int nameWidth = width * 62 / 100;
    detail.AddLabel(QStringLiteral("Name"), QRect(0, 4, nameWidth - 4, detail.height - 4)).font = bold;
    TReportControl& phone
        = detail.AddLabel(QStringLiteral("Phone"), QRect(nameWidth, 4, width - nameWidth, detail.height - 4));
    phone.alignment = Qt::AlignRight | Qt::AlignTop;

    TReportBand& address = m_report.Band(BandKind::Child);
    address.font = body;
    // Room for the five lines of an address, and never less than the 0.89
    // inch the book always had.
    m_addressHeight = std::max(89, LineUnits(body, 5) + 6);
    address.AddMemo(QStringLiteral("Address"), QRect(12, 0, width - 12, m_addressHeight));
    address.beforePrint = [this](TReportBand& band) {
        band.height = band.Control(QStringLiteral("Address")).lines.isEmpty() ? 0 : m_addressHeight;
        return band.height > 0;
    };

    m_report.expectedRecords = static_cast<int>(m_entries.size());
    m_report.beforeLayout = [this] {
        m_next = 0;
        m_lastLetter.clear();
    };
    m_report.needData = [this] { return NeedData(); };
}

QString TAddrBookForm::GroupLetter(const QString& key)
{
    return key.left(1).toUpper();
}

std::vector<TAddrBookForm::Entry> TAddrBookForm::Collect(const TTreeNode& start, const ItemFilter& passes)
{
    std::vector<Entry> entries;
    for (const TTreeNode* node : ReportFields::Scope(start)) {
        const TZVBObject& item = *node->Item();
        const bool shown = ReportFields::Shows(passes, item);
        if (item.ClassCode() == ClassCode::Person && shown) {
            entries.push_back({PersonKey(item), &item});
        } else if (item.ClassCode() == ClassCode::Organization && shown) {
            entries.push_back({item.Title(), &item});
        } else {
            for (const auto& ref : item.Contents()) {
                const TZVBObject& leaf = *ref->Item();
                const int code = leaf.ClassCode();
                if ((code == ClassCode::Address || code == ClassCode::Phone) && ReportFields::Shows(passes, leaf))
                    entries.push_back({leaf.Title(), &leaf});
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key.compare(b.key, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

TAddrBookForm::Record TAddrBookForm::MakeRecord(const Entry& entry)
{
    const TZVBObject& item = *entry.item;
    const int code = item.ClassCode();
    Record record;
    record.letter = GroupLetter(entry.key);
    record.name = entry.key;
    if (code == ClassCode::Person || code == ClassCode::Organization)
        record.phone = ReportFields::Values(item, {QStringLiteral("Phone Number")}).value(0);
    else if (code == ClassCode::Phone)
        record.phone = item.Value();
    if (code != ClassCode::Phone) {
        const QStringList seven = ReportFields::Values(item, ReportFields::AddressFieldNames());
        if (std::any_of(seven.begin(), seven.end(), [](const QString& v) { return !v.isEmpty(); }))
            record.address = ReportFields::AddressLines(seven, true);
    }
    return record;
}

bool TAddrBookForm::NeedData()
{
    if (m_next >= m_entries.size())
        return false;
    const Record record = MakeRecord(m_entries[m_next++]);
    // Letters compare without regard to case, so "adam" and "Anna" share "A".
    m_newGroup = record.letter != m_lastLetter || m_next == 1;
    m_lastLetter = record.letter;
    m_report.Band(BandKind::Group).Control(QStringLiteral("Letter")).SetText(u' ' + record.letter);
    TReportBand& detail = m_report.Band(BandKind::Detail);
    detail.Control(QStringLiteral("Name")).SetText(record.name);
    detail.Control(QStringLiteral("Phone")).SetText(record.phone);
    m_report.Band(BandKind::Child).Control(QStringLiteral("Address")).lines = record.address;
    return true;
}
