#include "comm/SocketErrors.h"
#include "comm/TagHTTP.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A TLS server on loopback with a certificate of its own making, which no
// system store trusts.
const char* const kServer = R"(
import socket, ssl, sys
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[1], sys.argv[2])
listener = socket.socket()
listener.bind(("127.0.0.1", 0))
listener.listen(1)
print(listener.getsockname()[1], flush=True)
while True:
    connection, _ = listener.accept()
    try:
        with context.wrap_socket(connection, server_side=True) as tls:
            tls.recv(4096)
            tls.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok")
    except (ssl.SSLError, OSError):
        pass
)";

} // namespace

TEST(TagHTTPTls, AServerWhoseCertificateFailsIsRefusedWithTheReason)
{
    if (!QSslSocket::supportsSsl() || QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
        GTEST_SKIP() << "no TLS library or no openssl command";
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("openssl"),
                                {u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"rsa:2048"_qs, u"-nodes"_qs, u"-days"_qs,
                                 u"2"_qs, u"-subj"_qs, u"/CN=localhost"_qs, u"-keyout"_qs, key, u"-out"_qs, cert}),
              0);
    QProcess server;
    server.start(QStringLiteral("python3"), {u"-u"_qs, u"-c"_qs, QString::fromLatin1(kServer), cert, key});
    ASSERT_TRUE(server.waitForReadyRead(20000));
    const int port = server.readLine().trimmed().toInt();
    ASSERT_GT(port, 0);

    TagHTTP http;
    http.SetURL(QStringLiteral("https://localhost:%1/list.zvd").arg(port));
    QString message;
    try {
        http.Get();
    } catch (const ESocketError& e) {
        message = e.Message();
    }
    server.kill();
    server.waitForFinished(5000);
    EXPECT_TRUE(message.startsWith(u"The server's certificate was refused: ")) << message.toStdString();
    EXPECT_TRUE(message.contains(u"self signed", Qt::CaseInsensitive) || message.contains(u"self-signed", Qt::CaseInsensitive))
        << message.toStdString();
    EXPECT_TRUE(http.Body().isEmpty());
}
