#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ProcessStarter;
class QWidget;
class TBrowserDDE;

// Sends mail from an e-mail item the way the "Browser/Mail" options say:
// a "mailto:" link for the desktop or the browser, or the desktop's mail
// program with every selected address.
class MailSender
{
public:
    static constexpr const char16_t* kMultipleQuestion =
        u"Mailing to multiple recipients requires use of the desktop's mail program. "
        u"Do you want to continue and use it?";

    MailSender(QWidget* window, TBrowserDDE& browser);

    // Asked before mailing several recipients; true goes on. By default a
    // question box with Yes, No and Cancel.
    std::function<bool(const QString& question)> confirm;
    // Starts the programs; null starts them detached.
    ProcessStarter* starter = nullptr;

    // address: the item's own; selected: the addresses of the list pane's
    // selected rows when the list pane is active, else empty.
    void Send(const QString& address, const QStringList& selected, const QString& attachmentPath, int mode);

private:
    void ShowError(const QString& error) const;

    QWidget* m_window;
    TBrowserDDE& m_browser;
};
