// The PNG writer of the window system's bitmaps (the renderer's screenshots and saved
// pictures), on top of the stb image writer compiled here with internal linkage.

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <string_view>
#include <vector>

#include "base/write_whole.h"
#include "win/bitmap.h"

namespace win {

bool savePng(const Bitmap& bitmap, const std::string& hostPath) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * static_cast<size_t>(bitmap.height))
        return false;
    std::vector<uint8_t> rgba(bitmap.pixels.size() * 4);
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
        uint32_t p = bitmap.pixels[i];
        rgba[i * 4 + 0] = uint8_t(p >> 16);
        rgba[i * 4 + 1] = uint8_t(p >> 8);
        rgba[i * 4 + 2] = uint8_t(p);
        rgba[i * 4 + 3] = uint8_t(p >> 24);
    }
    std::vector<uint8_t> encoded;
    auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<uint8_t>*>(context);
        const auto* bytes = static_cast<const uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
    };
    if (!stbi_write_png_to_func(append, &encoded, bitmap.width, bitmap.height, 4, rgba.data(), bitmap.width * 4))
        return false;
    return base::writeFileWhole(hostPath,
                                std::string_view(reinterpret_cast<const char*>(encoded.data()), encoded.size()))
        .ok;
}

}  // namespace win
