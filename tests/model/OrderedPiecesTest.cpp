#include "model/OrderedPieces.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {
QByteArray PieceText(int i)
{
    return QByteArray::number(i).append(':').append(QByteArray(i % 50, 'x'));
}
} // namespace

// Pieces made by several threads in whatever order they take them must be
// handed on once each, whole and in the order of the output, whether the
// handing thread makes pieces too or only waits.
TEST(OrderedPieces, PiecesMadeBySeveralThreadsAreHandedOnOnceInOrder)
{
    constexpr int kPieces = 600;
    OrderedPieces pieces(kPieces);
    const auto make = [&pieces](int index) {
        QByteArray room = pieces.Room();
        EXPECT_TRUE(room.isEmpty()) << "room given out must be empty";
        room.append(PieceText(index));
        pieces.Made(index, std::move(room));
    };
    std::vector<std::thread> makers;
    for (int t = 0; t < 3; ++t) {
        makers.emplace_back([&pieces, &make] {
            for (int index; (index = pieces.Take()) >= 0;)
                make(index);
        });
    }
    int handed = 0;
    const OrderedPieces::Hand hand = [&](QByteArray& piece) {
        EXPECT_EQ(piece, PieceText(handed));
        ++handed;
    };
    for (int index; (index = pieces.Take()) >= 0;) {
        make(index);
        pieces.HandOn(hand, false);
    }
    EXPECT_TRUE(pieces.HandOn(hand, true));
    for (std::thread& maker : makers)
        maker.join();
    EXPECT_EQ(handed, kPieces);
    EXPECT_EQ(pieces.Take(), -1) << "asked again after the end";
    EXPECT_TRUE(pieces.HandOn(hand, true)) << "handing on again after the end";
    EXPECT_EQ(handed, kPieces);

    // The room of a piece handed on is what the next maker gets, emptied.
    OrderedPieces reuse(2);
    ASSERT_EQ(reuse.Take(), 0);
    QByteArray first("first");
    const char* room = first.constData();
    reuse.Made(0, std::move(first));
    EXPECT_FALSE(reuse.HandOn([](QByteArray&) {}, false));
    ASSERT_EQ(reuse.Take(), 1);
    const QByteArray next = reuse.Room();
    EXPECT_EQ(next.constData(), room) << "room handed on was never used again";
    EXPECT_TRUE(next.isEmpty());
}

// The handing thread must neither run ahead of a piece still being made nor
// wait for one that its maker gave up on.
TEST(OrderedPieces, HandingStopsAtAMissingPieceAndAMakerThatGivesUpEndsTheWait)
{
    OrderedPieces pieces(3);
    int handed = 0;
    const OrderedPieces::Hand hand = [&handed](QByteArray&) { ++handed; };
    ASSERT_EQ(pieces.Take(), 0);
    ASSERT_EQ(pieces.Take(), 1);
    pieces.Made(1, QByteArray("second"));
    EXPECT_FALSE(pieces.HandOn(hand, false));
    EXPECT_EQ(handed, 0) << "the second piece went before the first";
    pieces.Made(0, QByteArray("first"));
    EXPECT_FALSE(pieces.HandOn(hand, false));
    EXPECT_EQ(handed, 2);

    // The third piece's maker fails: the wait for it ends, unfinished.
    ASSERT_EQ(pieces.Take(), 2);
    std::thread quitter([&pieces] { pieces.Stop(); });
    EXPECT_FALSE(pieces.HandOn(hand, true));
    quitter.join();
    EXPECT_EQ(handed, 2);
    EXPECT_EQ(pieces.Take(), -1) << "a piece was given out after the work stopped";
}
