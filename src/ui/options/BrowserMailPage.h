#pragma once

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Options page "Browser/Mail": the preferred browser and the way mail to
// an Internet address is sent.
class BrowserMailPage : public QWidget
{
    Q_OBJECT

public:
    explicit BrowserMailPage(QWidget* parent = nullptr);

    // 1, 2 or 3 selects a choice; any other number selects none.
    void SetValues(const QString& browserPath, const QString& ddeName, int inetMail);
    QString BrowserPath() const;
    QString DdeName() const;
    // 3 unless one of the first two choices is selected.
    int INetMail() const;

    // The fields in tab order, for the dialog to chain.
    QList<QWidget*> TabChain() const;

private:
    void BrowseClicked();

    QComboBox* m_dde;
    QLineEdit* m_path;
    QPushButton* m_browse;
    QButtonGroup* m_mail;
    QRadioButton* m_options[3];
};
