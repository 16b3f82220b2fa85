#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the built zendrivo-cli on a data directory of its own.
class CliRunner
{
public:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    // extraEnv holds variables set for this run only.
    Result Run(const QStringList& args, const QProcessEnvironment& extraEnv = {}) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZENDRIVO_HOME"), home.path());
        env.insert(extraEnv);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZENDRIVO_CLI_PATH), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QString Path(const QString& name) const { return home.filePath(name); }

    void Write(const QString& path, const QByteArray& bytes) const
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QByteArray Read(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir home;
    QTemporaryDir files;
};
