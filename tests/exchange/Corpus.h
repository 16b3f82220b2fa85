#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// The folder of real files from other programs; tests that need it skip
// when it is absent.
inline QString CorpusDir(const QString& sub)
{
    QString base = qEnvironmentVariable("ZENDRIVO_CORPUS");
    if (base.isEmpty() || !QDir(base).exists())
        base = QStringLiteral("/work/shared/corpus");
    return base + u'/' + sub;
}

inline QByteArray Bytes(const char* text)
{
    return QByteArray(text);
}
