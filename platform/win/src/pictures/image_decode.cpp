// Image decoding on top of the stb image library.  The library is compiled here with internal
// linkage and only its BMP and PNG readers, so that other binaries with their own copy do not
// clash and no other format is accepted from a file that claims to be a picture.

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include "image_codecs.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace win {

namespace {

// Larger pictures than this are not icons or dialog backgrounds; refusing them keeps a
// hostile header from making the decoder allocate gigabytes.
constexpr int64_t kMaxPixels = int64_t(1) << 26;
constexpr size_t kMaxFileBytes = size_t(256) << 20;

LoadResult failure(std::string reason) {
    LoadResult r;
    r.error = std::move(reason);
    return r;
}

uint32_t read32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// The image library fills missing rows of an uncompressed BMP with black instead of failing,
// which would show a cut-off file as a damaged picture; such files are refused here.
bool bmpPixelsComplete(const uint8_t* data, size_t size) {
    if (size < 30) return false;
    uint32_t headerBytes = read32(data + 14);
    uint32_t pixelOffset = read32(data + 10);
    int64_t width = 0, height = 0;
    uint32_t bitCount = 0, compression = 0;
    if (headerBytes == 12) {  // the old core header with 16-bit sizes
        width = uint32_t(data[18]) | (uint32_t(data[19]) << 8);
        height = int16_t(uint16_t(data[20] | (data[21] << 8)));
        bitCount = uint32_t(data[24]) | (uint32_t(data[25]) << 8);
    } else {
        if (size < 14 + 40) return false;
        width = static_cast<int32_t>(read32(data + 18));
        height = static_cast<int32_t>(read32(data + 22));
        bitCount = uint32_t(data[28]) | (uint32_t(data[29]) << 8);
        compression = read32(data + 30);
    }
    if (compression != 0 && compression != 3) return true;  // compressed: the library decides
    if (width <= 0 || height == 0 || bitCount == 0 || bitCount > 32) return true;
    uint64_t rowBytes = ((uint64_t(width) * bitCount + 31) / 32) * 4;
    uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
    return uint64_t(pixelOffset) + rowBytes * rows <= size;
}

}  // namespace

uint32_t Bitmap::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    size_t index = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    return index < pixels.size() ? pixels[index] : 0;
}

Bitmap Bitmap::scaled(int newWidth, int newHeight) const {
    Bitmap out;
    out.width = newWidth;
    out.height = newHeight;
    out.pixels.resize(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
    for (int y = 0; y < newHeight; ++y)
        for (int x = 0; x < newWidth; ++x)
            out.pixels[static_cast<size_t>(y) * static_cast<size_t>(newWidth) + static_cast<size_t>(x)] =
                at(static_cast<int>(static_cast<long long>(x) * width / newWidth),
                   static_cast<int>(static_cast<long long>(y) * height / newHeight));
    return out;
}

namespace gdi {

bool hasPngSignature(const uint8_t* data, size_t size) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= 8 && std::memcmp(data, signature, 8) == 0;
}

bool hasIcoSignature(const uint8_t* data, size_t size) {
    return size >= 4 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0;
}

LoadResult decodeBmpOrPng(const uint8_t* data, size_t size) {
    if (size > INT_MAX) return failure("image data too large");
    int len = static_cast<int>(size);
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(data, len, &w, &h, &channels))
        return failure(std::string("not a readable image: ") + stbi_failure_reason());
    // A top-down BMP reports its height as negative here.
    if (h < 0 && h != INT_MIN) h = -h;
    if (w <= 0 || h <= 0 || int64_t(w) * h > kMaxPixels)
        return failure("image dimensions " + std::to_string(w) + "x" + std::to_string(h) + " not supported");
    if (data[0] == 'B' && !bmpPixelsComplete(data, size)) return failure("BMP file truncated");
    stbi_uc* rgba = stbi_load_from_memory(data, len, &w, &h, &channels, 4);
    if (!rgba) return failure(std::string("cannot decode image: ") + stbi_failure_reason());
    LoadResult r;
    r.ok = true;
    r.bitmap.width = w;
    r.bitmap.height = h;
    r.bitmap.pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (size_t i = 0; i < r.bitmap.pixels.size(); ++i) {
        const stbi_uc* p = rgba + i * 4;
        r.bitmap.pixels[i] = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
    stbi_image_free(rgba);
    return r;
}

}  // namespace gdi

LoadResult decodeImage(const uint8_t* data, size_t size) {
    if (!data || size == 0) return failure("empty image data");
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return gdi::decodeBmpOrPng(data, size);
    if (gdi::hasPngSignature(data, size)) return gdi::decodeBmpOrPng(data, size);
    if (gdi::hasIcoSignature(data, size)) return gdi::decodeIco(data, size);
    return failure("unknown image format (not BMP, PNG or ICO)");
}

LoadResult loadImageFile(const std::string& hostPath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(hostPath, ec)) return failure("cannot open '" + hostPath + "'");
    std::ifstream in(hostPath, std::ios::binary);
    if (!in) return failure("cannot open '" + hostPath + "'");
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length < 0 || static_cast<uint64_t>(length) > kMaxFileBytes)
        return failure("cannot read '" + hostPath + "': size not supported");
    in.seekg(0, std::ios::beg);
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (length > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), length))
        return failure("cannot read '" + hostPath + "'");
    LoadResult r = decodeImage(bytes.data(), bytes.size());
    if (!r.ok) r.error = hostPath + ": " + r.error;
    return r;
}

}  // namespace win
