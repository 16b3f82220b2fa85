// Pictures of every sheet of "Print Reports" for review:
// ZENDRIVO_SCREENSHOTS=DIR (under xvfb-run for a real window system).
#include "ui/reports/TNewLabelForm.h"
#include "ui/reports/TReportForm.h"
#include "ui/reports/TReportPrinter.h"

#include "model/ClassCodes.h"
#include "model/ZVBObject.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ReportScreenshots, EverySheet)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    QTemporaryDir dir;
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* ann = CreateItem(ClassCode::Person, u"Ann Lee"_s, u" Ann Lee"_s, 0,
                                u"{Pers}~~Ann~~~~Lee~~Home~~~~~~~~~~0"_s, root, {}).node;
    CreateItem(ClassCode::Address, u"Home"_s, {}, 0, u"{Addr}1 Main St~~Suite 4~~~~Springfield~~IL~~62701~~USA~~0"_s,
               ann, {});
    TReportContext context;
    context.node = ann;
    context.current = ann->Item();
    context.profilePath = dir.filePath(u"zvb.ini"_s);
    context.returnAddressPath = dir.filePath(u"ret_addr.dat"_s);
    context.today = QDate(2026, 3, 1);
    TReportPrinter holder;
    QPrinter& printer = holder.Printer();
    TReportForm form(context, printer);
    form.show();
    for (int i = 0; i < ReportKinds::kCount; ++i) {
        form.SelectReport(static_cast<ReportKind>(i));
        QTest::qWait(200);
        form.grab().save(out + u"/report-"_s + ReportKinds::ShortName(static_cast<ReportKind>(i)) + u".png"_s);
    }
    // The preview of the labels, painted through the printer.
    form.SelectReport(ReportKind::Labels);
    QTimer::singleShot(800, [&out] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            preview->grab().save(out + u"/report-preview.png"_s);
            preview->close();
        }
    });
    form.Preview();
    TNewLabelForm label;
    label.show();
    QTest::qWait(200);
    label.grab().save(out + u"/report-new-label.png"_s);
}
