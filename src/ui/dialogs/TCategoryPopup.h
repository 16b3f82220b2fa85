#pragma once

#include <QDialog>

#include <cstdint>

class QListWidget;
class TZVBObject;

// "Select Categories": a tool window with a check list of the category
// names. When it closes the item's categories become exactly the checked
// entries, whatever the edit dialog that opened it does afterwards.
class TCategoryPopup : public QDialog
{
    Q_OBJECT

public:
    TCategoryPopup(TZVBObject& item, const QStringList& names, QWidget* parent = nullptr);

    // Entry i gives bit i.
    std::uint32_t CheckedSet() const;
    QListWidget* List() const { return m_list; }

    // Shows the picker modally with its top-left corner at the point.
    static void Pick(TZVBObject& item, const QPoint& globalTopLeft, QWidget* parent);

private:
    TZVBObject& m_item;
    QListWidget* m_list;
};
