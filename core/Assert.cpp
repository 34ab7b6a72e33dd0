#include "core/Assert.h"

#include <cstdlib>
#include <string>

#include "core/Alert.h"
#include "core/Log.h"

void AssertionFailed(const char* condition, const char* file, int line)
{
    const std::string text = std::string("Assertion failed: ") + condition + " (" + file + ":" + std::to_string(line) + ")";
    LogText(text, 4);
    ShowAlert(text);
    std::abort();
}
