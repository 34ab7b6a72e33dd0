#include "rl/Bitmap.h"

#include <vector>

#include "core/Alert.h"
#include "core/PngHeader.h"
#include "rl/Colour.h"
#include "rl/GL.h"
#include "rl/Layer.h"
#include "rl/LayerInternal.h"

namespace rl {

namespace {

constexpr float kRadiansToDegrees = 57.29577951308232f;

bool HasAnyAlpha(BITMAP* image)
{
    for (int y = 0; y < image->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image->line[y]);
        for (int x = 0; x < image->w; ++x)
            if (geta32(row[x]) != 0)
                return true;
    }
    return false;
}

// A 32-bit copy of the image with every pixel fully opaque.
BITMAP* OpaqueCopy(BITMAP* image, const PALETTE palette)
{
    BITMAP* copy = create_bitmap_ex(32, image->w, image->h);
    if (!copy)
        return nullptr;
    if (palette)
        select_palette(palette);
    blit(image, copy, 0, 0, 0, 0, image->w, image->h);
    if (palette)
        unselect_palette();
    for (int y = 0; y < copy->h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(copy->line[y]);
        for (int x = 0; x < copy->w; ++x)
            row[x] = makeacol32(getr32(row[x]), getg32(row[x]), getb32(row[x]), 255);
    }
    return copy;
}

// The image's pixels as GL_BGRA bytes (0xAARRGGBB words), whatever Allegro's 32-bit channel order.
std::vector<uint32_t> PackedPixels(BITMAP* image)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(image->w) * image->h);
    for (int y = 0; y < image->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image->line[y]);
        uint32_t* out = pixels.data() + static_cast<size_t>(y) * image->w;
        for (int x = 0; x < image->w; ++x) {
            const uint32_t p = row[x];
            out[x] = (uint32_t(geta32(p)) << 24) | (uint32_t(getr32(p)) << 16) | (uint32_t(getg32(p)) << 8) |
                     uint32_t(getb32(p));
        }
    }
    return pixels;
}

bool NonPowerOfTwoTextures()
{
    static const bool supported = detail::ExtensionSupported("GL_ARB_texture_non_power_of_two");
    return supported;
}

} // namespace

struct Bitmap::Placement {
    float x, y;
    bool stretched;      // w and h given; otherwise the image's own size
    float w, h;
    bool rotated;
    float pivotX, pivotY;
    float angle;         // radians
};

Bitmap::Bitmap() { Register(); }

Bitmap::Bitmap(const std::string& fileName, int flags)
{
    Register();
    Load(fileName, flags);
}

Bitmap::Bitmap(BITMAP* image, bool ownsImage)
{
    Register();
    if (!image)
        return;
    if (bitmap_color_depth(image) != 32) {
        BITMAP* copy = OpaqueCopy(image, nullptr);
        if (ownsImage)
            destroy_bitmap(image);
        image = copy;
        ownsImage = true;
        if (!image)
            return;
    }
    AdoptImage(image, ownsImage);
    if (ScreenReady())
        SendToGPU();
    else
        uploadPending_ = true;
}

Bitmap::~Bitmap() { Destroy(true); }

void Bitmap::AdoptImage(BITMAP* image, bool ownsImage)
{
    image_ = image;
    ownsImage_ = ownsImage;
    width_ = image->w;
    height_ = image->h;
    if (centrePivot_) {
        pivotX_ = static_cast<float>(width_ / 2);
        pivotY_ = static_cast<float>(height_ / 2);
    }
}

bool Bitmap::Load(const std::string& fileName, int flags)
{
    if (!ScreenReady()) {
        ShowAlert("Loading queued for bitmap: " + fileName + "\n");
        pendingLoad_ = std::make_unique<PendingFileLoad>(PendingFileLoad {fileName, flags});
        return true;
    }
    LayerLog("Loading bitmap: " + fileName);
    // Only a regular file of a sane size, and a PNG only when its header claims a size we can hold:
    // the decoder would wait on a FIFO for good, read a device without end, or allocate whatever
    // the header says.
    const std::string refusal = pngheader::PictureRefusal(fileName);
    if (!refusal.empty()) {
        LayerError(refusal);
        return false;
    }

    PALETTE palette;
    const int conversion = get_color_conversion();
    set_color_conversion(COLORCONV_NONE);
    BITMAP* loaded = load_bitmap(fileName.c_str(), palette);
    set_color_conversion(conversion);
    if (!loaded) {
        LayerError("No such bitmap!");
        return false;
    }
    if (bitmap_color_depth(loaded) != 32 || !HasAnyAlpha(loaded)) {
        BITMAP* opaque = OpaqueCopy(loaded, bitmap_color_depth(loaded) == 8 ? palette : nullptr);
        destroy_bitmap(loaded);
        loaded = opaque;
        if (!loaded) {
            LayerError("No such bitmap!");
            return false;
        }
    }
    Destroy(false);
    AdoptImage(loaded, true);
    SendToGPU();
    return true;
}

void Bitmap::Destroy(bool unregister)
{
    if (texture_ && !textureShared_)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    if (image_ && ownsImage_)
        destroy_bitmap(image_);
    image_ = nullptr;
    pendingLoad_.reset();
    uploadPending_ = false;
    if (unregister)
        Unregister();
}

RlLoadResult Bitmap::ExecutePendingLoad()
{
    if (pendingLoad_) {
        const PendingFileLoad load = *pendingLoad_;
        pendingLoad_.reset();
        return Load(load.fileName, load.flags) ? RL_LOADED : RL_LOAD_FAILED;
    }
    if (uploadPending_) {
        uploadPending_ = false;
        SendToGPU();
        return IsValid() ? RL_LOADED : RL_LOAD_FAILED;
    }
    return RL_LOADED;
}

