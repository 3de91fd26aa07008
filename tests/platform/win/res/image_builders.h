#pragma once
// Builds small image files in memory so that the decoder tests know every pixel they expect.

#include <cstdint>
#include <vector>

namespace winres_test {

// A BMP file with a BITMAPINFOHEADER.  For 1, 4 and 8 bits, `palette` holds 0x00RRGGBB
// colours and `pixels` palette indices; for 24 and 32 bits `pixels` holds 0xAARRGGBB
// colours.  Rows are given top-down and stored bottom-up unless topDown is set.
std::vector<uint8_t> makeBmp(int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                             const std::vector<uint32_t>& pixels, bool topDown = false);

// The same picture without its file header and with a transparency mask, as an icon holds it.
std::vector<uint8_t> makeIconDib(int width, int height, const std::vector<uint32_t>& rgbPixels,
                                 const std::vector<bool>& transparent);

// An ICO file from entries of (width, height, picture bytes).
struct IconPicture {
    int width, height, bitCount;
    std::vector<uint8_t> bytes;
};
std::vector<uint8_t> makeIco(const std::vector<IconPicture>& pictures);

}  // namespace winres_test
