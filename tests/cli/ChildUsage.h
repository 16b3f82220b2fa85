#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

// Runs a program to its end and reports what that one child cost: its exit
// status and its peak resident memory (wait4 gives the figures of exactly
// this child, where RUSAGE_CHILDREN would mix in every earlier one).
struct ChildUsage
{
    int exitCode = -1;
    long peakKb = 0;
    QByteArray out;

    // Standard output goes to outFile, standard error to /dev/null; extraEnv
    // holds NAME=value entries added to this process's environment.
    static ChildUsage Run(const QString& program, const QStringList& args, const QStringList& extraEnv,
                          const QString& outFile)
    {
        std::vector<std::string> strings{program.toStdString()};
        for (const QString& a : args)
            strings.push_back(a.toStdString());
        const std::size_t argCount = strings.size();
        for (char** e = environ; *e; ++e)
            strings.emplace_back(*e);
        for (const QString& e : extraEnv)
            strings.push_back(e.toStdString());
        std::vector<char*> argv;
        std::vector<char*> envp;
        for (std::size_t i = 0; i < strings.size(); ++i)
            (i < argCount ? argv : envp).push_back(strings[i].data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const QByteArray outPath = QFile::encodeName(outFile);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        ChildUsage usage;
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            return usage;
        int status = 0;
        rusage ru{};
        if (wait4(pid, &status, 0, &ru) != pid)
            return usage;
        usage.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        usage.peakKb = ru.ru_maxrss;
        QFile out(outFile);
        if (out.open(QIODevice::ReadOnly))
            usage.out = out.readAll();
        return usage;
    }
};
