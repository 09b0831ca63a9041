// What waits for the program's first painted window: work the first window does not need, and
// the measuring aid of the start-up benchmark.
#pragma once

#include <functional>

// Runs the action once the first window has been painted and its picture handed to the window
// system, in the turn of the event loop after that paint. Actions run in the order they were
// given. Call after the application object is made.
void AfterFirstPaint(std::function<void()> action);

// When the environment variable ZINDREL_FIRST_PAINT_PROBE is set, the program prints the
// wall-clock time at which its first window had been painted ("first-paint-us" and the
// microseconds since the epoch) and ends there. Without the variable it does nothing. Install it
// before anything else waits for the first paint, so that it reports first.
void InstallFirstPaintProbe();
