#include "ui/reports/InchEdit.h"

#include <QtMath>

InchEdit::InchEdit(const QString& objectName, int decimals, double maximum, QWidget* parent)
    : QDoubleSpinBox(parent), m_perInch(decimals == 1 ? 10 : 100)
{
    setObjectName(objectName);
    setDecimals(decimals);
    setRange(0.0, maximum);
    setSingleStep(decimals == 1 ? 0.1 : 0.01);
    setSuffix(QStringLiteral(" in"));
}

int InchEdit::Units() const
{
    return qRound(value() * m_perInch);
}

void InchEdit::SetUnits(int units)
{
    setValue(static_cast<double>(units) / m_perInch);
}
