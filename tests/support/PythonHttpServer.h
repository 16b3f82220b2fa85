#pragma once

#include <QProcess>
#include <QString>

// Python's own http.server serving a folder on loopback, for as long as the
// object lives. Port() is 0 when it could not be started.
class PythonHttpServer
{
public:
    explicit PythonHttpServer(const QString& folder);
    ~PythonHttpServer();
    PythonHttpServer(const PythonHttpServer&) = delete;
    PythonHttpServer& operator=(const PythonHttpServer&) = delete;

    int Port() const { return m_port; }
    QString Url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path); }

private:
    QProcess m_process;
    int m_port = 0;
};
