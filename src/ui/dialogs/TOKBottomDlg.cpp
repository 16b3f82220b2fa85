#include "ui/dialogs/TOKBottomDlg.h"

#include "model/ZVBObject.h"
#include "ui/common/PlainMessage.h"
#include "ui/dialogs/DialogHooks.h"
#include "ui/dialogs/TCategoryPopup.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TOKBottomDlg::TOKBottomDlg(const QString& caption, int imageIndex, QWidget* parent)
    : QDialog(parent), m_body(new QWidget(this)), m_image(new QLabel(this)), m_catSelect(new QToolButton(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this)),
      m_ok(m_buttons->button(QDialogButtonBox::Ok)), m_cancel(m_buttons->button(QDialogButtonBox::Cancel)),
      m_help(m_buttons->button(QDialogButtonBox::Help))
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

    // The desktop's own order and captions of the three buttons.
    m_ok->setDefault(true);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this,
            [] { DialogHooks::RequestHelp(DialogHooks::kItemDialogHelpContext); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(bevel);
    layout->addWidget(m_buttons);
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

void TOKBottomDlg::accept()
{
    const QString refusal = Refusal();
    if (!refusal.isEmpty()) {
        PlainMessage::Warning(this, windowTitle(), refusal);
        return;
    }
    QDialog::accept();
}

void TOKBottomDlg::PickCategories()
{
    if (m_item)
        TCategoryPopup::Pick(*m_item, m_catSelect->mapToGlobal(m_catSelect->rect().bottomLeft()), this);
}
