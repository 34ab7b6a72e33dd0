#pragma once
// The bone properties dialog ("Edit Bone Properties"): the bone's name, to edit, and its skin's
// file name, with a "." button that closes the dialog and opens the skin chooser. "Ok" (or Enter)
// renames the bone; any other ending leaves the name alone.

class Bone;

// Opens the dialog, centred, on the bone (which becomes the bone being edited). Returns the
// index of the entry that closed it: kBonePropertiesOk, kBonePropertiesSkin, or another.
int RunBonePropertiesDialog(Bone* bone);

// The dialog's entries, in their order.
enum BonePropertiesEntry {
    kBonePropertiesFrame,
    kBonePropertiesTitleBar,
    kBonePropertiesTitle,
    kBonePropertiesNameLabel,
    kBonePropertiesSkinCaption,
    kBonePropertiesSkinLabel,
    kBonePropertiesName,
    kBonePropertiesOk,
    kBonePropertiesCancel,
    kBonePropertiesSkin,
    kBonePropertiesRefresh,
    kBonePropertiesYield,
    kBonePropertiesEntries,
};
// The name field holds at most 17 characters; a longer name is shown cut to the buffer.
constexpr int kBoneNameBufferSize = 20;
constexpr int kBoneNameFieldSize = 18;
