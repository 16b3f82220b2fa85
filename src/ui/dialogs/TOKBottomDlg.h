#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QToolButton;
class TZVBObject;

// The frame of the item dialogs: the fields on the left, the item's image and
// the category button on the right, and below a rule "OK" (default),
// "Cancel" and "&Help".
class TOKBottomDlg : public QDialog
{
    Q_OBJECT

public:
    TOKBottomDlg(const QString& caption, int imageIndex, QWidget* parent = nullptr);

    // The item whose categories the category button edits. Items inside a
    // remote folder are read-only: OK is disabled unless the dialog allows it.
    void SetItem(TZVBObject* item, bool okInRemote = false);
    TZVBObject* Item() const { return m_item; }
    void SetImage(int imageIndex);

    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* HelpButton() const { return m_help; }
    QToolButton* CategoryButton() const { return m_catSelect; }

    // OK closes the dialog only when its fields can be taken; otherwise the
    // user is told why and goes on editing.
    void accept() override;

protected:
    // The area the subclass fills (it has no layout yet).
    QWidget* Body() const { return m_body; }
    // Tab order: the fields in the order given, then the category button and
    // the three buttons.
    void ChainTabOrder(const QList<QWidget*>& fields);
    // Why the fields cannot be taken as they are, or empty when they can.
    // It may bring the refused field into view.
    virtual QString Refusal() { return QString(); }

private:
    void PickCategories();

    QWidget* m_body;
    QLabel* m_image;
    QToolButton* m_catSelect;
    QDialogButtonBox* m_buttons;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    TZVBObject* m_item = nullptr;
};
