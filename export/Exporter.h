#pragma once
// marl-export's work once the engine is up (without a display, on an off-screen canvas): load the
// skeletons and their skins, fix each skeleton's canvas, draw every sampled pose through the
// skeleton drawing the editor uses, and write the frames, sheets and atlases.
//
// Everything that can be refused (a skeleton or skin that cannot be read, a set that does not
// exist, a canvas or sheet too large, an output folder that cannot be written) is found before a
// file is written, and nothing is left in the output folder unless the whole export succeeded.

#include <cstdio>

#include "export/ExportOptions.h"

class PictureGuard;

// The exit status: 0 done, 2 refused (the reason on errors, "marl-export: ..."), 1 when there is
// no off-screen canvas to draw on. Progress goes to errors as well; the closing summary to out.
int RunExport(const ExportOptions& options, const PictureGuard& pictures, std::FILE* out, std::FILE* errors);

// The largest canvas side and sheet side the exporter makes.
constexpr int kMaxCanvasSide = 8192;
constexpr int kMaxSheetSide = 16384;
