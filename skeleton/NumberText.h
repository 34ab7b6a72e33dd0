#pragma once
// Numbers as the skeleton file and the frame report write them: whole numbers in decimal, floats
// as a default-formatted text stream writes them (at most 6 significant digits, no trailing
// zeros, exponent form for very large or small values).

#include <cstdio>
#include <string>

inline std::string FloatText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}
