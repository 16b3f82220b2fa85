// Pictures of every wizard page for a person to look at: run with
// ZENDRIVO_SCREENSHOTS=DIR (under xvfb-run for a real window system).
#include "model/ClassCodes.h"
#include "model/ItemFactory.h"
#include "model/ItemTree.h"
#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "exchange/WebGraphics.h"
#include "ui/wizards/FieldChoice.h"
#include "ui/wizards/HtmlPublishPages.h"
#include "ui/wizards/TExportWizard.h"
#include "ui/wizards/TImportWizard.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Shoot(TWizardForm& wizard, const QString& out, const QString& prefix)
{
    for (int i = 0; i < wizard.VisibleSheets().size(); ++i) {
        QTest::qWait(100);
        EXPECT_TRUE(wizard.grab().save(QDir(out).filePath(prefix + u'-' + wizard.CurrentSheet() + u".png")));
        wizard.NextPage();
    }
}

} // namespace

TEST(Screenshots, WizardPages)
{
    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set ZENDRIVO_SCREENSHOTS to a directory to take pictures";
    // The pictures lie beside the desktop program.
    WebGraphics::SetFolder(QFileInfo(QStringLiteral(ZENDRIVO_APP_PATH)).absolutePath() + u"/Web Graphics");
    TItemTree tree;
    TTreeNode* root = tree.CreateRoot();
    TTreeNode* folder = CreateItem(ClassCode::Folder, QStringLiteral("Friends & Family"), {}, 0, {}, root, {}).node;
    TTreeNode* person = CreateItem(ClassCode::Person, QStringLiteral("Ann Lee"), {}, 0, {}, folder, {}).node;

    TExportWizard exporter(person, {});
    exporter.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&exporter));
    const TExportWizard::Format formats[] = {TExportWizard::Exchange, TExportWizard::Html, TExportWizard::Delimited,
                                             TExportWizard::VCard};
    for (const TExportWizard::Format format : formats) {
        while (exporter.CurrentPage() > 0)
            exporter.PrevPage();
        exporter.SetExportType(format);
        if (format == TExportWizard::Html) {
            exporter.HtmlPages().BkgComboBox()->setCurrentText(QStringLiteral("marble"));
            exporter.HtmlPages().ChooseBackground(exporter.HtmlPages().BkgComboBox()->currentIndex());
        }
        if (format == TExportWizard::Delimited)
            exporter.Fields().SetChosenFields({QStringLiteral("Title"), QStringLiteral("Phone Number")});
        Shoot(exporter, out, u"export-" + QString::number(format));
    }
    exporter.hide();

    TImportWizard importer(folder);
    importer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&importer));
    for (int format = TImportWizard::Exchange; format <= TImportWizard::VCard; ++format) {
        while (importer.CurrentPage() > 0)
            importer.PrevPage();
        importer.SetImportType(static_cast<TImportWizard::Format>(format));
        Shoot(importer, out, u"import-" + QString::number(format));
    }
    WebGraphics::SetFolder(QString());
}
