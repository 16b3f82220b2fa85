#include "PythonHttpServer.h"

#include <QRegularExpression>

PythonHttpServer::PythonHttpServer(const QString& folder)
{
    m_process.setProgram(QStringLiteral("python3"));
    m_process.setArguments({QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                            QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"), folder,
                            QStringLiteral("0")});
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return;
    // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
    static const QRegularExpression served(QStringLiteral("port (\\d+)"));
    QByteArray output;
    while (m_port == 0 && m_process.waitForReadyRead(10000)) {
        output += m_process.readAll();
        if (const auto match = served.match(QString::fromUtf8(output)); match.hasMatch())
            m_port = match.captured(1).toInt();
    }
}

PythonHttpServer::~PythonHttpServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}
