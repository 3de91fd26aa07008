// ICO files: a directory of pictures of one icon in several sizes.  Each entry is either a
// whole PNG file or a BMP without its file header whose height counts twice: the colour
// rows, then a one-bit mask whose set bits are transparent.  The largest entry is the one a
// button or picture shows best, so that is the one decoded.

#include "image_codecs.h"

#include <cstring>

namespace win::gdi {

namespace {

constexpr size_t kIcoHeaderBytes = 6;
constexpr size_t kIcoEntryBytes = 16;
constexpr size_t kBmpFileHeaderBytes = 14;

uint16_t read16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t read32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void write32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

LoadResult failure(std::string reason) {
    LoadResult r;
    r.error = std::move(reason);
    return r;
}

struct IconEntry {
    int width = 0, height = 0, bitCount = 0;
    uint32_t bytes = 0, offset = 0;
};

// A BMP entry of an icon: give it the file header it lacks and the height of the colour
// rows alone, decode that, then apply the mask rows that follow the colour rows.
LoadResult decodeIconBmp(const uint8_t* dib, size_t size) {
    if (size < 40) return failure("icon bitmap header truncated");
    uint32_t headerBytes = read32(dib);
    if (headerBytes < 40 || headerBytes > size) return failure("icon bitmap header invalid");
    int32_t width = static_cast<int32_t>(read32(dib + 4));
    int32_t doubledHeight = static_cast<int32_t>(read32(dib + 8));
    int bitCount = read16(dib + 14);
    uint32_t colorsUsed = read32(dib + 32);
    if (width <= 0 || width > 1024 || doubledHeight <= 0 || doubledHeight > 2048 || doubledHeight % 2 != 0)
        return failure("icon bitmap dimensions invalid");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return failure("icon bitmap depth " + std::to_string(bitCount) + " not supported");
    int height = doubledHeight / 2;
    uint64_t paletteBytes = 0;
    if (bitCount <= 8) paletteBytes = uint64_t(colorsUsed ? colorsUsed : (1u << bitCount)) * 4;
    if (paletteBytes > 256 * 4) return failure("icon bitmap palette invalid");
    uint64_t colorRowBytes = ((uint64_t(width) * bitCount + 31) / 32) * 4;
    uint64_t maskRowBytes = ((uint64_t(width) + 31) / 32) * 4;
    uint64_t colorOffset = headerBytes + paletteBytes;
    uint64_t maskOffset = colorOffset + colorRowBytes * height;
    if (maskOffset > size) return failure("icon bitmap truncated");

    std::vector<uint8_t> file(kBmpFileHeaderBytes + static_cast<size_t>(maskOffset));
    file[0] = 'B';
    file[1] = 'M';
    write32(&file[2], static_cast<uint32_t>(file.size()));
    write32(&file[10], static_cast<uint32_t>(kBmpFileHeaderBytes + colorOffset));
    std::memcpy(&file[kBmpFileHeaderBytes], dib, static_cast<size_t>(maskOffset));
    write32(&file[kBmpFileHeaderBytes + 8], static_cast<uint32_t>(height));
    LoadResult r = decodeBmpOrPng(file.data(), file.size());
    if (!r.ok) return r;

    // Icons with an alpha channel carry their transparency in it; the others in the mask.
    bool maskPresent = maskOffset + maskRowBytes * height <= size;
    if (bitCount < 32 && maskPresent) {
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = dib + maskOffset + maskRowBytes * (height - 1 - y);
            for (int x = 0; x < width; ++x)
                if (row[x / 8] & (0x80 >> (x % 8))) r.bitmap.pixels[size_t(y) * width + x] &= 0x00FFFFFF;
        }
    }
    return r;
}

}  // namespace

LoadResult decodeIco(const uint8_t* data, size_t size) {
    if (size < kIcoHeaderBytes) return failure("icon header truncated");
    int count = read16(data + 4);
    if (count == 0) return failure("icon has no pictures");
    if (kIcoHeaderBytes + kIcoEntryBytes * size_t(count) > size) return failure("icon directory truncated");

    IconEntry best;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const uint8_t* e = data + kIcoHeaderBytes + kIcoEntryBytes * size_t(i);
        IconEntry entry;
        entry.width = e[0] ? e[0] : 256;
        entry.height = e[1] ? e[1] : 256;
        entry.bitCount = read16(e + 6);
        entry.bytes = read32(e + 8);
        entry.offset = read32(e + 12);
        if (uint64_t(entry.offset) + entry.bytes > size || entry.bytes == 0) continue;
        int64_t area = int64_t(entry.width) * entry.height;
        int64_t bestArea = int64_t(best.width) * best.height;
        if (!found || area > bestArea || (area == bestArea && entry.bitCount > best.bitCount)) {
            best = entry;
            found = true;
        }
    }
    if (!found) return failure("icon directory points outside the file");

    const uint8_t* picture = data + best.offset;
    LoadResult r =
        hasPngSignature(picture, best.bytes) ? decodeBmpOrPng(picture, best.bytes) : decodeIconBmp(picture, best.bytes);
    if (!r.ok)
        r.error = "icon picture " + std::to_string(best.width) + "x" + std::to_string(best.height) + ": " + r.error;
    return r;
}

}  // namespace win::gdi
