#pragma once
// An image held as an OpenGL texture, drawn at a position, stretched, rotated about a pivot, and
// through a render mode. A bitmap made before the screen exists queues its load until the screen
// is set up. Bitmaps loaded through the resource manager belong to it.

#include <memory>
#include <string>

#include "rl/GarbageCollected.h"
#include "rl/RenderMode.h"

struct BITMAP;

namespace rl {

struct PendingFileLoad {
    std::string fileName;
    int flags = 0;
};

class Bitmap : public GarbageCollected {
public:
    Bitmap();
    // Loads the file (BMP or PNG); flags bit 0 would build a collision polygon, which is never used.
    explicit Bitmap(const std::string& fileName, int flags = 0);
    // Takes a 32-bit (or any depth, converted) memory image; with ownsImage the bitmap frees it.
    Bitmap(BITMAP* image, bool ownsImage);
    ~Bitmap() override;

    bool Load(const std::string& fileName, int flags = 0);

    void Destroy(bool unregister) override;
    RlLoadResult ExecutePendingLoad() override;
    void UnloadToMemory() override;
    void SendToGPU() override;
    bool IsValid() const override;
    bool HasPendingLoad() const override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    float DefaultPivotX() const { return pivotX_; }
    float DefaultPivotY() const { return pivotY_; }
    void SetCentrePivot(bool centre) { centrePivot_ = centre; }
    // A shared texture is not deleted with the bitmap.
    void SetTextureShared(bool shared) { textureShared_ = shared; }

    unsigned int TextureId() const { return texture_; }
    int TextureWidth() const { return textureWidth_; }
    int TextureHeight() const { return textureHeight_; }
    BITMAP* MemoryImage() const { return image_; }

    void Draw(float x, float y, float opacity = 1.0f) const;
    void Draw(float x, float y, const RenderMode& mode, float opacity = 1.0f) const;
    void DrawStretched(float x, float y, float w, float h, float opacity = 1.0f) const;
    void DrawStretched(float x, float y, float w, float h, const RenderMode& mode, float opacity = 1.0f) const;
    void DrawRotated(float x, float y, float pivotX, float pivotY, float angle, float opacity = 1.0f) const;
    void DrawRotated(float x, float y, float pivotX, float pivotY, float angle, const RenderMode& mode,
                     float opacity = 1.0f) const;
    void DrawRotatedStretched(float x, float y, float w, float h, float pivotX, float pivotY, float angle,
                              float opacity = 1.0f) const;
    void DrawRotatedStretched(float x, float y, float w, float h, float pivotX, float pivotY, float angle,
                              const RenderMode& mode, float opacity = 1.0f) const;

private:
    struct Placement;
    void DrawQuad(const Placement& placement, const RenderMode* mode, float opacity) const;
    void AdoptImage(BITMAP* image, bool ownsImage);

    // Texture record.
    unsigned int texture_ = 0;
    int width_ = 0, height_ = 0;
    int textureWidth_ = 0, textureHeight_ = 0;
    float uMax_ = 1, vMax_ = 1;

    BITMAP* image_ = nullptr;
    bool ownsImage_ = true;
    float pivotX_ = 0, pivotY_ = 0;
    std::unique_ptr<PendingFileLoad> pendingLoad_;
    bool uploadPending_ = false;   // a memory image given before the screen existed
    bool centrePivot_ = true;
    bool textureShared_ = false;
};

} // namespace rl
