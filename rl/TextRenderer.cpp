#include "rl/TextRenderer.h"

#include <algorithm>
#include <unistd.h>

#include "core/Alert.h"
#include "rl/Layer.h"
#include "rl/TextTags.h"

namespace rl {

namespace {

constexpr int kMaxItalics = 45;
// Enough distinct bad texts for any screen; past it the memory is cleared rather than grown.
constexpr size_t kMaxReported = 256;

} // namespace

std::string DefaultFontFile()
{
    static const char* const kLiberation = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
    static const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    return access(kLiberation, R_OK) == 0 ? kLiberation : kDejaVu;
}

TextRenderer::TextRenderer(const char* fontFile, int glyphWidth, int glyphHeight, const Colour& colour, int italics,
                           bool hinting)
    : italics_(std::clamp(italics, -kMaxItalics, kMaxItalics)), hinting_(hinting), colour_(colour)
{
    Register();
    if (!Load(fontFile, glyphWidth, glyphHeight))
        LayerError(std::string("Cannot construct a TextRenderer - Loading font '") + (fontFile ? fontFile : "") +
                   "' failed!");
}

TextRenderer::~TextRenderer() { Destroy(true); }

bool TextRenderer::Load(const char* fileName, int glyphWidth, int glyphHeight)
{
    // Checked before queueing too: a queued null name could never load.
    if (!fileName) {
        LayerError("Attempted to load a true type font with a null filename!");
        return false;
    }
    if (!ScreenReady()) {
        ShowAlert(std::string("Loading queued for font: ") + fileName);
        pendingLoad_ = std::make_unique<FileLoader>(FileLoader {fileName, glyphWidth, glyphHeight});
        return true;
    }
    LayerLog(std::string("Loading a true type font: ") + fileName);
    Destroy(false);
    std::string reason;
    face_ = FontFace::Open(fileName, glyphWidth, glyphHeight, italics_, reason);
    if (face_)
        cache_ = GlyphCache::Build(*face_, hinting_, reason);
    if (!cache_) {
        face_.reset();
        LayerLog(std::string("Font '") + fileName + "': " + reason);
        LayerError("Font loading failed!");
        return false;
    }
    return true;
}

void TextRenderer::Destroy(bool unregister)
{
    cache_.reset();
    face_.reset();
    pendingLoad_.reset();
    if (unregister)
        Unregister();
}

RlLoadResult TextRenderer::ExecutePendingLoad()
{
    if (!pendingLoad_)
        return RL_LOADED;
    if (!ScreenReady())
        return RL_NOT_YET;
    const FileLoader load = *pendingLoad_;
    pendingLoad_.reset();
    return Load(load.fileName.c_str(), load.glyphWidth, load.glyphHeight) ? RL_LOADED : RL_LOAD_FAILED;
}

void TextRenderer::UnloadToMemory() { cache_.reset(); }

void TextRenderer::SendToGPU()
{
    if (!face_ || !ScreenReady())
        return;
    std::string reason;
    cache_ = GlyphCache::Build(*face_, hinting_, reason);
    if (!cache_) {
        LayerLog("Font glyph cache: " + reason);
        LayerError("Font loading failed!");
    }
}

bool TextRenderer::IsValid() const { return face_ && cache_; }
bool TextRenderer::HasPendingLoad() const { return pendingLoad_ != nullptr; }

int TextRenderer::LineHeight() const { return face_ ? face_->LineHeight() : 0; }
int TextRenderer::Ascender() const { return face_ ? face_->Ascender() : 0; }
int TextRenderer::Descender() const { return face_ ? face_->Descender() : 0; }

void TextRenderer::ReportOnce(const std::string& message) const
{
    if (reported_.count(message))
        return;
    if (reported_.size() >= kMaxReported)
        reported_.clear();
    reported_.insert(message);
    LayerError(message);
}

void TextRenderer::ReportTagProblems(const std::string& text, const SplitText& split) const
{
    for (const TextRun& run : split.runs)
        if (run.kind == TextRun::TagColour && !run.parsed)
            ReportOnce("Cannot parse the color " + text.substr(run.begin, run.length));
    if (split.unclosedTag != std::string::npos) {
        // The rest of its line is enough to find it, and keeps the log one line per message.
        const size_t lineEnd = text.find('\n', split.unclosedTag);
        ReportOnce("Cannot parse the color tag without a closing \"]\", printed as text: " +
                   text.substr(split.unclosedTag, lineEnd == std::string::npos ? lineEnd : lineEnd - split.unclosedTag));
    }
}

void TextRenderer::Print(const std::string& text, int x, int y) const
{
    if (!IsValid() || text.empty())
        return;
    const SplitText split = SplitTaggedText(text, tagsEnabled_);
    ReportTagProblems(text, split);

    Colour current = colour_;
    int offset = 0;
    cache_->BeginDrawing();
    current.Select();
    for (const TextRun& run : split.runs) {
        switch (run.kind) {
        case TextRun::Characters:
            cache_->DrawRun(text.data() + run.begin, run.length, x + offset, y);
            offset += cache_->RunWidth(text.data() + run.begin, run.length);
            break;
        case TextRun::NewLine:
            offset = 0;
            y += face_->LineHeight();
            break;
        case TextRun::TagColour:
            if (run.parsed)
                current = run.colour;
            current.Select();
            break;
        case TextRun::OwnColour:
            current = colour_;
            current.Select();
            break;
        }
    }
    cache_->EndDrawing();
}

int TextRenderer::Width(const std::string& text) const
{
    if (!IsValid())
        return 0;
    // Measuring stays silent: the GUI measures every prefix of a label, and each prefix of a bad
    // tag would be a message of its own. Printing reports.
    const SplitText split = SplitTaggedText(text, tagsEnabled_);
    int widest = 0, line = 0;
    for (const TextRun& run : split.runs) {
        if (run.kind == TextRun::Characters)
            line += cache_->RunWidth(text.data() + run.begin, run.length);
        else if (run.kind == TextRun::NewLine)
            line = 0;
        widest = std::max(widest, line);
    }
    return widest;
}

int TextRenderer::Height(const std::string& text) const
{
    if (!IsValid())
        return 0;
    const SplitText split = SplitTaggedText(text, tagsEnabled_);
    int lines = 1;
    for (size_t i = 0; i < split.runs.size(); ++i)
        if (split.runs[i].kind == TextRun::NewLine && i + 1 < split.runs.size())
            ++lines;
    return lines * face_->LineHeight();
}

} // namespace rl
