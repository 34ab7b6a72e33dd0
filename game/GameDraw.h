#pragma once
// One frame of the game: the scrolling backdrop, the level's back layer, the entities in list order,
// then the level's front layer over them, all through the camera's view.

struct CameraView;
class EntityList;
class Level;

void DrawGame(const CameraView& view, Level& level, EntityList& entities);
