#include "HeadlessChromium.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

HeadlessChromium::HeadlessChromium(const QString& pageUrl)
{
    QString program;
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty())
            break;
    }
    if (program.isEmpty())
        return;
    m_browser.setStandardOutputFile(QProcess::nullDevice());
    m_browser.setStandardErrorFile(QProcess::nullDevice());
    m_browser.start(program, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                              QStringLiteral("--no-first-run"), QStringLiteral("--remote-debugging-port=0"),
                              QStringLiteral("--user-data-dir=") + m_profile.path(), pageUrl});
    if (!m_browser.waitForStarted(10000))
        return;
    // The browser names the port it took in its profile folder.
    QElapsedTimer clock;
    clock.start();
    while (m_port == 0 && clock.elapsed() < 60000 && m_browser.state() == QProcess::Running) {
        QFile active(m_profile.filePath(QStringLiteral("DevToolsActivePort")));
        if (active.open(QIODevice::ReadOnly))
            m_port = active.readLine().trimmed().toInt();
        if (m_port == 0)
            QThread::msleep(100);
    }
}

HeadlessChromium::~HeadlessChromium()
{
    m_browser.kill();
    m_browser.waitForFinished(10000);
}
