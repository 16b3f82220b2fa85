#include "ui/dialogs/TOKBottomDlg.h"

#include "model/ZVBObject.h"
#include "ui/dialogs/DialogHooks.h"
#include "ui/dialogs/TCategoryPopup.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TOKBottomDlg::TOKBottomDlg(const QString& caption, int imageIndex, QWidget* parent)
    : QDialog(parent), m_body(new QWidget(this)), m_image(new QLabel(this)), m_catSelect(new QToolButton(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)), m_cancel(new QPushButton(QStringLiteral("Cancel"), this)),
      m_help(new QPushButton(QStringLiteral("&Help"), this))
{
    setWindowTitle(caption);
    m_image->setObjectName(QStringLiteral("Image1"));
    SetImage(imageIndex);

    m_catSelect->setObjectName(QStringLiteral("CatSelect"));
    m_catSelect->setToolTip(QStringLiteral("Click to set categories"));
    m_catSelect->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_catSelect->setIconSize(QSize(24, 24));
    m_catSelect->setAutoRaise(true);
    m_catSelect->setEnabled(false);
    connect(m_catSelect, &QToolButton::clicked, this, &TOKBottomDlg::PickCategories);

    auto* side = new QVBoxLayout;
    side->addWidget(m_image, 0, Qt::AlignHCenter);
    side->addWidget(m_catSelect, 0, Qt::AlignHCenter);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(m_body, 1);
    top->addLayout(side);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this,
            [] { DialogHooks::RequestHelp(DialogHooks::kItemDialogHelpContext); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
}

void TOKBottomDlg::SetItem(TZVBObject* item, bool okInRemote)
{
    m_item = item;
    m_catSelect->setEnabled(item != nullptr);
    m_ok->setEnabled(!item || okInRemote || !item->InRemote());
}

void TOKBottomDlg::SetImage(int imageIndex)
{
    m_image->setPixmap(DialogHooks::ItemIcon(imageIndex).pixmap(32, 32));
}

void TOKBottomDlg::ChainTabOrder(const QList<QWidget*>& fields)
{
    QList<QWidget*> chain = fields;
    chain << m_catSelect << m_ok << m_cancel << m_help;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    if (!fields.isEmpty())
        fields.first()->setFocus();
}

void TOKBottomDlg::PickCategories()
{
    if (m_item)
        TCategoryPopup::Pick(*m_item, m_catSelect->mapToGlobal(m_catSelect->rect().bottomLeft()), this);
}
