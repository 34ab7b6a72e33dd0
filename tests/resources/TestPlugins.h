#pragma once
// Plug-ins and a log reader for the resource manager's and the sprites' tests.

#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Log.h"
#include "resources/RPlugin.h"
#include "resources/ResourceManager.h"
#include "tests/support/TestSupport.h"

namespace testplugins {

// Counts the manager's calls. Its resources are small tags it owns; a name containing "broken"
// cannot be loaded.
class CountingPlugin : public RPlugin {
public:
    void* Load(const std::string& fileName) override
    {
        loads.push_back(fileName);
        if (fileName.find("broken") != std::string::npos)
            return nullptr;
        made.push_back(std::make_unique<std::string>(fileName));
        return made.back().get();
    }
    int32_t Unload(void* resource) override
    {
        unloads.push_back(*static_cast<std::string*>(resource));
        return 0;
    }
    std::vector<std::string> loads;     // file names asked for
    std::vector<std::string> unloads;   // file names of the resources handed back
    std::vector<std::unique_ptr<std::string>> made;
};

// A log at write priority 0 in the current folder, reached through g_Log; Messages() gives the text
// of every line written since (without priority and time stamp).
class LogCapture {
public:
    LogCapture() { Restart(); }
    ~LogCapture()
    {
        delete log_;
        g_Log = nullptr;
    }
    // A fresh log in the current folder (the log writes relative to the working folder).
    void Restart()
    {
        delete log_;
        g_Log = log_ = new Log();
        log_->priority = 0;
        mark_ = 0;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> Messages(int priority = -1) const
    {
        static const std::regex kLine(R"((-?\d+)- \d\d/\d\d/\d\d  \d\d:\d\d:\d\d - (.*))");
        std::vector<std::string> messages;
        std::istringstream in(testsupport::ReadFile(Log::FileName));
        std::string line;
        for (int header = 0; header < 3 && std::getline(in, line); ++header) {
        }
        while (std::getline(in, line)) {
            std::smatch match;
            if (!std::regex_match(line, match, kLine)) {
                ADD_FAILURE() << "not a log line: " << line;
                continue;
            }
            if (priority < 0 || std::stoi(match[1]) == priority)
                messages.push_back(match[2]);
        }
        return messages;
    }
    // Messages written from now on are those after the mark.
    void Mark() { mark_ = Messages().size(); }
    std::vector<std::string> SinceMark() const
    {
        std::vector<std::string> all = Messages();
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(mark_, all.size())), all.end());
    }
    bool Contains(const std::string& message) const
    {
        for (const std::string& m : Messages())
            if (m == message)
                return true;
        return false;
    }

private:
    Log* log_ = nullptr;
    size_t mark_ = 0;
};

} // namespace testplugins
