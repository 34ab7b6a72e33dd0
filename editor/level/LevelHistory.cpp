#include "editor/level/LevelHistory.h"

#include <sstream>
#include <string_view>

#include "editor/level/EntityPlacement.h"
#include "editor/level/LevelEditorState.h"
#include "editor/level/LevelFileCommands.h"
#include "entities/EntityList.h"
#include "level/Level.h"

namespace {

// Deeper than anyone undoes; the oldest steps go beyond either bound.
constexpr size_t kMaxSteps = 256;
constexpr size_t kMaxBytes = size_t {48} << 20;

// The entity file's text from its count on: the header above carries the time it was written.
std::string_view Records(const std::string* text)
{
    if (!text)
        return {};
    const std::string_view all(*text);
    const size_t count = all.find("Number Ents in list:");
    return count == std::string_view::npos ? all : all.substr(count);
}

std::shared_ptr<const std::string> EntityText()
{
    if (!g_LevelEditor.entities)
        return nullptr;
    std::ostringstream text;
    g_LevelEditor.entities->Save(text);
    return std::make_shared<const std::string>(text.str());
}

void RestoreEntities(const std::string* text)
{
    g_LevelEditor.NewEntityList();
    if (!text)
        return;
    std::istringstream in(*text);
    ReadEntityFile(in);
}

// The cell as the level file holds it: tile number and image as a loaded file gives them.
void Put(Level& level, int x, int y, const LevelHistory::Cell& cell)
{
    const TileSet* tileset = level.GetTileSet();
    const auto assign = [&](int layer, int32_t number, int32_t flags) {
        if (Tile* tile = level.GetTile(x, y, layer)) {
            tile->Assign(number, tileset ? tileset->Graphics(number) : nullptr);
            tile->flags = flags;
        }
    };
    assign(TileGrid::kBackLayer, cell.back, cell.backFlags);
    assign(TileGrid::kFrontLayer, cell.front, cell.frontFlags);
}

std::unique_ptr<Level> BuildLevel(const LevelHistory::Grid& grid)
{
    auto level = std::make_unique<Level>(grid.width, grid.height);
    if (level->TilesetFolder() != grid.folder) {
        level->SetTilesetFolder(grid.folder);
        level->MakeNew(grid.width, grid.height);
    }
    if (level->Width() == grid.width && level->Height() == grid.height)
        for (int x = 0; x < grid.width; ++x)
            for (int y = 0; y < grid.height; ++y)
                Put(*level, x, y, grid.cells[static_cast<size_t>(x) * grid.height + y]);
    return level;
}

} // namespace

LevelHistory::LevelHistory() : ActionHistory(kMaxSteps, kMaxBytes) {}

LevelHistory::Grid LevelHistory::CaptureGrid(const Level* level)
{
    Grid grid;
    if (!level)
        return grid;
    grid.folder = level->TilesetFolder();
    if (!level->HasGrid())
        return grid;
    grid.width = level->Width();
    grid.height = level->Height();
    grid.cells.resize(static_cast<size_t>(grid.width) * grid.height);
    Cell* cell = grid.cells.data();
    for (int x = 0; x < grid.width; ++x)
        for (int y = 0; y < grid.height; ++y, ++cell) {
            const Tile* back = level->GetTile(x, y, TileGrid::kBackLayer);
            const Tile* front = level->GetTile(x, y, TileGrid::kFrontLayer);
            *cell = Cell {back->tileNumber, back->flags, front->tileNumber, front->flags};
        }
    return grid;
}

LevelHistory::State LevelHistory::Capture()
{
    return State {std::make_shared<const Grid>(CaptureGrid(g_LevelEditor.level.get())), EntityText()};
}

size_t LevelHistory::BytesOf(const Step& step)
{
    size_t bytes = sizeof(Step) + step.cells.capacity() * sizeof(Step::CellChange);
    for (const auto* grid : {step.gridBefore.get(), step.gridAfter.get()})
        if (grid)
            bytes += sizeof(Grid) + grid->folder.capacity() + grid->cells.capacity() * sizeof(Cell);
    for (const auto* text : {step.entitiesBefore.get(), step.entitiesAfter.get()})
        if (text)
            bytes += sizeof(std::string) + text->capacity();
    return bytes;
}

void LevelHistory::Record(const State& last, const State& now)
{
    Step step;
    const Grid& before = *last.grid;
    const Grid& after = *now.grid;
    if (!before.SameShape(after)) {
        step.gridBefore = last.grid;
        step.gridAfter = now.grid;
    } else {
        for (size_t i = 0; i < after.cells.size(); ++i)
            if (before.cells[i] != after.cells[i])
                step.cells.push_back(Step::CellChange {static_cast<int32_t>(i), before.cells[i], after.cells[i]});
        step.cells.shrink_to_fit();
    }
    if (Records(last.entities.get()) != Records(now.entities.get())) {
        step.entitiesBefore = last.entities;
        step.entitiesAfter = now.entities;
    }
    if (step.gridBefore || !step.cells.empty() || step.entitiesBefore || step.entitiesAfter) {
        const size_t bytes = BytesOf(step);
        Push(std::move(step), bytes);
    }
}

LevelHistory::State LevelHistory::Restore(const Step& step, bool after)
{
    if (const Grid* grid = (after ? step.gridAfter : step.gridBefore).get()) {
        g_LevelEditor.level = BuildLevel(*grid);
        ResetMapView();
    } else if (Level* level = g_LevelEditor.level.get()) {
        const int height = level->Height();
        for (const Step::CellChange& change : step.cells)
            if (height > 0)
                Put(*level, change.index / height, change.index % height, after ? change.after : change.before);
    }
    if (step.entitiesBefore || step.entitiesAfter)
        RestoreEntities((after ? step.entitiesAfter : step.entitiesBefore).get());
    return Capture();
}
