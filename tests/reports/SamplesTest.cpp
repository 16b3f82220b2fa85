// Every report of a tree of a few dozen items written to PDF. The text that
// comes back out of the book must list the names in sorted order. With
// ZENDRIVO_REPORT_SAMPLES set, the PDFs stay in that folder for review.
#include "ReportTree.h"

#include "reports/BandedReport.h"
#include "reports/Delivery.h"
#include "reports/ReportPainter.h"
#include "reports/ReportRequest.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SampleTree : ReportTree
{
    TTreeNode* business = nullptr;
    TTreeNode* acme = nullptr;

    SampleTree()
    {
        business = Folder(u"Business"_s, root);
        TTreeNode* friends = Folder(u"Friends"_s, root);
        static const char16_t* const people[][3] = {
            {u"Adam", u"Q", u"Baker"},      {u"alice", u"", u"archer"},    {u"Anna", u"M", u"Ames"},
            {u"Bob", u"", u"Brown"},        {u"Carla", u"J", u"Cortez"},   {u"Dieter", u"", u"Dörfler"},
            {u"Eve", u"", u"Evans"},        {u"Frank", u"", u"Fischer"},   {u"Grace", u"", u"Ng"},
            {u"Hiro", u"", u"Tanaka"},      {u"Ivan", u"", u"Ivanov"},     {u"Julia", u"", u"Jones"},
            {u"Kim", u"", u"Kowalski"},     {u"Lena", u"", u"Lund"},       {u"Maximilian Alexander", u"", u"Montgomery-Worthington"},
        };
        int n = 0;
        for (const auto& p : people) {
            const QString first = QString::fromUtf16(p[0]), middle = QString::fromUtf16(p[1]),
                          last = QString::fromUtf16(p[2]);
            TTreeNode* person = Person(first + u' ' + last, first, middle, last, n % 2 ? friends : business);
            Address(person, u"Home"_s, QStringLiteral("%1 Long Street").arg(100 + n),
                    n % 3 ? u"Springfield"_s : QString());
            Phone(person, u"Phone"_s, QStringLiteral("(555) 010-%1").arg(n, 4, 10, QLatin1Char('0')));
            if (n % 4 == 0)
                Reminder(person, u"Birthday of "_s + first, 2026, 1 + n % 12, 1 + n, u"bring a card"_s);
            ++n;
        }
        acme = Org(u"Acme Industries"_s, business);
        Address(acme, u"Home"_s, u"1 Industrial Way"_s, u"Metropolis"_s, u"NY"_s, u"10001"_s);
        Phone(acme, u"Phone"_s, u"(555) 000-0000"_s);
        Org(u"zeta Labs"_s, business);
        Address(business, u"Post box"_s, u"PO Box 7"_s, u"Capital City"_s);
        Phone(friends, u"Pizza place"_s, u"(555) 222-3333"_s);
        Reminder(business->Parent(), u"Renew the lease"_s, 2026, 6, 30, u"a comment far too long to fit into its column of the reminder list, cut at the column's edge"_s);
    }
};

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ReportSamplesTest, EveryReportWritesAPdfAndTheBookIsSorted)
{
    SampleTree t;
    QTemporaryDir temp;
    const QString folder = qEnvironmentVariable("ZENDRIVO_REPORT_SAMPLES", temp.path());
    QDir().mkpath(folder);
    TReportRequest request = TReportRequest::Defaults(*t.root, QDate(2026, 1, 1));
    request.paper = QPageSize(QPageSize::Letter);
    request.to = QDate(2026, 12, 31);
    request.book.gutterTenths = 3;
    request.label.SetValues({50, 19, 100, 262, 275, 100, 3});
    request.envelope.returnLines = QStringList{u"Pat Sender"_s, u"9 Home Road"_s, u"Smalltown, IL"_s};
    request.envelope.deliveryLines = TDeliveryTarget::For(t.acme->Item()).Lines();
    for (int k = 0; k < ReportKinds::kCount; ++k) {
        request.kind = static_cast<ReportKind>(k);
        auto prepared = PrepareReport(request);
        ASSERT_NE(prepared, nullptr);
        const QString path = folder + u'/' + ReportKinds::ShortName(request.kind) + u".pdf";
        QString error;
        ASSERT_TRUE(ReportPainter::WritePdf(prepared->Report(), path, &error)) << error.toStdString();
    }
    // The book again in two columns across a landscape page.
    request.kind = ReportKind::Book;
    request.book.columns = 2;
    request.book.sheet.landscape = true;
    ASSERT_TRUE(ReportPainter::WritePdf(PrepareReport(request)->Report(), folder + u"/book-columns.pdf"));

    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString book = PdfText(folder + u"/book.pdf");
    QStringList names{u"Acme Industries"_s, u"Ames, Anna M"_s, u"archer, alice"_s, u"Baker, Adam Q"_s,
                      u"Brown, Bob"_s, u"Cortez, Carla J"_s, u"Pizza place"_s, u"Post box"_s, u"Tanaka, Hiro"_s,
                      u"zeta Labs"_s};
    qsizetype at = -1;
    for (const QString& name : names) {
        const qsizetype found = book.indexOf(name);
        EXPECT_GT(found, at) << name.toStdString();
        at = found;
    }
    const QString envelope = PdfText(folder + u"/envelope.pdf");
    EXPECT_TRUE(envelope.contains(u"Pat Sender"_s));
    EXPECT_TRUE(envelope.contains(u"Metropolis, NY"_s));
}

} // namespace
