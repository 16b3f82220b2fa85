#include "ui/dialogs/TDocEditDlg.h"

#include "model/ZVBObject.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TDocEditDlg::TDocEditDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Document"), ClassCode::Document, parent), m_title(new QLineEdit(Body())),
      m_fileName(new QLineEdit(Body())), m_comment(new QLineEdit(Body()))
{
    m_title->setObjectName(QStringLiteral("TitleEdit"));
    m_fileName->setObjectName(QStringLiteral("FilenameEdit"));
    m_comment->setObjectName(QStringLiteral("CommentEdit"));
    auto* browse = new QPushButton(QStringLiteral("Browse..."), Body());
    browse->setObjectName(QStringLiteral("BrowseBtn"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TDocEditDlg::BrowseClicked);
    auto* file = new QHBoxLayout;
    file->addWidget(m_fileName, 1);
    file->addWidget(browse);
    auto* form = new QFormLayout(Body());
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Filename"), file);
    form->addRow(QStringLiteral("Comment"), m_comment);
    ChainTabOrder({m_title, m_fileName, browse, m_comment});
    setMinimumWidth(420);
}

void TDocEditDlg::SetDocument(TZVBObject& doc, bool isNew)
{
    SetItem(&doc);
    SetImage(doc.ImageIndex());
    m_title->setText(isNew ? QStringLiteral("New Document") : doc.Title());
    m_fileName->setText(doc.Value());
    m_comment->setText(doc.Comment());
}

TextPageValues TDocEditDlg::Values() const
{
    return {m_title->text(), m_fileName->text(), m_comment->text()};
}

void TDocEditDlg::FileChosen(const QString& path)
{
    if (path.isEmpty())
        return;
    m_title->setText(QFileInfo(path).fileName());
    m_fileName->setText(QDir::toNativeSeparators(path));
}

void TDocEditDlg::BrowseClicked()
{
    const QString start = m_fileName->text().isEmpty() ? QString() : QFileInfo(m_fileName->text()).absolutePath();
    // The file dialog never changes the current directory, which is the data directory.
    FileChosen(QFileDialog::getOpenFileName(this, QStringLiteral("Document"), start));
}
