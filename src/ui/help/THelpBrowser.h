#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

// The help window: the help pages with back, forward and contents, opened at
// the contents or at the topic of a help context number.
class THelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit THelpBrowser(QWidget* parent = nullptr);

    void ShowContents();
    // An unknown number shows the contents.
    void ShowContext(int context);

    QUrl Source() const;
    QTextBrowser* Browser() const { return m_browser; }

    // The program's one help window, created on first use and raised on each call.
    static THelpBrowser* Shared();
    static void OpenContents();
    static void OpenContext(int context);

    // Shows and raises the window where it can take input, beside a modal
    // dialog if one is open.
    void Present();

private:
    void Open(const QUrl& url);
    void LeaveDialog();

    QTextBrowser* m_browser;
    QAction* m_back;
    QAction* m_forward;
    bool m_placed = false;
};
