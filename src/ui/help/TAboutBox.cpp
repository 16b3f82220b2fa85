#include "ui/help/TAboutBox.h"

#include "ui/common/AppInfo.h"
#include "ui/common/ImageLists.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(u"About " + AppInfo::ProductName());

    auto* picture = new QLabel(this);
    picture->setPixmap(ImageLists::AppIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(AppInfo::ProductName(), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    m_text->setText(u"Version " + AppInfo::Version() + u"\nBuilt " + AppInfo::BuildDate());
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* blurb = new QLabel(QStringLiteral("A personal contact organizer: persons, organizations, teams and websites "
                                            "with their addresses, numbers, reminders and documents, in one tree."),
                             this);
    blurb->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->addWidget(name);
    words->addWidget(m_text);
    words->addSpacing(8);
    words->addWidget(blurb);
    words->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(words, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QString TAboutBox::Text() const
{
    return AppInfo::ProductName() + u'\n' + m_text->text();
}
