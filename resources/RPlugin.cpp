#include "resources/RPlugin.h"

#include "core/Log.h"

RPlugin::RPlugin() { LogText("New plugin created", 1); }

RPlugin::~RPlugin() = default;
