#pragma once

#include "model/ItemTree.h"
#include "model/ZVBObject.h"
#include "ui/panes/ItemListModel.h"
#include "ui/shell/TMainForm.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The main window on a working directory of its own, with the titles the
// item list shows.
class MainFormFixture : public ::testing::Test
{
protected:
    MainFormFixture() { QDir::setCurrent(dir.path()); }
    ~MainFormFixture() override { QDir::setCurrent(QDir::tempPath()); }

    QStringList Rows() const
    {
        QStringList titles;
        for (int row = 0; row < form->ListModel()->rowCount(); ++row)
            titles.append(form->ListModel()->ItemAt(row)->Title());
        return titles;
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    TTreeNode* root = form->Tree().Root();
};
