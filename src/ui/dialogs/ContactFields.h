#pragma once

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLineEdit;
class TZVBObject;

// The fields of one kind of contact point, shared by its own dialog (title
// in a plain edit) and by a page of the person and organization dialogs
// (title in an editable list of the owner's children of that kind; choosing
// one fills the page from that child).
class ContactFields : public QWidget
{
    Q_OBJECT

public:
    ContactFields(int classCode, bool titleList, const QString& objectPrefix, QWidget* parent = nullptr);

    int ClassCode() const { return m_classCode; }
    QString Title() const;
    void SetTitle(const QString& title);
    QWidget* TitleWidget() const;
    QComboBox* TitleList() const { return m_titleList; }

    // Lists the owner's children of this kind and shows the one named by the link.
    void ShowOwner(const TZVBObject* owner, const QStringList& titles, const QString& primaryTitle);
    // Fills the fields from an item of this kind (the title stays as it is).
    virtual void Load(const TZVBObject& item) = 0;
    // The fields after the title, in tab order.
    virtual QList<QWidget*> TabChain() const = 0;

protected:
    QFormLayout* Form() const { return m_form; }
    // A line edit named for the object tree, with a length limit (0 for none).
    QLineEdit* AddEdit(const QString& label, const QString& name, int maxLength);

private:
    void TitleChosen(const QString& title);

    int m_classCode;
    QFormLayout* m_form;
    QComboBox* m_titleList = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    const TZVBObject* m_owner = nullptr;
};
