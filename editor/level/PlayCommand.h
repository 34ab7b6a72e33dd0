#pragma once
// View, Play (and F5): plays the level being edited, from a copy of its entities, until Escape;
// the level and its entities are exactly as they were before.

int PlayLevelCommand();
