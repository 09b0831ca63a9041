// A measuring aid for the start-up benchmark: when the environment variable
// ZINDREL_FIRST_PAINT_PROBE is set, the program prints the wall-clock time at which its first
// window had been painted and ends there. Without the variable it does nothing.
#pragma once

// Call once, right after the application object is made.
void InstallFirstPaintProbe();
