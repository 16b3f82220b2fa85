#pragma once

#include <QDialog>

class QLineEdit;

// "New Dialing Location": asks for the name of a location.
class TNewLocationForm : public QDialog
{
    Q_OBJECT

public:
    explicit TNewLocationForm(QWidget* parent = nullptr);

    QLineEdit* NameEdit() const { return m_name; }
    QString Name() const;

private:
    QLineEdit* m_name;
};
