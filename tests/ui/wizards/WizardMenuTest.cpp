#include "ui/shell/TMainForm.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WizardMenu, FileMenuOpensTheWizardsBetweenNewAndSave)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    {
        TMainForm form;
        const auto* file = form.findChild<QMenu*>(QStringLiteral("FileMenu"));
        ASSERT_NE(file, nullptr);
        QStringList texts;
        for (const QAction* action : file->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        const int import = static_cast<int>(texts.indexOf(u"&Import..."));
        ASSERT_GT(import, 0) << texts.join(u'|').toStdString();
        EXPECT_EQ(texts.mid(import - 1, 4).join(u'|'), u"-|&Import...|P&ublish...|-");
        EXPECT_LT(import, texts.indexOf(u"&Save Database"));
    }
    QDir::setCurrent(QDir::tempPath());
}
