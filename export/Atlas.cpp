#include "export/Atlas.h"

#include <algorithm>
#include <cstdio>

namespace {

// The length of the UTF-8 sequence starting at text[i], or 0 when there is none.
size_t Utf8Length(const std::string& text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string Rectangle(int x, int y, int w, int h)
{
    return "{\"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) + ", \"w\": " + std::to_string(w) +
           ", \"h\": " + std::to_string(h) + "}";
}

std::string Share(int part, int whole)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", whole > 0 ? static_cast<double>(part) / whole : 0.0);
    return text;
}

} // namespace

int Atlas::SheetWidth() const
{
    int right = 0;
    for (const AtlasFrame& frame : frames)
        right = std::max(right, frame.x + frameWidth);
    return right;
}

int Atlas::SheetHeight() const
{
    int bottom = 0;
    for (const AtlasFrame& frame : frames)
        bottom = std::max(bottom, frame.y + frameHeight);
    return bottom;
}

Atlas LayOutSheet(const std::string& image, int frameWidth, int frameHeight, int originX, int originY, float scale,
                  const std::vector<SheetRow>& rows)
{
    Atlas atlas;
    atlas.image = image;
    atlas.frameWidth = frameWidth;
    atlas.frameHeight = frameHeight;
    atlas.originX = originX;
    atlas.originY = originY;
    atlas.scale = scale;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t i = 0; i < rows[r].names.size(); ++i)
            atlas.frames.push_back({rows[r].names[i], rows[r].set, static_cast<int>(i), static_cast<int>(i) * frameWidth,
                                    static_cast<int>(r) * frameHeight, rows[r].durationsMs[i]});
    return atlas;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const size_t length = Utf8Length(text, i)) {
            out.append(text, i, length);
            i += length;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
            ++i;
        }
    }
    return out + "\"";
}

std::string AtlasJson(const Atlas& atlas)
{
    const int w = atlas.frameWidth, h = atlas.frameHeight;
    std::string json = "{\n  \"frames\": [\n";
    for (size_t i = 0; i < atlas.frames.size(); ++i) {
        const AtlasFrame& f = atlas.frames[i];
        json += "    {\"filename\": " + JsonString(f.name) + ", \"frame\": " + Rectangle(f.x, f.y, w, h) +
                ", \"rotated\": false, \"trimmed\": false, \"spriteSourceSize\": " + Rectangle(0, 0, w, h) +
                ", \"sourceSize\": {\"w\": " + std::to_string(w) + ", \"h\": " + std::to_string(h) +
                "}, \"pivot\": {\"x\": " + Share(atlas.originX, w) + ", \"y\": " + Share(atlas.originY, h) +
                "}, \"duration\": " + std::to_string(f.durationMs) + ", \"set\": " + JsonString(f.set) +
                ", \"index\": " + std::to_string(f.index) + "}" + (i + 1 < atlas.frames.size() ? ",\n" : "\n");
    }
    json += "  ],\n  \"meta\": {\n    \"app\": \"marl-export\",\n    \"version\": \"1.0\",\n";
    json += "    \"image\": " + JsonString(atlas.image) + ",\n    \"format\": \"RGBA8888\",\n";
    json += "    \"size\": {\"w\": " + std::to_string(atlas.SheetWidth()) + ", \"h\": " +
            std::to_string(atlas.SheetHeight()) + "},\n";
    char scale[32];
    std::snprintf(scale, sizeof scale, "%g", static_cast<double>(atlas.scale));
    json += "    \"scale\": \"" + std::string(scale) + "\",\n";
    json += "    \"origin\": {\"x\": " + std::to_string(atlas.originX) + ", \"y\": " + std::to_string(atlas.originY) +
            "},\n    \"frameTags\": [";
    // A tag per set: the run of frames that shows it.
    bool firstTag = true;
    for (size_t i = 0; i < atlas.frames.size();) {
        size_t end = i;
        while (end + 1 < atlas.frames.size() && atlas.frames[end + 1].set == atlas.frames[i].set &&
               atlas.frames[end + 1].index == atlas.frames[end].index + 1)
            ++end;
        json += std::string(firstTag ? "\n" : ",\n") + "      {\"name\": " + JsonString(atlas.frames[i].set) +
                ", \"from\": " + std::to_string(i) + ", \"to\": " + std::to_string(end) +
                ", \"direction\": \"forward\"}";
        firstTag = false;
        i = end + 1;
    }
    json += firstTag ? "]\n" : "\n    ]\n";
    json += "  }\n}\n";
    return json;
}
