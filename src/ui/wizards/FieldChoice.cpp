#include "ui/wizards/FieldChoice.h"

#include "exchange/ContactsHeader.h"
#include "exchange/RecordTypes.h"
#include "ui/common/ImageLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

FieldChoice::FieldChoice(const QString& typeCaption, const QString& chosenCaption, QWidget* parent)
    : QWidget(parent), m_type(new QComboBox(this)), m_available(new QListWidget(this)), m_chosen(new QListWidget(this))
{
    m_type->setObjectName(QStringLiteral("RecTypeCombo"));
    m_available->setObjectName(QStringLiteral("ListBox1"));
    m_chosen->setObjectName(QStringLiteral("ListBox2"));
    m_type->setIconSize(QSize(ImageLists::SmallSize, ImageLists::SmallSize));
    for (const RecordType& type : RecordTypes::All())
        m_type->addItem(ImageLists::StandardIcon(type.classCode), type.name);
    m_available->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_chosen->setDragDropMode(QAbstractItemView::InternalMove);
    m_chosen->setDefaultDropAction(Qt::MoveAction);
    m_chosen->setToolTip(QStringLiteral("Drag & drop fields to change order"));

    auto* right = new QToolButton(this);
    right->setObjectName(QStringLiteral("CopyRtBtn"));
    right->setArrowType(Qt::RightArrow);
    right->setToolTip(QStringLiteral("Copy to Import"));
    auto* left = new QToolButton(this);
    left->setObjectName(QStringLiteral("CopyLtBtn"));
    left->setArrowType(Qt::LeftArrow);
    left->setToolTip(QStringLiteral("Copy to Available"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(typeCaption, this), 0, 0);
    layout->addWidget(m_type, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Available Fields"), this), 1, 0);
    layout->addWidget(new QLabel(chosenCaption, this), 1, 2);
    layout->addWidget(m_available, 2, 0, 2, 1);
    layout->addWidget(right, 2, 1, Qt::AlignBottom);
    layout->addWidget(left, 3, 1, Qt::AlignTop);
    layout->addWidget(m_chosen, 2, 2, 2, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);

    connect(m_type, &QComboBox::currentIndexChanged, this, &FieldChoice::TypeChanged);
    connect(right, &QToolButton::clicked, this, &FieldChoice::CopyRight);
    connect(left, &QToolButton::clicked, this, &FieldChoice::CopyLeft);
    connect(m_chosen->model(), &QAbstractItemModel::rowsMoved, this, &FieldChoice::ChosenChanged);
    TypeChanged();
}

const RecordType& FieldChoice::Type() const
{
    return RecordTypes::All()[static_cast<size_t>(qMax(0, m_type->currentIndex()))];
}

void FieldChoice::SetType(const QString& name)
{
    const int index = m_type->findText(name);
    if (index >= 0)
        m_type->setCurrentIndex(index);
}

QStringList FieldChoice::ChosenFields() const
{
    QStringList fields;
    for (int i = 0; i < m_chosen->count(); ++i)
        fields.append(m_chosen->item(i)->text());
    return fields;
}

void FieldChoice::SetChosenFields(const QStringList& fields)
{
    m_chosen->clear();
    m_chosen->addItems(fields);
    m_available->clear();
    for (const QString& field : Type().fields) {
        if (!fields.contains(field))
            m_available->addItem(field);
    }
    Q_EMIT ChosenChanged();
}

void FieldChoice::CopyRight()
{
    QStringList moving;
    for (int i = 0; i < m_available->count(); ++i) {
        if (m_available->item(i)->isSelected())
            moving.append(m_available->item(i)->text());
    }
    if (moving.isEmpty())
        return;
    for (int i = m_available->count() - 1; i >= 0; --i) {
        if (m_available->item(i)->isSelected())
            delete m_available->takeItem(i);
    }
    m_chosen->insertItems(0, moving);
    Q_EMIT ChosenChanged();
}

void FieldChoice::CopyLeft()
{
    const int row = m_chosen->currentRow();
    if (row < 0 || !m_chosen->item(row)->isSelected())
        return;
    const QString field = m_chosen->item(row)->text();
    delete m_chosen->takeItem(row);
    // A column passed over on import is no field of its own.
    if (field != QString::fromUtf16(ContactsHeader::kIgnoredColumn))
        m_available->insertItem(0, field);
    Q_EMIT ChosenChanged();
}

void FieldChoice::TypeChanged()
{
    m_available->clear();
    m_available->addItems(Type().fields);
    m_chosen->clear();
    Q_EMIT ChosenChanged();
}
