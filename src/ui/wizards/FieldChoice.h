#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
class QToolButton;
struct RecordType;

// The record type and the ordered field list of delimited text, the same on
// both wizards: "Available Fields" on the left, the chosen fields on the
// right, reordered by dragging.
class FieldChoice : public QWidget
{
    Q_OBJECT

public:
    // typeCaption: "Export records of type:" or "Import records of type:";
    // chosenCaption: "Fields to Export (in order)" or "Fields to Import (in order)".
    FieldChoice(const QString& typeCaption, const QString& chosenCaption, QWidget* parent = nullptr);

    const RecordType& Type() const;
    void SetType(const QString& name);
    QStringList ChosenFields() const;
    // Puts these fields in the chosen list and the rest of the type's in the available one.
    void SetChosenFields(const QStringList& fields);

    QComboBox* RecTypeCombo() const { return m_type; }
    QListWidget* ListBox1() const { return m_available; }
    QListWidget* ListBox2() const { return m_chosen; }
    // The selected available fields to the top of the chosen list.
    void CopyRight();
    // The selected chosen field back to the top of the available list.
    void CopyLeft();

Q_SIGNALS:
    void ChosenChanged();

private:
    void TypeChanged();

    QComboBox* m_type;
    QListWidget* m_available;
    QListWidget* m_chosen;
};
