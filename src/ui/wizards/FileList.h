#pragma once

#include <QListWidget>
#include <QStringList>

// The files of one folder that match the masks, by name; the wizard pages
// pair it with a DirectoryList.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    void SetMasks(const QStringList& masks);
    void SetDirectory(const QString& directory);
    QString Directory() const { return m_directory; }
    // The chosen file's whole path; empty when none is chosen.
    QString SelectedFile() const;

Q_SIGNALS:
    void FileChanged(const QString& path);

private:
    void Fill();

    QString m_directory;
    QStringList m_masks;
};
