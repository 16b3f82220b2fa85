#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

// Pieces of output that one thread fills and another hands on in the order
// they were filled. The filling thread never waits: it takes room from
// pieces already handed on, or new room when none is back yet, so a few
// pieces carry all the output.
class PieceHandover
{
public:
    // Filling side. Passes the piece on and leaves empty room in its place.
    void Hand(QByteArray& piece);
    // No more pieces come; the last was handed before.
    void Finish();

    // Handing-on side. Waits for the next piece in order; false once the
    // filling side has finished and every piece has been taken.
    bool Next(QByteArray& piece);
    // Gives a taken piece's room back for the filling side to reuse.
    void GiveBack(QByteArray&& piece);

private:
    std::mutex m_lock;
    std::condition_variable m_filledOne;
    std::deque<QByteArray> m_filled;
    std::vector<QByteArray> m_spare;
    bool m_finished = false;
};
