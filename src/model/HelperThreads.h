#pragma once

// Whether the model may start a thread of its own for a large job: writing
// the records of a large tree in two halves at once, sorting thousands of
// siblings in two. Off unless a program turns it on: the first thread a
// process starts costs every later malloc and free of that process glibc's
// single-threaded fast path, which a long-lived program that has no threads
// yet would pay for good. A command-line run, which ends after its save,
// turns it on.
namespace HelperThreads {

void Allow(bool on);
bool Allowed();

} // namespace HelperThreads
