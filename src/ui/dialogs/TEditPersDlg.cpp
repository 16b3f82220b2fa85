#include "ui/dialogs/TEditPersDlg.h"

#include "model/PersonObject.h"
#include "ui/dialogs/ContactPages.h"
#include "ui/dialogs/TitleWords.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* Edit(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QLabel* Label(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}
} // namespace

TEditPersDlg::TEditPersDlg(QWidget* parent)
    : TOKBottomDlg(QStringLiteral("Person"), ClassCode::Person, parent), m_title(Edit(Body(), QStringLiteral("Title"), 40)),
      m_salutation(new QComboBox(Body())), m_first(Edit(Body(), QStringLiteral("FName"), 20)),
      m_middle(Edit(Body(), QStringLiteral("MName"), 20)), m_last(Edit(Body(), QStringLiteral("LName"), 25)),
      m_comment(Edit(Body(), QStringLiteral("Comment"), 255)), m_pages(new ContactPages(Body()))
{
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    m_salutation->setObjectName(QStringLiteral("Salutation"));
    m_salutation->setEditable(true);
    m_salutation->setInsertPolicy(QComboBox::NoInsert);
    m_salutation->addItems({QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Ms."), QStringLiteral("Miss"),
                            QStringLiteral("Dr."), QStringLiteral("Mr. & Mrs."), QStringLiteral("Dr. & Mrs.")});
    m_salutation->setMaxVisibleItems(4);
    m_salutation->setCurrentText(QStringLiteral("Mr."));
    connect(m_title, &QLineEdit::editingFinished, this, &TEditPersDlg::TitleLeft);

    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Label(QStringLiteral("Title"), m_title), 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 3);
    grid->addWidget(Label(QStringLiteral("Salut."), m_salutation), 0, 4);
    grid->addWidget(m_salutation, 0, 5);
    auto* names = new QHBoxLayout;
    for (auto [text, edit] : {std::pair{u"First", m_first}, {u"Middle", m_middle}, {u"Last", m_last}}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(Label(QString::fromUtf16(text), edit));
        column->addWidget(edit);
        names->addLayout(column);
    }
    grid->addLayout(names, 1, 1, 1, 5);
    grid->addWidget(Label(QStringLiteral("Comment"), m_comment), 2, 0);
    grid->addWidget(m_comment, 2, 1, 1, 5);
    grid->addWidget(m_pages, 3, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    ChainTabOrder(QList<QWidget*>{m_title, m_salutation, m_first, m_middle, m_last, m_comment} + m_pages->TabChain());
}

void TEditPersDlg::SetPerson(TPersonObject& person, bool isNew)
{
    SetItem(&person);
    m_title->setText(person.Title());
    // A new person keeps the list's default salutation.
    if (!isNew || !person.Salutation().isEmpty())
        m_salutation->setCurrentText(person.Salutation());
    m_first->setText(person.FirstName());
    m_middle->setText(person.MiddleName());
    m_last->setText(person.LastName());
    m_comment->setText(person.Comment());
    m_pages->SetUp(person, person.Primaries());
    if (isNew)
        m_pages->PresetNewTitles();
    m_pages->ShowFormats(isNew);
}

PersonDialogValues TEditPersDlg::Values() const
{
    return {m_salutation->currentText(), m_first->text(), m_middle->text(), m_last->text(),
            m_title->text(),             m_comment->text(), m_pages->Values()};
}

void TEditPersDlg::TitleLeft()
{
    QString first = m_first->text();
    QString middle = m_middle->text();
    QString last = m_last->text();
    TitleWords::FillNameParts(m_title->text(), first, middle, last);
    m_first->setText(first);
    m_middle->setText(middle);
    m_last->setText(last);
}

QString TEditPersDlg::Refusal()
{
    return m_pages->Refusal();
}
