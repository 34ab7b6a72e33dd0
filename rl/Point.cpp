#include "rl/Point.h"

#include "rl/ShapeInternal.h"

namespace rl {

void Point::ExecDraw() const { detail::DrawPoint(position, lineWidth); }

} // namespace rl
