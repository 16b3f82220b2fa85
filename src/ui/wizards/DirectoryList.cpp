#include "ui/wizards/DirectoryList.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>
#include <QVBoxLayout>

DirectoryList::DirectoryList(QWidget* parent)
    : QWidget(parent), m_path(new QLineEdit(this)), m_tree(new QTreeView(this)), m_model(new QFileSystemModel(this))
{
    m_path->setObjectName(QStringLiteral("DirectoryEdit"));
    m_tree->setObjectName(QStringLiteral("DirectoryTree"));
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_path);
    layout->addWidget(m_tree, 1);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        const QString path = m_model->filePath(index);
        if (!path.isEmpty() && path != m_directory) {
            m_directory = path;
            m_path->setText(QDir::toNativeSeparators(path));
            Q_EMIT DirectoryChanged(path);
        }
    });
    connect(m_path, &QLineEdit::editingFinished, this, [this] {
        const QString typed = QDir::fromNativeSeparators(m_path->text().trimmed());
        if (QFileInfo(typed).isDir())
            SetDirectory(typed);
        else
            m_path->setText(QDir::toNativeSeparators(m_directory));
    });
    // The program runs in its data directory; the user's files live at home.
    SetDirectory(QDir::homePath());
}

void DirectoryList::SetDirectory(const QString& directory)
{
    const QString clean = QDir::cleanPath(QFileInfo(directory).absoluteFilePath());
    const bool changed = clean != m_directory;
    m_directory = clean;
    m_path->setText(QDir::toNativeSeparators(clean));
    const QModelIndex index = m_model->index(clean);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    m_tree->expand(index);
    if (changed)
        Q_EMIT DirectoryChanged(clean);
}
