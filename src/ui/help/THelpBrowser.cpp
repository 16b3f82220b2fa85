#include "ui/help/THelpBrowser.h"

#include "ui/common/AppInfo.h"
#include "ui/help/HelpTopics.h"
#include "ui/common/ImageLists.h"
#include "ui/common/UiResources.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

THelpBrowser::THelpBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    InitUiResources();
    setObjectName(QStringLiteral("HelpBrowser"));
    setWindowTitle(AppInfo::ProductName() + u" Help");
    setWindowIcon(ImageLists::AppIcon());
    resize(640, 560);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"), m_browser, &QTextBrowser::backward);
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"), m_browser, &QTextBrowser::forward);
    m_forward->setShortcut(QKeySequence::Forward);
    QAction* contents = bar->addAction(ImageLists::StandardIcon(ImageLists::Root), QStringLiteral("&Contents"), this, &THelpBrowser::ShowContents);
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // Links out of the help (web addresses) go to the desktop's browser.
    m_browser->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
}

void THelpBrowser::Open(const QUrl& url)
{
    m_browser->setSource(url);
    // Asked again for the topic already shown, the page would stay where the user scrolled it.
    if (url.hasFragment())
        m_browser->scrollToAnchor(url.fragment());
}

void THelpBrowser::ShowContents()
{
    Open(HelpTopics::ContentsUrl());
}

void THelpBrowser::ShowContext(int context)
{
    Open(HelpTopics::Url(context));
}

QUrl THelpBrowser::Source() const
{
    return m_browser->source();
}

THelpBrowser* THelpBrowser::Shared()
{
    static QPointer<THelpBrowser> shared;
    if (!shared) {
        shared = new THelpBrowser;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, shared, &QObject::deleteLater);
    }
    return shared;
}

void THelpBrowser::Present()
{
    // A modal dialog blocks every window but its own: while one is open the
    // help becomes a window of that dialog, so that it scrolls and follows
    // links beside it, and returns to the desktop when the dialog closes.
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible() && dialog != parentWidget()) {
        const QRect place = geometry();
        setParent(dialog, Qt::Window);
        if (m_placed)
            setGeometry(place);
        connect(dialog, &QDialog::finished, this, &THelpBrowser::LeaveDialog, Qt::UniqueConnection);
    }
    show();
    m_placed = true;
    raise();
    activateWindow();
}

void THelpBrowser::LeaveDialog()
{
    if (!parentWidget())
        return;
    const bool shown = isVisible();
    const QRect place = geometry();
    disconnect(parentWidget(), nullptr, this, nullptr);
    setParent(nullptr, Qt::Window);
    setGeometry(place);
    // The dialog may have been opened from another one: stay usable there.
    if (shown)
        Present();
}

void THelpBrowser::OpenContents()
{
    THelpBrowser* help = Shared();
    help->ShowContents();
    help->Present();
}

void THelpBrowser::OpenContext(int context)
{
    THelpBrowser* help = Shared();
    help->ShowContext(context);
    help->Present();
}
