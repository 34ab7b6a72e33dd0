#pragma once
// The alert box: the platform's simple blocking message, and the fatal ends that follow some alerts.
//
// Every alert is written to standard error. When a presenter is installed (the GUI toolkit does this
// once the screen is up) it also shows the text in a modal dialog and waits for the button. Tests and
// headless runs record alerts instead of blocking: set MARL_ALERTS=record in the environment, or call
// SetAlertRecording(true).

#include <functional>
#include <string>
#include <vector>

struct AlertMessage {
    std::vector<std::string> lines;
    std::string button;      // "" means the presenter's default "OK"
};

using AlertPresenter = std::function<void(const AlertMessage&)>;

// Shows a one-text alert. The text may hold newlines; a trailing newline is not a line of its own.
void ShowAlert(const std::string& text);
// Shows an alert of up to three lines with a single named button ("&Continue": '&' marks the key).
void ShowAlert(const std::string& line1, const std::string& line2, const std::string& line3,
               const std::string& button);

// Installs (or, with an empty function, removes) the dialog that presents alerts.
void SetAlertPresenter(AlertPresenter presenter);

// Recording: alerts are kept in RecordedAlerts() and never presented.
void SetAlertRecording(bool record);
const std::vector<AlertMessage>& RecordedAlerts();
void ClearRecordedAlerts();

// Ends the program with the given exit status after an alert (flushes standard streams first).
[[noreturn]] void FatalExit(int status);
