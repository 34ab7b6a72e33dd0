#include "editor/skeleton/OnionSkin.h"

#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "entities/E_EditorEnt.h"
#include "entities/EntityPainter.h"
#include "rl/Colour.h"
#include "rl/Ellipse.h"
#include "rl/Line.h"
#include "skeleton/Skeleton.h"

namespace {

const rl::Colour kBeforeTint(0.3f, 0.55f, 1.0f);
const rl::Colour kAfterTint(0.35f, 1.0f, 0.4f);
constexpr float kLineOpacity = 0.55f;
constexpr float kSkinOpacity = 0.3f;

const rl::Colour& TintOf(OnionSide side) { return side == OnionSide::kBefore ? kBeforeTint : kAfterTint; }

// Every bone's pose and place as the view shows them, put back once the neighbours are drawn: the
// neighbours are posed on the skeleton itself, so their skins are drawn exactly as playback
// would draw them.
class KeptPose {
public:
    explicit KeptPose(Skeleton& skeleton) : skeleton_(skeleton)
    {
        kept_.reserve(skeleton.BoneList().size());
        for (const auto& bone : skeleton.BoneList())
            kept_.push_back({bone->relativeAngle, bone->length, bone->startX, bone->startY, bone->endX, bone->endY,
                             bone->absoluteAngle});
    }
    ~KeptPose()
    {
        const auto& bones = skeleton_.BoneList();
        for (size_t i = 0; i < kept_.size() && i < bones.size(); ++i) {
            Bone& bone = *bones[i];
            const Place& place = kept_[i];
            bone.relativeAngle = place.relativeAngle;
            bone.length = place.length;
            bone.startX = place.startX;
            bone.startY = place.startY;
            bone.endX = place.endX;
            bone.endY = place.endY;
            bone.absoluteAngle = place.absoluteAngle;
        }
    }
    KeptPose(const KeptPose&) = delete;
    KeptPose& operator=(const KeptPose&) = delete;

private:
    struct Place {
        float relativeAngle, length, startX, startY, endX, endY, absoluteAngle;
    };
    Skeleton& skeleton_;
    std::vector<Place> kept_;
};

// The skins as the entity draws them, in the tint at low opacity through the layer's channel
// multipliers.
void DrawTintedSkins(Skeleton& skeleton, const E_EditorEnt& entity, const rl::Colour& tint)
{
    EntityPainter* painter = CurrentEntityPainter();
    if (!painter)
        return;
    const rl::Colour kept = rl::ChannelMultipliers();
    rl::SetChannelMultipliers(kept.r * tint.r, kept.g * tint.g, kept.b * tint.b, kept.a * kSkinOpacity);
    painter->SkeletonSkins(skeleton, g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, g_Editor.Zoom,
                           entity.facing == -1 ? 1 : 0);
    rl::SetChannelMultipliers(kept.r, kept.g, kept.b, kept.a);
}

// The bone lines and small joints, sized as the overlay's are.
void DrawTintedBones(const Skeleton& skeleton, const rl::Colour& tint)
{
    const float zoom = g_Editor.Zoom;
    const float radius = zoom < 1 ? 5 * zoom : 5;
    const float width = zoom < 1 ? 3 * zoom : 3;
    const float originX = g_Editor.ViewOrigin.x, originY = g_Editor.ViewOrigin.y;
    const rl::Colour colour(tint.r, tint.g, tint.b, kLineOpacity);
    for (const auto& owned : skeleton.BoneList()) {
        const Bone& bone = *owned;
        const float endX = zoom * bone.endX + originX, endY = zoom * bone.endY + originY;
        rl::Line(zoom * bone.startX + originX, zoom * bone.startY + originY, endX, endY, width).Draw(colour);
        rl::Circle(endX, endY, radius).Draw(colour);
    }
}

} // namespace

std::vector<OnionFrame> OnionFrames(const Skeleton& skeleton, int set, int frame, bool playing)
{
    const SkeletonFrameSet* frames = skeleton.GetFrameSet(set);
    if (playing || !frames)
        return {};
    const int count = frames->FrameCount();
    if (count < 2 || frame < 0 || frame >= count)
        return {};
    return {{(frame + count - 1) % count, OnionSide::kBefore}, {(frame + 1) % count, OnionSide::kAfter}};
}

void DrawOnionSkin()
{
    Skeleton* skeleton = g_Editor.skeleton;
    const E_EditorEnt* entity = g_Editor.entity;
    const bool skins = g_Editor.ViewFlags & kViewSkins, bones = g_Editor.ViewFlags & kViewBones;
    if (!g_Editor.onionSkin || !skeleton || !entity || !(skins || bones))
        return;
    const std::vector<OnionFrame> frames = OnionFrames(*skeleton, entity->frameSet, entity->frame, g_Editor.Playing);
    if (frames.empty())
        return;
    const KeptPose kept(*skeleton);
    for (const OnionFrame& neighbour : frames) {
        skeleton->SetPose(entity->frameSet, neighbour.frame, entity->frameSet, neighbour.frame, 0);
        skeleton->UpdatePositions();
        const rl::Colour& tint = TintOf(neighbour.side);
        if (skins)
            DrawTintedSkins(*skeleton, *entity, tint);
        if (bones)
            DrawTintedBones(*skeleton, tint);
    }
}

int ToggleOnionSkinCommand()
{
    g_Editor.onionSkin = !g_Editor.onionSkin;
    g_FramesMenu[kOnionSkinItem].flags = g_Editor.onionSkin ? D_SELECTED : 0;
    return D_REDRAW;
}
