#pragma once

#include <QDialog>

class QLabel;

// "About Zendrivo": the program's icon, name, version and build date.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The name, version and date lines as shown.
    QString Text() const;

private:
    QLabel* m_text;
};
