#pragma once
// The application clock. Only ClockTimer writes it, every 10 ms from Allegro's timer thread; every
// other piece of code reads it, re-reading on each use because it changes outside the main thread.

#include <atomic>
#include <cstdint>

// Milliseconds since the timer was installed, in steps of 10.
extern std::atomic<int32_t> ElapsedMs;
// 0 until the first tick, 1 for the rest of the run: frame advancing waits for it.
extern std::atomic<int32_t> TimerTicked;

// The 10 ms timer handler.
void ClockTimer();

// Installs ClockTimer as Allegro's 10 ms periodic timer (the timer service must be installed).
bool InstallClockTimer();
