#include "tests/entities/EntityListFuzzTarget.h"

#include <sstream>

#include "core/Alert.h"
#include "entities/BuiltInEntities.h"
#include "entities/EntityList.h"
#include "entities/EntityRegistry.h"

namespace {

// The records of a saved list: everything after the "Last Modified" line, which holds the time.
std::string Records(const EntityList& list)
{
    std::ostringstream text;
    list.Save(text);
    const std::string saved = text.str();
    size_t at = 0;
    for (int line = 0; line < 3 && at != std::string::npos; ++line)
        at = saved.find('\n', at) + 1;
    return saved.substr(at);
}

} // namespace

std::string FuzzEntityListFile(const uint8_t* data, size_t size)
{
    SetAlertRecording(true);
    ClearRecordedAlerts();
    if (!g_EntityRegistry)
        CreateEntityRegistry();
    EntityList first;
    SetCurrentGameList(&first);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    first.Load(in);
    SetCurrentGameList(nullptr);
    if (static_cast<size_t>(first.Size()) > size / 5 + 1)
        return "more entities than the input has records";
    for (int i = 0; i < first.Size(); ++i) {
        const Entity* entity = first.GetEntity(i);
        if (!g_EntityRegistry->Has(entity->type))
            return "an entity of unregistered type " + entity->type;
        if (entity->name.size() > 255)
            return "a name longer than 255 characters";
    }
    const std::string records = Records(first);
    std::istringstream again(std::string(46, '#') + "\n## Saved Entity List\n## Last Modified:\n" + records);
    EntityList second;
    if (!second.Load(again))
        return "a saved list does not read back";
    if (second.Size() != first.Size())
        return "a saved list reads back with another count";
    if (Records(second) != records)
        return "a saved list reads back with other records";
    ClearRecordedAlerts();
    return "";
}
