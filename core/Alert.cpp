#include "core/Alert.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

struct AlertState {
    AlertPresenter presenter;
    std::vector<AlertMessage> recorded;
    bool recording = false;
    bool recordingFromEnvironment = false;
};

AlertState& State()
{
    static AlertState state = [] {
        AlertState s;
        const char* mode = std::getenv("MARL_ALERTS");
        s.recordingFromEnvironment = mode && std::string(mode) == "record";
        return s;
    }();
    return state;
}

void Present(const AlertMessage& message)
{
    std::cerr << "ALERT:";
    for (const std::string& line : message.lines)
        std::cerr << ' ' << line;
    std::cerr << std::endl;

    AlertState& state = State();
    if (state.recording || state.recordingFromEnvironment) {
        state.recorded.push_back(message);
        return;
    }
    if (state.presenter)
        state.presenter(message);
}

} // namespace

void ShowAlert(const std::string& text)
{
    AlertMessage message;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        message.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (message.lines.empty())
        message.lines.push_back("");
    Present(message);
}

void ShowAlert(const std::string& line1, const std::string& line2, const std::string& line3,
               const std::string& button)
{
    Present(AlertMessage {{line1, line2, line3}, button});
}

void SetAlertPresenter(AlertPresenter presenter) { State().presenter = std::move(presenter); }
void SetAlertRecording(bool record) { State().recording = record; }
const std::vector<AlertMessage>& RecordedAlerts() { return State().recorded; }
void ClearRecordedAlerts() { State().recorded.clear(); }

void FatalExit(int status)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::exit(status);
}
