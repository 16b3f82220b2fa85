#include "ui/dialogs/TVCImportDlg.h"

#include "exchange/VCardImport.h"
#include "model/Card.h"
#include "ui/common/ImageLists.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

TVCImportDlg::TVCImportDlg(const QString& name, const QString& organization, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVCImportDlg"));
    setWindowTitle(QStringLiteral("vCard Import"));
    auto* question = new QLabel(QStringLiteral("This card names an organization. Import it as an organization?"), this);
    question->setWordWrap(true);
    auto* form = new QFormLayout;
    // The card's texts are shown as written, never as markup.
    for (const auto& [caption, text, id] : {std::tuple{u"Name:", name, u"CardName"},
                                            std::tuple{u"Organization:", organization, u"CardOrganization"}}) {
        auto* value = new QLabel(text, this);
        value->setObjectName(QString::fromUtf16(id));
        value->setTextFormat(Qt::PlainText);
        form->addRow(QString::fromUtf16(caption), value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    connect(buttons->button(QDialogButtonBox::Yes), &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons->button(QDialogButtonBox::No), &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

bool TVCImportDlg::AskAsOrganization(const TCard& card, QWidget* parent)
{
    const TCardProperty* org = card.Find(u"ORG");
    TVCImportDlg dialog(VCardImport::DisplayName(card), org ? org->ValueAt(0) : QString(), parent);
    return dialog.exec() == QDialog::Accepted;
}
