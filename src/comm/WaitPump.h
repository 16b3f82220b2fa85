#pragma once

#include <functional>

// What a blocking wait does while it waits. The desktop program sets a
// callback that keeps its window painted; without one the wait sleeps in
// the event loop until the next event (a socket's data, a timer's tick).
namespace WaitPump {

// Runs one round of the callback, or of the event loop when none is set.
void Pump();

// Sets the callback; an empty one restores the plain event loop.
void SetCallback(std::function<void()> callback);

} // namespace WaitPump
