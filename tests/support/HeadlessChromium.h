#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A headless Chromium-family browser showing one local page, with its
// remote-debugging endpoint on a loopback port of its own choosing.
// Port() is 0 when no such browser is installed or it did not start.
class HeadlessChromium
{
public:
    explicit HeadlessChromium(const QString& pageUrl);
    ~HeadlessChromium();
    HeadlessChromium(const HeadlessChromium&) = delete;
    HeadlessChromium& operator=(const HeadlessChromium&) = delete;

    int Port() const { return m_port; }

private:
    QTemporaryDir m_profile;
    QProcess m_browser;
    int m_port = 0;
};
