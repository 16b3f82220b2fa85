#include "platform/ShellLauncher.h"

#include "platform/DetachedProcessStarter.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {
ProcessStarter& DefaultStarter()
{
    static DetachedProcessStarter starter;
    return starter;
}

// Characters a backslash escapes inside double quotes; elsewhere there it is literal.
constexpr QStringView kDoubleQuoteEscapes = u"\"\\$`";
} // namespace

ShellLauncher::ShellLauncher()
    : m_starter(&DefaultStarter())
{
}

ShellLauncher::ShellLauncher(ProcessStarter& starter)
    : m_starter(&starter)
{
}

QStringList ShellLauncher::SplitArguments(const QString& text)
{
    enum class Quote { None, Single, Double };
    QStringList arguments;
    QString current;
    bool inArgument = false;
    Quote quote = Quote::None;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool hasNext = i + 1 < text.size();
        if (quote == Quote::Single) {
            if (c == u'\'')
                quote = Quote::None;
            else
                current += c;
        } else if (quote == Quote::Double) {
            if (c == u'"')
                quote = Quote::None;
            else if (c == u'\\' && hasNext && kDoubleQuoteEscapes.contains(text[i + 1]))
                current += text[++i];
            else
                current += c;
        } else if (c.isSpace()) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            // Quotes start an argument even when they hold nothing: "" is an empty argument.
            inArgument = true;
            if (c == u'\'')
                quote = Quote::Single;
            else if (c == u'"')
                quote = Quote::Double;
            else if (c == u'\\' && hasNext)
                current += text[++i];
            else
                current += c;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

LaunchResult ShellLauncher::Launch(const QString& program, const QString& parameters,
                                   const QString& workingDirectory) const
{
    if (program.trimmed().isEmpty())
        return {false, QStringLiteral("No program to start")};
    return m_starter->start(program, SplitArguments(parameters), workingDirectory);
}

LaunchResult ShellLauncher::OpenDocument(const QString& pathOrUrl) const
{
    if (pathOrUrl.trimmed().isEmpty())
        return {false, QStringLiteral("No document to open")};
    // Two letters at least, so that a stray drive letter does not pass as a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    QString target = pathOrUrl;
    const bool fileUrl = pathOrUrl.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive);
    if (fileUrl || !scheme.match(pathOrUrl).hasMatch()) {
        const QFileInfo file(fileUrl ? QUrl(pathOrUrl).toLocalFile() : pathOrUrl);
        if (!file.exists())
            return {false, QStringLiteral("Cannot open %1: No such file or directory").arg(pathOrUrl)};
        target = file.absoluteFilePath();
    }
    return m_starter->start(QStringLiteral("xdg-open"), {target}, {});
}
