#include "ui/wizards/WizardParts.h"

#include "model/TreeNode.h"
#include "model/ZVBObject.h"
#include "ui/common/AppInfo.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace WizardParts {

QString NodePath(const TTreeNode* node)
{
    QStringList names;
    for (; node; node = node->Parent())
        names.prepend(node->Item()->Title());
    return names.join(u'/');
}

QLabel* Text(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* Data(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QButtonGroup* Choices(const QStringList& choices, QWidget* parent, const QString& objectName)
{
    auto* group = new QButtonGroup(parent);
    group->setObjectName(objectName);
    auto* layout = new QVBoxLayout;
    for (int i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(choices[i], parent);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    if (auto* box = qobject_cast<QBoxLayout*>(parent->layout()))
        box->addLayout(layout);
    return group;
}

QString JoinPath(const QString& directory, const QString& name)
{
    return directory.endsWith(u'/') ? QString(directory + name) : QString(directory + u'/' + name);
}

void ShowError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, AppInfo::ProductName(), message);
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

} // namespace WizardParts
