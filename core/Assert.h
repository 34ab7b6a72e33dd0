#pragma once
// MARL_ASSERT: the check for programmer errors — a null node handed to a tree operation, an entry
// count the model itself guarantees. Never for bad data from files: that is a logged failure.
//
// Active when MARL_ASSERTIONS is defined (the test and sanitizer builds define it): a failed check
// is written to the log at priority 4, reported through the alert seam (so a test sees it on
// standard error, or recorded) and then aborts. Without MARL_ASSERTIONS it compiles to nothing and
// the code after it must still cope, as it did before the check was written.

#ifdef MARL_ASSERTIONS
#define MARL_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : AssertionFailed(#condition, __FILE__, __LINE__))
#else
#define MARL_ASSERT(condition) static_cast<void>(sizeof(condition))
#endif

// Reports the failed check and ends the program with abort() (a core dump and the sanitizers'
// stack trace where they run).
[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);
