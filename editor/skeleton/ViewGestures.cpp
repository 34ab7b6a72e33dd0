#include "editor/skeleton/ViewGestures.h"

// Bone picking, dragging and the bone context menu; until they are in, every left click pans the
// view and a right click does nothing.
bool HandleBoneLeftClick(DIALOG*, int&) { return false; }

int HandleViewRightClick(DIALOG*) { return D_O_K; }
