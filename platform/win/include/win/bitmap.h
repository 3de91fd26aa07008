#pragma once
// Decoded images: bitmaps and icons from BMP, PNG and ICO bytes.  Decoding never trusts the
// input: a truncated or malformed file gives ok == false with a reason, never a crash.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace win {

struct Bitmap {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, top-down rows
    // Pixel at (x, y); 0 outside the image.
    uint32_t at(int x, int y) const;
    // A copy scaled to width x height by the nearest pixel: icons and thumbnails are small and
    // drawn as they are, without smoothing.
    Bitmap scaled(int width, int height) const;
};

struct LoadResult {
    bool ok = false;
    std::string error;
    Bitmap bitmap;
};

LoadResult decodeImage(const uint8_t* data, size_t size);  // BMP (1/4/8/24/32 bit) and PNG; ICO: largest entry
LoadResult loadImageFile(const std::string& hostPath);
bool savePng(const Bitmap&, const std::string& hostPath);  // written whole or not at all

}  // namespace win
