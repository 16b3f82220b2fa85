#include "ui/wizards/FileList.h"

#include <QDir>

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("FileListBox"));
    connect(this, &QListWidget::currentRowChanged, this, [this] { Q_EMIT FileChanged(SelectedFile()); });
}

void FileList::SetMasks(const QStringList& masks)
{
    m_masks = masks;
    Fill();
}

void FileList::SetDirectory(const QString& directory)
{
    m_directory = directory;
    Fill();
}

QString FileList::SelectedFile() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? QDir(m_directory).filePath(item->text()) : QString();
}

void FileList::Fill()
{
    clear();
    if (m_directory.isEmpty())
        return;
    QDir dir(m_directory);
    dir.setNameFilters(m_masks);
    // Masks match without regard to case: "*.zvd" finds "CLUB.ZVD" too.
    const QStringList files = dir.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    addItems(files);
    Q_EMIT FileChanged(QString());
}
