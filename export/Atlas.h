#pragma once
// A sprite sheet's layout and its JSON atlas, in the layout common sprite-sheet tools and engines
// read (an array of frames, each with its rectangle on the sheet, "duration" in milliseconds, and
// "frameTags" naming the runs of frames that make up each animation), plus each frame's "set" and
// "index" and the skeleton's origin within a frame ("pivot", as a share of the frame's size).

#include <string>
#include <vector>

struct AtlasFrame {
    std::string name;   // the frame's file name without ".png"
    std::string set;    // the frame set it shows
    int index = 0;      // its number within the set, from 0
    int x = 0, y = 0;   // its top-left corner on the sheet
    int durationMs = 0;
};

struct Atlas {
    std::string image;               // the sheet's file name
    int frameWidth = 0, frameHeight = 0;
    int originX = 0, originY = 0;    // the skeleton's origin within every frame
    float scale = 1;
    std::vector<AtlasFrame> frames;  // sets in order, frames in order within each

    int SheetWidth() const;
    int SheetHeight() const;
};

// Frames packed in rows, one row per set: frame i of row r at (i * width, r * height).
struct SheetRow {
    std::string set;
    std::vector<std::string> names;
    std::vector<int> durationsMs;
};
Atlas LayOutSheet(const std::string& image, int frameWidth, int frameHeight, int originX, int originY, float scale,
                  const std::vector<SheetRow>& rows);

std::string AtlasJson(const Atlas& atlas);

// The text as a JSON string, quotes included. Bytes that are not UTF-8 are taken as Latin-1.
std::string JsonString(const std::string& text);
