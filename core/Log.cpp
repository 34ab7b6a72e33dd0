#include "core/Log.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

Log* g_Log = nullptr;

namespace {

const char* const kStarRule = "**************************************************************\n";

// Formats into the buffer; a message cut at the buffer's end still ends with its newline, so the
// next message never joins its line.
void FormatMessage(char* buffer, int size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (written >= size && size >= 2)
        buffer[size - 2] = '\n';
}

} // namespace

Log::Log()
{
    Stamp();
    std::remove(FileName);
    open(FileName, std::ios::out | std::ios::trunc);
    *this << kStarRule;
    *this << "New log created on " << dateText << " at " << timeText << "\n";
    messageCount = 0;
    priority = 0;
    *this << "Write Priority set at " << priority << "\n";
    close();
}

void Log::Stamp()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    std::strftime(dateText, sizeof dateText, "%m/%d/%y", &local);
    std::strftime(timeText, sizeof timeText, "%H:%M:%S", &local);
}

void Log::Write(const char* text, int messagePriority)
{
    if (priority == -1 || messagePriority < priority)
        return;
    if (++messageCount > MaxLogMessages)
        return;
    Stamp();
    open(FileName, std::ios::out | std::ios::app);
    if (!is_open()) {
        clear();
        return;
    }
    *this << messagePriority << "- " << dateText << "  " << timeText << " - " << text;
    close();
}

void Log::Close()
{
    Stamp();
    open(FileName, std::ios::out | std::ios::app);
    if (is_open()) {
        *this << "Log file closed " << dateText << "  " << timeText << "\n";
        close();
    }
    clear();
}

void LogText(const char* text, int priority)
{
    if (!g_Log)
        return;
    FormatMessage(g_Log->messageBuffer, Log::MessageBufferSize, "%s\n", text);
    g_Log->Write(g_Log->messageBuffer, priority);
}

void LogValue(const char* text, int value, int priority)
{
    if (!g_Log)
        return;
    FormatMessage(g_Log->messageBuffer, Log::MessageBufferSize, "%s %d\n", text, value);
    g_Log->Write(g_Log->messageBuffer, priority);
}

void LogString(const char* label, const char* text, int priority)
{
    if (!g_Log)
        return;
    FormatMessage(g_Log->messageBuffer, Log::MessageBufferSize, "%s %s\n", label, text);
    g_Log->Write(g_Log->messageBuffer, priority);
}

void LogValues(const char* label, int first, int second, int priority)
{
    if (!g_Log)
        return;
    FormatMessage(g_Log->messageBuffer, Log::MessageBufferSize, "%s %d, %d\n", label, first, second);
    g_Log->Write(g_Log->messageBuffer, priority);
}
