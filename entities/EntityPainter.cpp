#include "entities/EntityPainter.h"

#include <utility>

namespace {

EntityPainter* g_painter = nullptr;

} // namespace

EntityPainter* CurrentEntityPainter() { return g_painter; }

EntityPainter* SetEntityPainter(EntityPainter* painter) { return std::exchange(g_painter, painter); }
