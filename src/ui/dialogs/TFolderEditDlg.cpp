#include "ui/dialogs/TFolderEditDlg.h"

#include "model/FolderObject.h"
#include "platform/ProfileFile.h"
#include "sync/Binding.h"
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
      m_browse(new QPushButton(QStringLiteral("Browse..."), Body())),
      m_source(new QRadioButton(QStringLiteral("Read-only source"), Body())),
      m_cardDav(new QRadioButton(QStringLiteral("CardDAV address book"), Body())), m_davUrl(new QLineEdit(Body())),
      m_davUser(new QLineEdit(Body())), m_davPassword(new QLineEdit(Body())), m_sourceBox(new QWidget(Body())),
      m_davBox(new QWidget(Body()))
{
    m_source->setObjectName(QStringLiteral("SourceRadio"));
    m_cardDav->setObjectName(QStringLiteral("CardDavRadio"));
    m_davUrl->setObjectName(QStringLiteral("CardDavUrl"));
    m_davUrl->setPlaceholderText(QStringLiteral("https://dav.example.org/ (the server is enough)"));
    m_davUser->setObjectName(QStringLiteral("CardDavUser"));
    m_davPassword->setObjectName(QStringLiteral("CardDavPassword"));
    m_davPassword->setEchoMode(QLineEdit::Password);
    m_davPassword->setPlaceholderText(QStringLiteral("kept in the desktop's secret store"));
    m_source->setChecked(true);
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
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_source);
    kinds->addWidget(m_cardDav);
    kinds->addStretch();
    auto* source = new QVBoxLayout(m_sourceBox);
    source->setContentsMargins(0, 0, 0, 0);
    source->addLayout(choices);
    source->addLayout(file);
    auto* dav = new QFormLayout(m_davBox);
    dav->setContentsMargins(0, 0, 0, 0);
    dav->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    dav->addRow(QStringLiteral("Address book:"), m_davUrl);
    dav->addRow(QStringLiteral("User name:"), m_davUser);
    dav->addRow(QStringLiteral("Password:"), m_davPassword);
    auto* remote = new QVBoxLayout(group);
    remote->addWidget(m_isRemote);
    remote->addLayout(kinds);
    remote->addWidget(m_sourceBox);
    remote->addWidget(m_davBox);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addStretch();

    connect(m_isRemote, &QCheckBox::toggled, this, &TFolderEditDlg::UpdateRemoteControls);
    connect(m_internet, &QRadioButton::clicked, this, &TFolderEditDlg::InternetChosen);
    connect(m_lan, &QRadioButton::clicked, this, &TFolderEditDlg::LanChosen);
    connect(m_browse, &QPushButton::clicked, this, &TFolderEditDlg::BrowseClicked);
    connect(m_source, &QRadioButton::toggled, this, &TFolderEditDlg::UpdateRemoteControls);
    ChainTabOrder({m_title, m_comment, m_isRemote, m_source, m_cardDav, m_lan, m_internet, m_location, m_browse,
                   m_davUrl, m_davUser, m_davPassword});
    UpdateRemoteControls();
    setMinimumWidth(420);
}

void TFolderEditDlg::SetFolder(TFolderObject& folder)
{
    SetItem(&folder, true);
    m_title->setText(folder.Title());
    m_comment->setText(folder.Comment());
    const QString location = folder.Value();
    const auto binding = Binding::Of(ProfileFile::Default(), folder.Id());
    m_isRemote->setChecked(!location.isEmpty() || binding.has_value());
    (binding ? m_cardDav : m_source)->setChecked(true);
    (location.startsWith(kHttp) ? m_internet : m_lan)->setChecked(true);
    m_location->setText(location);
    if (binding) {
        m_davUrl->setText(binding->url);
        m_davUser->setText(binding->user);
    }
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
    return RemoteFolderLocation(m_isRemote->isChecked() && !IsCardDav(), m_internet->isChecked(), m_location->text());
}

bool TFolderEditDlg::IsCardDav() const
{
    return m_isRemote->isChecked() && m_cardDav->isChecked() && !m_davUrl->text().trimmed().isEmpty();
}

QString TFolderEditDlg::CardDavUrl() const
{
    const QString text = m_davUrl->text().trimmed();
    return text.contains(QStringLiteral("://")) ? text : QStringLiteral("https://") + text;
}

QString TFolderEditDlg::CardDavUser() const
{
    return m_davUser->text().trimmed();
}

QString TFolderEditDlg::CardDavPassword() const
{
    return m_davPassword->text();
}

void TFolderEditDlg::UpdateRemoteControls()
{
    const bool remote = m_isRemote->isChecked();
    m_source->setEnabled(remote);
    m_cardDav->setEnabled(remote);
    m_sourceBox->setVisible(!m_cardDav->isChecked());
    m_davBox->setVisible(m_cardDav->isChecked());
    m_davBox->setEnabled(remote);
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
