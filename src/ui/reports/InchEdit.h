#pragma once

#include <QDoubleSpinBox>

// A length shown in inches and kept in whole tenths or hundredths of an inch.
class InchEdit : public QDoubleSpinBox
{
    Q_OBJECT

public:
    // decimals 1 keeps tenths, 2 hundredths.
    InchEdit(const QString& objectName, int decimals, double maximum, QWidget* parent = nullptr);

    int Units() const;
    void SetUnits(int units);

private:
    int m_perInch;
};
