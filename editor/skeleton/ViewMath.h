#pragma once
// The skeleton view's arithmetic, apart from any drawing so it can be checked without a screen:
// where the grid lines fall, where the reference picture goes, how the zoom slider's value
// becomes the zoom, and how a drag moves the view.

#include <vector>

// The grid: one line every 16 pixels at zoom 1, through the view origin; every fourth line,
// counted from the origin, is brighter.
constexpr float kGridSpacing = 16.0f;
constexpr int kMajorGridEvery = 4;

// The zoom slider: values 0 .. 100 give zooms 0 .. 3; near 33 the handle snaps to 33 (zoom 0.99),
// and the zoom never drops below 0.2.
constexpr int kZoomSliderMaximum = 100;
constexpr int kZoomSnapValue = 33;   // (int)(1.0 x 100 / 3): the slider's place for zoom 1
constexpr int kZoomSnapDistance = 5;
constexpr float kMinZoom = 0.2f;

struct GridLine {
    float position;   // x of a vertical line, y of a horizontal one
    bool major;       // a multiple of kMajorGridEvery lines from the origin
};

struct GridLines {
    std::vector<GridLine> vertical;
    std::vector<GridLine> horizontal;
};

// The lines that lie on a canvas of width x height (0 <= position < size), for a view origin and
// zoom. The origin is taken truncated to whole pixels. Lines are found from the first visible one,
// so a view panned far away costs no more than one at home; each direction is covered on its own.
GridLines ComputeGridLines(float originX, float originY, float zoom, int width, int height);

struct PicturePlacement {
    float left, top, width, height;
};

// The reference picture drawn at zoom with its centre on the view origin.
PicturePlacement PlaceReferencePicture(float originX, float originY, float zoom, int pictureWidth,
                                       int pictureHeight);

// A slider value released within kZoomSnapDistance - 1 of kZoomSnapValue becomes kZoomSnapValue.
int SnapZoomSliderValue(int value);
// The zoom for a slider value: value / 100 x 3, at least kMinZoom.
float ZoomForSliderValue(int value);

// The mouse wheel steps the zoom slider's value by kZoomWheelStep a notch (up zooms in), within
// the values whose zoom is at least kMinZoom and the maximum, snapping as the slider does.
constexpr int kZoomWheelStep = 5;
constexpr int kMinZoomSliderValue = 7;   // the first value above kMinZoom
int WheelZoomSliderValue(int value, int notches);

// The view origin after the zoom changed with the mouse at (mouseX, mouseY) in the view: the
// skeleton point under the mouse stays there.
struct ViewOffset;
ViewOffset ZoomedOrigin(float originX, float originY, float zoom, float newZoom, float mouseX, float mouseY);

// The view origin while the view is dragged: the origin at the press (truncated) moved by the
// mouse's way since the press.
struct ViewOffset {
    float x, y;
};
ViewOffset DraggedOrigin(float originX, float originY, int pressX, int pressY, int mouseX, int mouseY);
