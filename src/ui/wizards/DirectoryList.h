#pragma once

#include <QWidget>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

// A folder chooser for wizard pages: the folder tree of the file system
// with the chosen folder's path above it; typing a path also chooses it.
class DirectoryList : public QWidget
{
    Q_OBJECT

public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString Directory() const { return m_directory; }
    void SetDirectory(const QString& directory);

Q_SIGNALS:
    void DirectoryChanged(const QString& directory);

private:
    QLineEdit* m_path;
    QTreeView* m_tree;
    QFileSystemModel* m_model;
    QString m_directory;
};
