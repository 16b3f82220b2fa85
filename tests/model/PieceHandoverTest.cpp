#include "model/PieceHandover.h"

#include <gtest/gtest.h>

#include <thread>

// The second half of a large save is filled on one thread and written by
// another: every piece must arrive once, whole and in order, the room of
// pieces handed back must be used again, and the taking side must learn
// the end rather than wait for a piece that never comes.
TEST(PieceHandover, PiecesArriveWholeInOrderReuseTheirRoomAndTheEndIsSeen)
{
    constexpr int kPieces = 400;
    const auto text = [](int i) { return QByteArray::number(i).append(':').append(QByteArray(i % 50, 'x')); };
    PieceHandover handover;
    std::thread filler([&handover, &text] {
        QByteArray piece;
        piece.reserve(4096);
        for (int i = 0; i < kPieces; ++i) {
            piece.append(text(i));
            handover.Hand(piece);
            EXPECT_TRUE(piece.isEmpty()) << "the room left after a hand-over is empty";
            EXPECT_GE(piece.capacity(), 4096) << "and as large as the piece handed";
        }
        handover.Finish();
    });
    int taken = 0;
    for (QByteArray piece; handover.Next(piece); ++taken) {
        EXPECT_EQ(piece, text(taken));
        handover.GiveBack(std::move(piece));
    }
    filler.join();
    EXPECT_EQ(taken, kPieces);
    QByteArray none;
    EXPECT_FALSE(handover.Next(none)) << "asked again after the end";

    // Room given back is what the next hand-over leaves in the filler's
    // piece. Taken in one thread, so the order of the steps is fixed.
    PieceHandover reuse;
    QByteArray piece("first");
    reuse.Hand(piece);
    QByteArray first;
    ASSERT_TRUE(reuse.Next(first));
    const char* room = first.constData();
    reuse.GiveBack(std::move(first));
    piece.append("second");
    reuse.Hand(piece);
    EXPECT_EQ(piece.constData(), room) << "room given back was never used again";
    EXPECT_TRUE(piece.isEmpty());

    // A filler that finishes without a piece (nothing to write, or a
    // failure) must not leave the taking side waiting.
    PieceHandover empty;
    std::thread quitter([&empty] { empty.Finish(); });
    EXPECT_FALSE(empty.Next(none));
    quitter.join();
}
