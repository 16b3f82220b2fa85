#include "comm/CallHistory.h"
#include "model/ClassCodes.h"
#include "model/Exceptions.h"
#include "model/ZVBObject.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2026, 12, 9), QTime(9, 31, 5));

void Fill(CallHistory& history, int calls, int keep)
{
    for (int i = 0; i < calls; ++i)
        history.AddCall(QStringLiteral("Caller %1").arg(i), QStringLiteral("555-%1").arg(i, 4, 10, QLatin1Char('0')),
                        kWhen, keep);
}

} // namespace

TEST(CallHistory, NewestFirstAndOneRemovedPerCall)
{
    CallHistory history;
    Fill(history, 3, 50);
    ASSERT_EQ(history.Count(), 3);
    EXPECT_EQ(history.Item(0)->Title(), u"Caller 2");
    EXPECT_EQ(history.Item(0)->ClassCode(), ClassCode::Phone);
    EXPECT_EQ(history.Item(0)->Value(), u"555-0002");
    EXPECT_EQ(history.Item(0)->Comment(), u"12/9/26 9:31:05 AM");

    // Size 0: each call goes at once.
    CallHistory none;
    Fill(none, 2, 0);
    EXPECT_EQ(none.Count(), 0);

    // A lowered size shrinks the list only as calls come in.
    CallHistory full;
    Fill(full, 50, 50);
    Fill(full, 1, 10);
    EXPECT_EQ(full.Count(), 50);
    EXPECT_EQ(full.Item(0)->Title(), u"Caller 0");
    EXPECT_EQ(full.Item(49)->Title(), u"Caller 1");
}

TEST(CallHistory, FileKeepsTheOrderAndTheItems)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("callid.dat"));
    CallHistory history;
    Fill(history, 3, 50);
    history.Item(1)->SetTitle(QStringLiteral("Renamed"));
    history.Save(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("{1 6 }Caller 2~~555-0002~~12/9/26 9:31:05 AM~~"));
    EXPECT_EQ(bytes.count("\r\n"), 6);

    CallHistory back;
    back.Load(path);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Item(0)->Title(), u"Caller 2");
    EXPECT_EQ(back.Item(1)->Title(), u"Renamed");
    EXPECT_EQ(back.Item(2)->Comment(), u"12/9/26 9:31:05 AM");
    // Fresh ids on loading.
    EXPECT_NE(back.Item(0)->Id(), history.Item(0)->Id());
}

TEST(CallHistory, MissingDamagedAndForeignFilesGiveWhatTheyCan)
{
    QTemporaryDir dir;
    CallHistory history;
    Fill(history, 1, 50);
    history.Load(dir.filePath(QStringLiteral("none.dat")));
    EXPECT_EQ(history.Count(), 0);
    // A directory is no file.
    history.Load(dir.path());
    EXPECT_EQ(history.Count(), 0);

    history.ReadRecords("garbage\r\n"
                        "{1 6 }Only~~three~~fields\r\n{Phon}~~0\r\n"
                        "{1 0 }A folder~~~~~~5\r\n{Fold}0\r\n"
                        "{x 6 }Bad level~~1~~2~~3\r\n"
                        "{1 6 }Good~~555-1212~~when~~77\r\n{Phon}12~~0\r\n"
                        "{1 8 }Fax~~555-1313~~when~~78\r\n");
    ASSERT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Item(0)->Title(), u"Good");
    EXPECT_EQ(history.Item(1)->ClassCode(), ClassCode::Fax);
}

TEST(CallHistory, AnUnwritableFileIsReported)
{
    QTemporaryDir dir;
    CallHistory history;
    Fill(history, 1, 50);
    EXPECT_THROW(history.Save(dir.filePath(QStringLiteral("no/such/dir/callid.dat"))), EZendrivoError);
}
