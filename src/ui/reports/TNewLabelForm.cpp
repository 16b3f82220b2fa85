#include "ui/reports/TNewLabelForm.h"

#include "ui/reports/InchEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TNewLabelForm::TNewLabelForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNewLabelForm"));
    setWindowTitle(QStringLiteral("Define New Label Type"));
    auto* form = new QFormLayout;
    m_caption = new QLineEdit(QStringLiteral("New Label Type"));
    m_caption->setObjectName(QStringLiteral("CaptionEdit"));
    form->addRow(QStringLiteral("&Name:"), m_caption);
    const auto edit = [&](const char16_t* name, const char16_t* caption, int hundredths, bool margin) {
        auto* e = new InchEdit(QString::fromUtf16(name), 2, 20.0);
        e->setMinimum(margin ? 0.0 : 0.01);
        e->SetUnits(hundredths);
        form->addRow(QString::fromUtf16(caption), e);
        return e;
    };
    m_top = edit(u"ETop", u"&Top Margin:", 100, true);
    m_side = edit(u"ESide", u"&Side Margin:", 50, true);
    m_height = edit(u"EHeight", u"Label &Height:", 100, false);
    m_width = edit(u"EWidth", u"Label &Width:", 100, false);
    m_hPitch = edit(u"EHPitch", u"Hori&z. Pitch:", 100, false);
    m_vPitch = edit(u"EVPitch", u"&Vert Pitch:", 100, false);
    m_across = new QSpinBox;
    m_across->setObjectName(QStringLiteral("EAcross"));
    m_across->setRange(1, 10);
    m_across->setValue(1);
    form->addRow(QStringLiteral("Number &Across:"), m_across);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A type needs a name to be told apart in the list.
    connect(m_caption, &QLineEdit::textChanged, this, [this, buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TLabelDimension TNewLabelForm::Label() const
{
    const auto units = [](const InchEdit* e) { return e->Units(); };
    TLabelDimension label;
    label.name = m_caption->text().trimmed();
    label.SetValues({units(m_top), units(m_side), units(m_height), units(m_width), units(m_hPitch), units(m_vPitch),
                     m_across->value()});
    return label;
}
