#include "model/Writeback.h"

#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// The flush of a save runs beside the writing: it must see every byte that
// was written before it was asked for, report the system's failure, and never
// leave a save waiting on a thread that no longer listens.
TEST(Writeback, FlushesWhatWasWrittenReportsFailuresAndNeverHangs)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("f")));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    const std::string piece(300 * 1024, 'x');
    {
        Writeback writeback(fd, Writeback::Flush::All);
        std::int64_t written = 0;
        for (int i = 0; i < 7; ++i) {
            ASSERT_EQ(::write(fd, piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
            written += static_cast<std::int64_t>(piece.size());
            writeback.Written(written);
        }
        writeback.StartFlush();
        EXPECT_EQ(writeback.WaitFlushed(), 0);
        EXPECT_EQ(writeback.WaitFlushed(), 0) << "asked twice";
    }
    EXPECT_EQ(QFile(QString::fromLocal8Bit(path)).size(), 7 * static_cast<qint64>(piece.size()));

    // Given up on before any flush, with writes still pending: no flush, no hang.
    {
        Writeback abandoned(fd, Writeback::Flush::DataOnly);
        abandoned.Written(600 * 1024);
    }
    ::close(fd);

    // A descriptor the system refuses: the flush names the reason.
    Writeback broken(fd, Writeback::Flush::DataOnly);
    broken.Written(1024 * 1024);
    broken.StartFlush();
    EXPECT_EQ(broken.WaitFlushed(), EBADF);
}
