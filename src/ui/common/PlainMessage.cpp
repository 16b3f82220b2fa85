#include "ui/common/PlainMessage.h"

namespace PlainMessage {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setObjectName(QStringLiteral("PlainMessageBox"));
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace PlainMessage