void Bitmap::UnloadToMemory()
{
    if (!texture_)
        return;
    std::vector<uint32_t> pixels(static_cast<size_t>(textureWidth_) * textureHeight_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    BITMAP* image = create_bitmap_ex(32, width_, height_);
    if (!image) {
        LayerError("Cannot unload the Bitmap to memory: out of memory");
        return;
    }
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image->line[y]);
        const uint32_t* in = pixels.data() + static_cast<size_t>(y) * textureWidth_;
        for (int x = 0; x < width_; ++x)
            row[x] = makeacol32((in[x] >> 16) & 0xFF, (in[x] >> 8) & 0xFF, in[x] & 0xFF, in[x] >> 24);
    }
    if (image_ && ownsImage_)
        destroy_bitmap(image_);
    image_ = image;
    ownsImage_ = true;
    if (!textureShared_)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
}

void Bitmap::SendToGPU()
{
    if (!image_) {
        LayerError("Cannot send the Bitmap to the graphics card without any memory bitmap content!");
        return;
    }
    if (texture_ && !textureShared_)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    textureShared_ = false;

    const std::vector<uint32_t> pixels = PackedPixels(image_);
    textureWidth_ = NonPowerOfTwoTextures() ? width_ : detail::NextPowerOfTwo(width_);
    textureHeight_ = NonPowerOfTwoTextures() ? height_ : detail::NextPowerOfTwo(height_);
    uMax_ = static_cast<float>(width_) / textureWidth_;
    vMax_ = static_cast<float>(height_) / textureHeight_;

    texture_ = detail::MakeTexture(textureWidth_, textureHeight_, pixels.data(), width_, height_, LinearFiltering());

    if (ownsImage_ && !KeepMemoryImages()) {
        destroy_bitmap(image_);
        image_ = nullptr;
    }
}

bool Bitmap::IsValid() const { return texture_ != 0; }
bool Bitmap::HasPendingLoad() const { return pendingLoad_ != nullptr || uploadPending_; }

void Bitmap::DrawQuad(const Placement& p, const RenderMode* mode, float opacity) const
{
    if (!texture_)
        return;
    const float imageW = static_cast<float>(width_), imageH = static_cast<float>(height_);
    TexturePatch patch {0, 0, uMax_, vMax_, imageW, imageH};
    if (mode)
        mode->Prepare(patch, imageW, imageH, uMax_, vMax_);
    const float w = p.stretched ? p.w : patch.width;
    const float h = p.stretched ? p.h : patch.height;

    glPushMatrix();
    glTranslatef(p.x, p.y, 0);
    if (p.rotated) {
        glRotatef(p.angle * kRadiansToDegrees, 0, 0, 1);
        const float scaleX = patch.width > 0 ? w / patch.width : 1, scaleY = patch.height > 0 ? h / patch.height : 1;
        glTranslatef(-p.pivotX * scaleX, -p.pivotY * scaleY, 0);
    }
    Colour(1, 1, 1, opacity).Select();
    detail::BindTexture(texture_);
    glBegin(GL_QUADS);
    glTexCoord2f(patch.u0, patch.v0); glVertex2f(0, 0);
    glTexCoord2f(patch.u1, patch.v0); glVertex2f(w, 0);
    glTexCoord2f(patch.u1, patch.v1); glVertex2f(w, h);
    glTexCoord2f(patch.u0, patch.v1); glVertex2f(0, h);
    glEnd();
    detail::BindTexture(0);
    glPopMatrix();
    if (mode)
        mode->CleanUp();
}

void Bitmap::Draw(float x, float y, float opacity) const { DrawQuad({x, y, false, 0, 0, false, 0, 0, 0}, nullptr, opacity); }
void Bitmap::Draw(float x, float y, const RenderMode& mode, float opacity) const
{
    DrawQuad({x, y, false, 0, 0, false, 0, 0, 0}, &mode, opacity);
}
void Bitmap::DrawStretched(float x, float y, float w, float h, float opacity) const
{
    DrawQuad({x, y, true, w, h, false, 0, 0, 0}, nullptr, opacity);
}
void Bitmap::DrawStretched(float x, float y, float w, float h, const RenderMode& mode, float opacity) const
{
    DrawQuad({x, y, true, w, h, false, 0, 0, 0}, &mode, opacity);
}
void Bitmap::DrawRotated(float x, float y, float pivotX, float pivotY, float angle, float opacity) const
{
    DrawQuad({x, y, false, 0, 0, true, pivotX, pivotY, angle}, nullptr, opacity);
}
void Bitmap::DrawRotated(float x, float y, float pivotX, float pivotY, float angle, const RenderMode& mode,
                         float opacity) const
{
    DrawQuad({x, y, false, 0, 0, true, pivotX, pivotY, angle}, &mode, opacity);
}
void Bitmap::DrawRotatedStretched(float x, float y, float w, float h, float pivotX, float pivotY, float angle,
                                  float opacity) const
{
    DrawQuad({x, y, true, w, h, true, pivotX, pivotY, angle}, nullptr, opacity);
}
void Bitmap::DrawRotatedStretched(float x, float y, float w, float h, float pivotX, float pivotY, float angle,
                                  const RenderMode& mode, float opacity) const
{
    DrawQuad({x, y, true, w, h, true, pivotX, pivotY, angle}, &mode, opacity);
}

} // namespace rl
