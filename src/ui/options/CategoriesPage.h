#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

// The Options page "Categories": renames the 32 categories.
class CategoriesPage : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesPage(QWidget* parent = nullptr);

    void SetNames(const QStringList& names);
    QStringList Names() const;

    QListWidget* CatList() const { return m_list; }
    QLineEdit* CatName() const { return m_name; }
    // Puts the edited name in place of the selected one; an empty text keeps the old name.
    void CommitName();

    QList<QWidget*> TabChain() const;

private:
    void NameClicked();

    QListWidget* m_list;
    QLineEdit* m_name;
};
