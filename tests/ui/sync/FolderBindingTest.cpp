#include "TreeBuilder.h"

#include "model/ClassCodes.h"
#include "model/FolderObject.h"
#include "sync/Binding.h"
#include "ui/dialogs/TFolderEditDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The folder dialog's choice between a read-only source and an address book.
class FolderBindingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        oldHome = qgetenv("ZENDRIVO_HOME");
        qputenv("ZENDRIVO_HOME", home.path().toUtf8());
        folder = static_cast<TFolderObject*>(AddContainer(tree.CreateRoot(), ClassCode::Folder, QStringLiteral("Phone"))->Item());
    }
    void TearDown() override { qputenv("ZENDRIVO_HOME", oldHome); }

    QTemporaryDir home;
    QByteArray oldHome;
    TItemTree tree;
    TFolderObject* folder = nullptr;
};

TEST_F(FolderBindingTest, AnAddressBookIsNoReadOnlySource)
{
    TFolderEditDlg dialog;
    dialog.SetFolder(*folder);
    EXPECT_TRUE(dialog.SourceRadio()->isChecked());
    dialog.RemoteBox()->setChecked(true);
    dialog.CardDavRadio()->setChecked(true);
    dialog.CardDavUrlEdit()->setText(QStringLiteral("cloud.example.org"));
    dialog.CardDavUserEdit()->setText(QStringLiteral(" ann "));
    EXPECT_TRUE(dialog.IsCardDav());
    EXPECT_TRUE(dialog.Location().isEmpty()); // never a remote (read-only) folder as well
    EXPECT_EQ(dialog.CardDavUrl(), QStringLiteral("https://cloud.example.org"));
    EXPECT_EQ(dialog.CardDavUser(), QStringLiteral("ann"));
    EXPECT_FALSE(dialog.LocationEdit()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.CardDavUrlEdit()->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.CardDavPasswordEdit()->echoMode(), QLineEdit::Password);
}

TEST_F(FolderBindingTest, ABoundFolderOpensWithItsAddressBook)
{
    ASSERT_TRUE((Binding{folder->Id(), QStringLiteral("https://dav.example/ann/book/"), QStringLiteral("ann")})
                    .Store(QDir(home.path()).filePath(QStringLiteral("zvb.ini"))));
    TFolderEditDlg dialog;
    dialog.SetFolder(*folder);
    EXPECT_TRUE(dialog.RemoteBox()->isChecked());
    EXPECT_TRUE(dialog.CardDavRadio()->isChecked());
    EXPECT_EQ(dialog.CardDavUrlEdit()->text(), QStringLiteral("https://dav.example/ann/book/"));
    EXPECT_EQ(dialog.CardDavUserEdit()->text(), QStringLiteral("ann"));

    const QString out = qEnvironmentVariable("ZENDRIVO_SCREENSHOTS");
    if (out.isEmpty())
        return;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.grab().save(QDir(out).filePath(QStringLiteral("folder-carddav.png"))));
    dialog.SourceRadio()->setChecked(true);
    QTest::qWait(50);
    EXPECT_TRUE(dialog.grab().save(QDir(out).filePath(QStringLiteral("folder-source.png"))));
}

} // namespace
