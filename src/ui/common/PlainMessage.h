#pragma once

#include <QMessageBox>

// Message boxes whose text may carry the user's data (titles, file names,
// card fields): the text is shown as written, never read as markup.
namespace PlainMessage {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

inline void Critical(QWidget* parent, const QString& caption, const QString& text)
{
    Show(parent, QMessageBox::Critical, caption, text);
}

inline void Warning(QWidget* parent, const QString& caption, const QString& text)
{
    Show(parent, QMessageBox::Warning, caption, text);
}

inline void Information(QWidget* parent, const QString& caption, const QString& text)
{
    Show(parent, QMessageBox::Information, caption, text);
}

} // namespace PlainMessage
