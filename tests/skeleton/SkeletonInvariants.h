#pragma once
// What must hold for every skeleton, whatever was done to it or read into it. Shared by the tests
// and the reader's fuzz target.

#include <string>

class Skeleton;

// "" when the skeleton is sound, else a description of the first broken rule.
std::string InvariantViolation(const Skeleton& skeleton);
