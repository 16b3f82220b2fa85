#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QLabel;

class QWidget;
class TTreeNode;

// Small pieces both wizards build their pages from.
namespace WizardParts {

// The names from the top of the tree down to the node, joined with "/".
QString NodePath(const TTreeNode* node);
// A label for program text that wraps.
QLabel* Text(const QString& text, QWidget* parent);
// A label that shows user data as plain text.
QLabel* Data(const QString& text, QWidget* parent);
// Radio buttons for the choices, numbered from 0, the first one checked.
QButtonGroup* Choices(const QStringList& choices, QWidget* parent, const QString& objectName);
// "dir/name"; the directory's own trailing "/" is not doubled.
QString JoinPath(const QString& directory, const QString& name);
// Shows the message of a failed export or import in the program's error box.
void ShowError(QWidget* parent, const QString& message);

// Shows the busy cursor while it lives.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace WizardParts
