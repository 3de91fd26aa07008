#pragma once
// Painting a Scene into pixels or files.  Files are written whole or not at all: a
// temporary file beside the target is renamed over it only once it is complete.

#include <string>
#include <string_view>

#include "render/scene.h"

namespace render {

struct WriteResult {
    bool ok = false;
    std::string error;
};

// The scene painted at its own size; an empty image when the size is not positive.
Image rasterize(const Scene& scene);

WriteResult writePng(const Scene& scene, const std::string& path);
WriteResult writeSvg(const Scene& scene, const std::string& path);
// The PNG file's bytes in memory (a picture sent over the network); empty for an empty scene.
std::string encodePng(const Scene& scene);

}  // namespace render
