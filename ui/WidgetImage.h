#pragma once

#include <memory>
#include <string>

class KGraphic;

namespace NControls {

// Loads a widget or panel picture through the resource archive (loose files when there is none)
// with both load options and smoothing on. A missing picture gives an empty image of size 0, which
// draws nothing.
std::unique_ptr<KGraphic> loadWidgetImage(const std::string& path);

// Widgets draw from strip images: four looks of equal height stacked vertically, look 3 on top.
struct StripFrame {
    float x1, y1, x2, y2;
};
StripFrame stripFrame(int width, int frameHeight, float look);

} // namespace NControls
