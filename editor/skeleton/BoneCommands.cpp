#include "editor/skeleton/BoneCommands.h"

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/ScaleDialog.h"
#include "entities/E_EditorEnt.h"
#include "gui/Dialog.h"
#include "gui/MessageBox.h"
#include "skeleton/Skeleton.h"

int NormaliseCommand()
{
    if (!g_Editor.skeleton || !g_Editor.entity)
        return D_O_K;
    if (MessageBox("Make all bone lengths the same as this frame?", "", "", "Ok", "Cancel") != 0)
        return D_O_K;
    g_Editor.skeleton->ApplyFrameLengths(g_Editor.entity->frameSet, g_Editor.entity->frame);
    return D_O_K;
}

int ScaleLengthsCommand()
{
    Skeleton* skeleton = g_Editor.skeleton;
    E_EditorEnt* entity = g_Editor.entity;
    if (!skeleton || !entity)
        return D_O_K;
    if (const std::optional<float> factor = RunScaleDialog()) {
        // A factor like 1e38 would save lengths that are not numbers; the skeleton refuses it.
        if (!skeleton->ScaleSkeleton(*factor))
            MessageBox("Scaling by that factor gives lengths", "that are not numbers:", "nothing was scaled.", "Ok");
    }
    skeleton->SetPose(entity->frameSet, entity->frame, entity->frameSet, entity->frame, 1);
    skeleton->UpdatePositions();
    return D_REDRAW;
}
