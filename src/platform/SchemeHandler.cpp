#include "platform/SchemeHandler.h"

#include <QProcess>
#include <QRegularExpression>

namespace SchemeHandler {

QString DefaultFor(const QString& scheme)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*$"));
    if (!valid.match(scheme).hasMatch())
        return {};
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                            QStringLiteral("x-scheme-handler/") + scheme.toLower()});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    // One line naming a desktop file; anything longer is not an answer.
    const QString answer = QString::fromUtf8(query.readAllStandardOutput().left(4096)).trimmed();
    return answer.contains(u'\n') ? QString() : answer;
}

} // namespace SchemeHandler
