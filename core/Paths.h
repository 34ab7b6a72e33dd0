#pragma once
// Where the program lives. Every "../Game Data/..." path and every relative skin path is taken
// from the executable's own folder, which the programs make their working folder at start-up.
// Pure path text: needs no screen and no Allegro.

#include <string>

// The folder of the executable, ending with "/".
std::string ExecutablePath();
// A relative path resolved against ExecutablePath() (not the working folder), at most 512
// characters; an absolute path is returned unchanged.
std::string ToAbsolutePath(const std::string& path);
