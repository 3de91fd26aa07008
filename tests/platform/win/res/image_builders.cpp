#include "image_builders.h"

#include <cstddef>

namespace winres_test {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitCount, uint32_t colors) {
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, uint32_t(bitCount));
    put32(out, 0);  // uncompressed
    put32(out, 0);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, colors);
    put32(out, 0);
}

std::vector<uint8_t> pixelRows(int width, int height, int bitCount, const std::vector<uint32_t>& pixels, bool topDown) {
    int rowBytes = ((width * bitCount + 31) / 32) * 4;
    std::vector<uint8_t> out;
    for (int r = 0; r < height; ++r) {
        int y = topDown ? r : height - 1 - r;
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[std::size_t(y) * width + x];
            switch (bitCount) {
            case 1: row[x / 8] |= uint8_t((p & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t((p & 15) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = uint8_t(p); break;
            case 24:
                row[x * 3] = uint8_t(p);
                row[x * 3 + 1] = uint8_t(p >> 8);
                row[x * 3 + 2] = uint8_t(p >> 16);
                break;
            case 32:
                row[x * 4] = uint8_t(p);
                row[x * 4 + 1] = uint8_t(p >> 8);
                row[x * 4 + 2] = uint8_t(p >> 16);
                row[x * 4 + 3] = uint8_t(p >> 24);
                break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> makeBmp(int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                             const std::vector<uint32_t>& pixels, bool topDown) {
    std::vector<uint8_t> rows = pixelRows(width, height, bitCount, pixels, topDown);
    uint32_t offset = 14 + 40 + uint32_t(palette.size()) * 4;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + uint32_t(rows.size()));
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, width, topDown ? -height : height, bitCount, uint32_t(palette.size()));
    for (uint32_t c : palette) put32(out, c & 0xFFFFFF);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

std::vector<uint8_t> makeIconDib(int width, int height, const std::vector<uint32_t>& rgbPixels,
                                 const std::vector<bool>& transparent) {
    std::vector<uint8_t> out;
    putInfoHeader(out, width, height * 2, 24, 0);
    std::vector<uint8_t> rows = pixelRows(width, height, 24, rgbPixels, false);
    out.insert(out.end(), rows.begin(), rows.end());
    std::vector<uint32_t> mask(transparent.begin(), transparent.end());
    std::vector<uint8_t> maskRows = pixelRows(width, height, 1, mask, false);
    out.insert(out.end(), maskRows.begin(), maskRows.end());
    return out;
}

std::vector<uint8_t> makeIco(const std::vector<IconPicture>& pictures) {
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, uint32_t(pictures.size()));
    uint32_t offset = 6 + 16 * uint32_t(pictures.size());
    for (const IconPicture& p : pictures) {
        out.push_back(uint8_t(p.width >= 256 ? 0 : p.width));
        out.push_back(uint8_t(p.height >= 256 ? 0 : p.height));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, uint32_t(p.bitCount));
        put32(out, uint32_t(p.bytes.size()));
        put32(out, offset);
        offset += uint32_t(p.bytes.size());
    }
    for (const IconPicture& p : pictures) out.insert(out.end(), p.bytes.begin(), p.bytes.end());
    return out;
}

}  // namespace winres_test
