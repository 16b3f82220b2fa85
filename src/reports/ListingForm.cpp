#include "reports/ListingForm.h"

#include "reports/ListLayout.h"
#include "reports/ReportFields.h"

#include "model/ClassCodes.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"

#include <QLocale>

TListingForm::TListingForm(const TTreeNode& start, const ItemFilter& passes, const TReportSheet& sheet,
                           const QDate& created)
    : m_records(Collect(start, passes))
{
    ListLayout::Build(m_report, sheet,
                      {{QStringLiteral("Name"), QStringLiteral("Contact"), 16},
                       {QStringLiteral("Address"), QStringLiteral("Address"), 24, true},
                       {QStringLiteral("Phone"), QStringLiteral("Phone Number"), 13},
                       {QStringLiteral("Fax"), QStringLiteral("FAX Number"), 13},
                       {QStringLiteral("EMail"), QStringLiteral("E-Mail"), 17},
                       {QStringLiteral("Url"), QStringLiteral("URL"), 17}},
                      {u"Source: " + TItemTree::PathOf(&start),
                       u"created: " + QLocale().toString(created, QLocale::ShortFormat)});
    m_report.showPrintDialog = true;
    m_report.expectedRecords = static_cast<int>(m_records.size());
    m_report.beforeLayout = [this] { m_next = 0; };
    m_report.needData = [this] { return NeedData(); };
}

std::vector<const TZVBObject*> TListingForm::Collect(const TTreeNode& start, const ItemFilter& passes)
{
    std::vector<const TZVBObject*> records;
    const std::vector<const TTreeNode*> scope = ReportFields::Scope(start);
    // The selected item itself is not listed.
    for (size_t i = 1; i < scope.size(); ++i) {
        const TZVBObject& item = *scope[i]->Item();
        const int code = item.ClassCode();
        if ((code == ClassCode::Person || code == ClassCode::Organization) && ReportFields::Shows(passes, item))
            records.push_back(&item);
    }
    return records;
}

TListingForm::Row TListingForm::MakeRow(const TZVBObject& item)
{
    static const QStringList fields = QStringList{QStringLiteral("Title")} + ReportFields::AddressFieldNames()
        + QStringList{QStringLiteral("Phone Number"), QStringLiteral("Fax Number"), QStringLiteral("E-Mail Address"),
                      QStringLiteral("Website")};
    const QStringList v = ReportFields::Values(item, fields);
    Row row;
    row.name = v[0];
    row.address = QStringList{v[0]} + ReportFields::AddressLines(v.mid(1, 7), false);
    row.phone = v[8];
    row.fax = v[9];
    row.email = v[10];
    row.url = v[11];
    return row;
}

bool TListingForm::NeedData()
{
    if (m_next >= m_records.size())
        return false;
    const Row row = MakeRow(*m_records[m_next++]);
    TReportBand& detail = m_report.Band(BandKind::Detail);
    detail.Control(QStringLiteral("Name")).SetText(row.name);
    detail.Control(QStringLiteral("Address")).lines = row.address;
    detail.Control(QStringLiteral("Phone")).SetText(row.phone);
    detail.Control(QStringLiteral("Fax")).SetText(row.fax);
    detail.Control(QStringLiteral("EMail")).SetText(row.email);
    detail.Control(QStringLiteral("Url")).SetText(row.url);
    ListLayout::FitDetail(m_report, static_cast<int>(row.address.size()));
    return true;
}
