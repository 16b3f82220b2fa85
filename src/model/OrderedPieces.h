#pragma once

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

// An output cut into a known number of pieces, which several threads make
// in whatever order they take them, and one thread hands on in the order of
// the output as soon as each is made. A piece handed on leaves its room for
// the next piece to be made in, so a few pieces' room carries all the output.
class OrderedPieces
{
public:
    explicit OrderedPieces(int count);

    // Any thread: the index of a piece still to make, in ascending order;
    // -1 once every piece is taken or the work was stopped.
    int Take();
    // Any thread: room to make a piece in; emptied room of a piece handed on
    // before where there is some.
    QByteArray Room();
    // Any thread: the piece taken as index is made.
    void Made(int index, QByteArray&& bytes);
    // Any thread that cannot make its pieces: nothing more is taken, and the
    // handing thread stops waiting.
    void Stop();

    // The handing thread: hands the pieces made since the last call, in
    // order, up to the first one not made yet; with wait, waits for that one
    // and goes on until every piece is handed on. True once every piece is.
    using Hand = std::function<void(QByteArray& piece)>;
    bool HandOn(const Hand& hand, bool wait);

private:
    struct Piece
    {
        QByteArray bytes;
        bool made = false;
    };

    const int m_count;
    std::atomic<int> m_next{0};
    std::mutex m_lock;
    std::condition_variable m_madeOne;
    std::vector<Piece> m_pieces;
    std::vector<QByteArray> m_spare;
    int m_handed = 0;
    bool m_stopped = false;
};
