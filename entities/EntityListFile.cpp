// The entity list file: what EntityList::Save writes and EntityList::Load reads.
//
//   ##############################################      (46 '#')
//   ## Saved Entity List
//   ## Last Modified: MM/DD/YY at HH:MM:SS
//   ##############################################
//
//   Number Ents in list:
//   N
// then per entity: an empty line, type, name, x, y. Numbers in default float formatting (six
// significant digits, exponent form when shorter); LF line ends; CR LF, LF or CR read alike.

#include "entities/EntityList.h"

#include <allegro.h>
#include <ctime>
#include <fstream>
#include <sstream>

#include "core/Log.h"
#include "entities/EntityRegistry.h"
#include "graphics/FrameData.h"

namespace {

const std::string kRule(46, '#');

std::string LastModifiedLine()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char date[16] = {}, time[16] = {};
    std::strftime(date, sizeof date, "%m/%d/%y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return std::string("## Last Modified: ") + date + " at " + time;
}

bool Saveable(const Entity& entity) { return g_EntityRegistry && g_EntityRegistry->Has(entity.type); }

} // namespace

bool EntityList::Save(std::ostream& file) const
{
    int count = 0;
    for (const std::unique_ptr<Entity>& entity : entities_)
        count += Saveable(*entity);
    file << kRule << '\n' << "## Saved Entity List\n" << LastModifiedLine() << '\n' << kRule << "\n\n";
    file << "Number Ents in list:\n" << count << '\n';
    for (const std::unique_ptr<Entity>& entity : entities_) {
        if (!Saveable(*entity))
            continue;
        file << '\n';
        if (!entity->Save(file))
            return false;
    }
    return static_cast<bool>(file);
}

bool EntityList::Load(std::istream& file)
{
    std::string line;
    for (int i = 0; i < 7; ++i)
        if (!framedata::ReadLine(file, line)) {
            LogText("ENTITYLIST::LOAD - The file ends inside its header", 4);
            return false;
        }
    const int32_t count = framedata::TextToInteger(line);
    // The count only bounds the loop: the records end where the file does.
    for (int32_t i = 0; i < count; ++i) {
        std::string type;
        if (!framedata::ReadLine(file, line) || !framedata::ReadLine(file, type)) {
            LogValue("ENTITYLIST::LOAD - The file ends before entity", i + 1, 4);
            return false;
        }
        std::unique_ptr<Entity> entity = g_EntityRegistry ? g_EntityRegistry->Create(type, type) : nullptr;
        if (!entity) {
            // Its three lines belong to nothing that can be made.
            for (int skip = 0; skip < 3; ++skip)
                framedata::ReadLine(file, line);
            continue;
        }
        if (!entity->Load(file)) {
            LogValue("ENTITYLIST::LOAD - The file ends inside entity", i + 1, 4);
            // A cut record's entity goes without a trace: what its destructor would spawn (a
            // cactus man's burst) has no game to join.
            EntityList* game = CurrentGameList();
            SetCurrentGameList(nullptr);
            entity.reset();
            SetCurrentGameList(game);
            return false;
        }
        Add(std::move(entity));
    }
    return true;
}

bool EntityList::Save(PACKFILE* file) const
{
    std::ostringstream text;
    if (!file || !Save(text))
        return false;
    const std::string bytes = text.str();
    return pack_fwrite(bytes.data(), static_cast<long>(bytes.size()), file) == static_cast<long>(bytes.size());
}

bool EntityList::Load(PACKFILE* file)
{
    if (!file)
        return false;
    // Read whole: the file is small, and the reader then works on 8-bit text without conversion.
    std::string bytes;
    char block[4096];
    for (long n; (n = pack_fread(block, sizeof block, file)) > 0;)
        bytes.append(block, static_cast<size_t>(n));
    std::istringstream text(bytes);
    return Load(text);
}

bool EntityList::LoadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        LogString("ENTITYLIST::LOAD - Could not open", path.c_str(), 4);
        return false;
    }
    return Load(file);
}
