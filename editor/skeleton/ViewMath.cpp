#include "editor/skeleton/ViewMath.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel position as a whole number; positions beyond any screen are held at a bound where the
// arithmetic below stays exact.
double Truncated(float value)
{
    constexpr double kFar = 1.0e9;
    if (!std::isfinite(value))
        return 0;
    const double whole = std::trunc(static_cast<double>(value));
    return whole > kFar ? kFar : (whole < -kFar ? -kFar : whole);
}

// Lines at origin + j x spacing for every integer j that lands in [0, size).
std::vector<GridLine> LinesAcross(double origin, double spacing, int size)
{
    std::vector<GridLine> lines;
    if (size <= 0 || !(spacing > 0) || !std::isfinite(spacing))
        return lines;
    double j = std::ceil(-origin / spacing);
    // The division may land one step off either way.
    while (origin + (j - 1) * spacing >= 0)
        --j;
    while (origin + j * spacing < 0)
        ++j;
    for (; origin + j * spacing < size; ++j) {
        const bool major = std::fmod(j, static_cast<double>(kMajorGridEvery)) == 0;
        lines.push_back({static_cast<float>(origin + j * spacing), major});
    }
    return lines;
}

} // namespace

GridLines ComputeGridLines(float originX, float originY, float zoom, int width, int height)
{
    const double spacing = static_cast<double>(kGridSpacing) * zoom;
    GridLines grid;
    grid.vertical = LinesAcross(Truncated(originX), spacing, width);
    grid.horizontal = LinesAcross(Truncated(originY), spacing, height);
    return grid;
}

PicturePlacement PlaceReferencePicture(float originX, float originY, float zoom, int pictureWidth,
                                       int pictureHeight)
{
    const float width = pictureWidth * zoom, height = pictureHeight * zoom;
    return {originX - width / 2, originY - height / 2, width, height};
}

int SnapZoomSliderValue(int value)
{
    return std::abs(value - kZoomSnapValue) < kZoomSnapDistance ? kZoomSnapValue : value;
}

float ZoomForSliderValue(int value)
{
    const float zoom = static_cast<float>(value) / kZoomSliderMaximum * 3;
    return zoom < kMinZoom ? kMinZoom : zoom;
}

ViewOffset DraggedOrigin(float originX, float originY, int pressX, int pressY, int mouseX, int mouseY)
{
    const float ox = static_cast<float>(Truncated(originX)), oy = static_cast<float>(Truncated(originY));
    return {mouseX + ox - pressX, mouseY + oy - pressY};
}

int WheelZoomSliderValue(int value, int notches)
{
    const long stepped = static_cast<long>(value) + static_cast<long>(notches) * kZoomWheelStep;
    const long bounded = std::clamp(stepped, static_cast<long>(kMinZoomSliderValue), static_cast<long>(kZoomSliderMaximum));
    return SnapZoomSliderValue(static_cast<int>(bounded));
}

ViewOffset ZoomedOrigin(float originX, float originY, float zoom, float newZoom, float mouseX, float mouseY)
{
    if (!(zoom > 0) || !(newZoom > 0))
        return {originX, originY};
    const float ratio = newZoom / zoom;
    return {mouseX - (mouseX - originX) * ratio, mouseY - (mouseY - originY) * ratio};
}
