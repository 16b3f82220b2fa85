#include "ui/dialogs/TFolderEditDlg.h"

#include "model/FolderObject.h"
#include "ui/dialogs/ItemDialogValues.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString kHttp = QStringLiteral("http://");
}

TFolderEditDlg::TFolderEditDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Folder"), ClassCode::Folder, parent), m_title(new QLineEdit(Body())),
      m_comment(new QLineEdit(Body())),
      m_isRemote(new QCheckBox(QStringLiteral("Folder is located on a remote server"), Body())),
      m_lan(new QRadioButton(QStringLiteral("Local network"), Body())),
      m_internet(new QRadioButton(QStringLiteral("Internet"), Body())), m_location(new QLineEdit(Body())),
      m_browse(new QPushButton(QStringLiteral("Browse..."), Body()))
{
    m_title->setObjectName(QStringLiteral("FolderTitle"));
    m_title->setMaxLength(40);
    m_comment->setObjectName(QStringLiteral("FolderComment"));
    m_comment->setMaxLength(255);
    m_isRemote->setObjectName(QStringLiteral("IsRemote"));
    m_lan->setObjectName(QStringLiteral("LANRadio"));
    m_internet->setObjectName(QStringLiteral("InternetRadio"));
    m_location->setObjectName(QStringLiteral("LocationEdit"));
    m_browse->setObjectName(QStringLiteral("BrowseBtn"));
    m_browse->setAutoDefault(false);
    m_lan->setChecked(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Title"), m_title);
    form->addRow(QStringLiteral("Comment"), m_comment);

    auto* group = new QGroupBox(Body());
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_lan);
    choices->addWidget(m_internet);
    choices->addStretch();
    auto* file = new QHBoxLayout;
    auto* fileLabel = new QLabel(QStringLiteral("File:"), group);
    fileLabel->setBuddy(m_location);
    file->addWidget(fileLabel);
    file->addWidget(m_location, 1);
    file->addWidget(m_browse);
    auto* remote = new QVBoxLayout(group);
    remote->addWidget(m_isRemote);
    remote->addLayout(choices);
    remote->addLayout(file);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addStretch();

    connect(m_isRemote, &QCheckBox::toggled, this, &TFolderEditDlg::UpdateRemoteControls);
    connect(m_internet, &QRadioButton::clicked, this, &TFolderEditDlg::InternetChosen);
    connect(m_lan, &QRadioButton::clicked, this, &TFolderEditDlg::LanChosen);
    connect(m_browse, &QPushButton::clicked, this, &TFolderEditDlg::BrowseClicked);
    ChainTabOrder({m_title, m_comment, m_isRemote, m_lan, m_internet, m_location, m_browse});
    UpdateRemoteControls();
    setMinimumWidth(420);
}

void TFolderEditDlg::SetFolder(TFolderObject& folder)
{
    SetItem(&folder, true);
    m_title->setText(folder.Title());
    m_comment->setText(folder.Comment());
    const QString location = folder.Value();
    m_isRemote->setChecked(!location.isEmpty());
    (location.startsWith(kHttp) ? m_internet : m_lan)->setChecked(true);
    m_location->setText(location);
    UpdateRemoteControls();
}

QString TFolderEditDlg::Title() const
{
    return m_title->text();
}

QString TFolderEditDlg::Comment() const
{
    return m_comment->text();
}

QString TFolderEditDlg::Location() const
{
    return RemoteFolderLocation(m_isRemote->isChecked(), m_internet->isChecked(), m_location->text());
}

void TFolderEditDlg::UpdateRemoteControls()
{
    const bool remote = m_isRemote->isChecked();
    m_lan->setEnabled(remote);
    m_internet->setEnabled(remote);
    m_location->setEnabled(remote);
    // Hidden buttons keep their place, so the group does not jump.
    QSizePolicy keep = m_browse->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_browse->setSizePolicy(keep);
    m_browse->setVisible(remote && m_lan->isChecked());
}

void TFolderEditDlg::InternetChosen()
{
    if (!m_location->text().startsWith(kHttp))
        m_location->setText(kHttp);
    UpdateRemoteControls();
}

void TFolderEditDlg::LanChosen()
{
    if (m_location->text().startsWith(kHttp))
        m_location->clear();
    UpdateRemoteControls();
}

void TFolderEditDlg::BrowseClicked()
{
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Folder"), m_location->text(),
                                                        QStringLiteral("Zivo Data Files (*.zvd)"));
    if (!chosen.isEmpty())
        m_location->setText(chosen);
}
