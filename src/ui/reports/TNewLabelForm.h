#pragma once

#include "reports/LabelDimension.h"

#include <QDialog>

class InchEdit;
class QLineEdit;
class QSpinBox;

// "Define New Label Type": a name and the seven values of a label sheet.
class TNewLabelForm : public QDialog
{
    Q_OBJECT

public:
    explicit TNewLabelForm(QWidget* parent = nullptr);

    TLabelDimension Label() const;

private:
    QLineEdit* m_caption;
    InchEdit* m_top;
    InchEdit* m_side;
    InchEdit* m_width;
    InchEdit* m_height;
    InchEdit* m_hPitch;
    InchEdit* m_vPitch;
    QSpinBox* m_across;
};
