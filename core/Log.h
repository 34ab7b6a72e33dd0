#pragma once
// The application log: one process-wide diary of the run in "logfile.txt" (working folder).
// Every message passes a priority filter, is stamped with the date and time, and is written by
// opening, appending and closing the file, so the file is complete at every moment.
//
// Owned by main (created first, destroyed last) and reached through g_Log. Callers format into the
// log's single messageBuffer through the helpers at the bottom of this header.

#include <cstdint>
#include <fstream>
#include <string>

class Log : public std::ofstream {
public:
    static constexpr int MaxLogMessages = 20000;
    static constexpr int MessageBufferSize = 300;
    static constexpr const char* FileName = "logfile.txt";

    Log();

    void Write(const char* text, int priority);
    void Close();

    int32_t messageCount = 0;
    char dateText[9] = {};
    char timeText[9] = {};
    char messageBuffer[MessageBufferSize] = {};
    int32_t priority = 0;

private:
    void Stamp();
};

// The log main created; null before start-up and after shut-down, when messages are dropped.
extern Log* g_Log;

// The message formats in use. Each prints into the log's messageBuffer (cut safely at 300
// characters, keeping its newline) and writes it with the given priority.
void LogText(const char* text, int priority);                                  // "%s\n"
void LogValue(const char* text, int value, int priority);                      // "%s %d\n"
void LogString(const char* label, const char* text, int priority);             // "%s %s\n"
void LogValues(const char* label, int first, int second, int priority);        // "%s %d, %d\n"
inline void LogText(const std::string& text, int priority) { LogText(text.c_str(), priority); }
