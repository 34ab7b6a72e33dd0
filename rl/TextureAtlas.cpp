#include "rl/TextureAtlas.h"

#include <algorithm>

#include "rl/Bitmap.h"
#include "rl/GL.h"
#include "rl/Layer.h"
#include "rl/LayerInternal.h"

namespace rl {

namespace {

constexpr int kBorder = 1;
constexpr int kWhiteSize = 4;   // the white patch, border included

struct Picture {
    const Bitmap* bitmap;
    int w, h;
    std::vector<uint32_t> pixels;   // w x h, BGRA as the texture holds them
    int x = 0, y = 0;               // where the picture (inside its border) goes
};

// The picture's pixels, read back from its texture.
std::vector<uint32_t> ReadPicture(const Bitmap& bitmap)
{
    std::vector<uint32_t> texture(static_cast<size_t>(bitmap.TextureWidth()) * bitmap.TextureHeight());
    glBindTexture(GL_TEXTURE_2D, bitmap.TextureId());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, texture.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    std::vector<uint32_t> picture(static_cast<size_t>(bitmap.Width()) * bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y)
        std::copy_n(texture.begin() + static_cast<long>(y) * bitmap.TextureWidth(), bitmap.Width(),
                    picture.begin() + static_cast<long>(y) * bitmap.Width());
    return picture;
}

} // namespace

TextureAtlas::~TextureAtlas() { Release(); }

void TextureAtlas::Release()
{
    if (texture_ && ScreenReady())
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    places_.clear();
}

bool TextureAtlas::Build(const std::vector<const Bitmap*>& bitmaps)
{
    Release();
    Discard();
    if (!ScreenReady())
        return false;

    std::vector<Picture> pictures;
    for (const Bitmap* bitmap : bitmaps)
        if (bitmap && bitmap->IsValid() && bitmap->Width() > 0 && bitmap->Height() > 0 &&
            !places_.count({bitmap, bitmap->TextureId()})) {
            pictures.push_back({bitmap, bitmap->Width(), bitmap->Height(), ReadPicture(*bitmap)});
            places_[{bitmap, bitmap->TextureId()}] = {};
        }
    places_.clear();

    // Shelves of pictures, tallest first, in rows as wide as the largest texture allows (at most
    // 2048, which keeps the copy small).
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const int rowWidth = std::min<int>(largest, 2048);
    std::vector<Picture*> order;
    for (Picture& picture : pictures)
        order.push_back(&picture);
    std::stable_sort(order.begin(), order.end(), [](const Picture* a, const Picture* b) { return a->h > b->h; });
    int x = kWhiteSize, y = 0, shelf = kWhiteSize, width = kWhiteSize;
    for (Picture* picture : order) {
        const int w = picture->w + 2 * kBorder, h = picture->h + 2 * kBorder;
        if (w > rowWidth)
            return false;
        if (x + w > rowWidth) {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        picture->x = x + kBorder;
        picture->y = y + kBorder;
        x += w;
        shelf = std::max(shelf, h);
        width = std::max(width, x);
    }
    const int height = y + shelf;
    if (height > largest)
        return false;
    const int textureWidth = detail::NextPowerOfTwo(width), textureHeight = detail::NextPowerOfTwo(height);

    std::vector<uint32_t> atlas(static_cast<size_t>(textureWidth) * textureHeight, 0);
    const auto at = [&](int px, int py) -> uint32_t& { return atlas[static_cast<size_t>(py) * textureWidth + px]; };
    for (int py = 0; py < kWhiteSize; ++py)
        for (int px = 0; px < kWhiteSize; ++px)
            at(px, py) = 0xFFFFFFFFu;
    for (const Picture& picture : pictures)
        for (int py = -kBorder; py < picture.h + kBorder; ++py)
            for (int px = -kBorder; px < picture.w + kBorder; ++px) {
                const int sx = std::clamp(px, 0, picture.w - 1), sy = std::clamp(py, 0, picture.h - 1);
                at(picture.x + px, picture.y + py) = picture.pixels[static_cast<size_t>(sy) * picture.w + sx];
            }

    texture_ = detail::MakeTexture(textureWidth, textureHeight, atlas.data(), textureWidth, textureHeight,
                                   LinearFiltering());

    const float tw = static_cast<float>(textureWidth), th = static_cast<float>(textureHeight);
    // The middle of the white patch: every sample there is white, whatever the filter.
    white_ = {1.5f / tw, 1.5f / th, 2.5f / tw, 2.5f / th};
    for (const Picture& picture : pictures)
        places_[{picture.bitmap, picture.bitmap->TextureId()}] = {
            static_cast<float>(picture.x) / tw, static_cast<float>(picture.y) / th,
            static_cast<float>(picture.x + picture.w) / tw, static_cast<float>(picture.y + picture.h) / th};
    return true;
}

bool TextureAtlas::Contains(const Bitmap* bitmap) const
{
    return bitmap && places_.count({bitmap, bitmap->TextureId()}) != 0;
}

void TextureAtlas::AddQuad(float x, float y, float w, float h, const Place& uv, const Colour& colour)
{
    const float corners[8] = {x, y, x + w, y, x + w, y + h, x, y + h};
    const float coords[8] = {uv.u0, uv.v0, uv.u1, uv.v0, uv.u1, uv.v1, uv.u0, uv.v1};
    vertices_.insert(vertices_.end(), corners, corners + 8);
    texCoords_.insert(texCoords_.end(), coords, coords + 8);
    // As Colour::Select would give it.
    const Colour m = ChannelMultipliers();
    for (int i = 0; i < 4; ++i)
        colours_.insert(colours_.end(), {colour.r * m.r, colour.g * m.g, colour.b * m.b, colour.a * m.a});
}

bool TextureAtlas::AddPicture(const Bitmap* bitmap, float x, float y, float w, float h, bool mirror)
{
    if (!bitmap)
        return false;
    const auto place = places_.find({bitmap, bitmap->TextureId()});
    if (place == places_.end())
        return false;
    Place uv = place->second;
    if (mirror)
        std::swap(uv.u0, uv.u1);
    AddQuad(x, y, w, h, uv, Colour(1, 1, 1, 1));
    return true;
}

void TextureAtlas::AddFill(float x, float y, float w, float h, const Colour& colour)
{
    AddQuad(x, y, w, h, white_, colour);
}

void TextureAtlas::Draw()
{
    if (texture_ && !vertices_.empty()) {
        detail::BindTexture(texture_);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, 0, vertices_.data());
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords_.data());
        glColorPointer(4, GL_FLOAT, 0, colours_.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices_.size() / 2));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        detail::BindTexture(0);
        // The colour array leaves the current colour undefined; later drawing selects its own.
        Colour(1, 1, 1, 1).Select();
    }
    Discard();
}

void TextureAtlas::Discard()
{
    vertices_.clear();
    texCoords_.clear();
    colours_.clear();
}

} // namespace rl
