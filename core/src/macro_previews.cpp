#include "core/macro_previews.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/write_whole.h"
#include "core/kv_properties_list.h"
#include "core/macro_props_filter.h"
#include "core/path_mapping.h"

namespace {

struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb kBackground{255, 255, 255}, kPlate{0x9A, 0xA8, 0xBC}, kEdge{0x4A, 0x5A, 0x72}, kBolt{0xC0, 0x30, 0x30};

// A 24-bit BMP, bottom-up rows padded to four bytes.
std::string encodeBmp(const std::vector<Rgb>& pixels, int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t dataSize = static_cast<uint32_t>(stride) * height;
    std::string out;
    auto put16 = [&](uint16_t v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>(v >> 8);
    };
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    out += "BM";
    put32(54 + dataSize);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<uint32_t>(width));
    put32(static_cast<uint32_t>(height));
    put16(1);
    put16(24);
    put32(0);
    put32(dataSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(y) * width + x];
            out += static_cast<char>(p.b);
            out += static_cast<char>(p.g);
            out += static_cast<char>(p.r);
        }
        out.append(static_cast<size_t>(stride - width * 3), '\0');
    }
    return out;
}

std::vector<Rgb> drawPreview(int width, int height, int boltRows, int boltColumns) {
    std::vector<Rgb> pixels(static_cast<size_t>(width) * height, kBackground);
    auto fill = [&](int x0, int y0, int x1, int y1, Rgb colour) {
        for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
                pixels[static_cast<size_t>(y) * width + x] = colour;
    };
    const int left = width / 8, top = height / 8, right = width - width / 8, bottom = height - height / 8;
    fill(left, top, right, bottom, kEdge);
    fill(left + 2, top + 2, right - 2, bottom - 2, kPlate);
    const int rows = std::clamp(boltRows, 1, 6), columns = std::clamp(boltColumns, 1, 6);
    const int radius = std::max(1, std::min((right - left) / (columns * 4), (bottom - top) / (rows * 4)));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int cx = left + (right - left) * (2 * column + 1) / (2 * columns);
            const int cy = top + (bottom - top) * (2 * row + 1) / (2 * rows);
            for (int y = cy - radius; y <= cy + radius; ++y)
                for (int x = cx - radius; x <= cx + radius; ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) fill(x, y, x + 1, y + 1, kBolt);
        }
    return pixels;
}

}  // namespace

void fillArr(bool value, int count, AcArray<bool>& flags) {
    flags.setLogicalLength(0);
    for (int i = 0; i < count; ++i) flags.append(value);
}

Kv_String stripNumbersAtEnd(const Kv_String& text) {
    std::string s = text.str();
    while (!s.empty() && std::isdigit(static_cast<unsigned char>(s.back()))) s.pop_back();
    return Kv_String(s);
}

Kv_String previewFileOf(const Kv_String& macroFile, const Kv_String& folder) {
    if (folder.isEmpty()) return Kv_MacroPropsFilter::withExtension(macroFile, "bmp");
    std::string base = folder.str();
    if (base.back() != '\\' && base.back() != '/') base += '\\';
    return Kv_String(base + Kv_MacroPropsFilter::macroName(macroFile).str() + ".bmp");
}

int CreatePreviewBMPs(int width, int height, const Kv_StringArray& macroFiles, const Kv_String& folder) {
    width = std::clamp(width, 8, 1024);
    height = std::clamp(height, 8, 1024);
    int made = 0;
    for (const Kv_String& file : macroFiles) {
        const Kv_String preview = previewFileOf(file, folder);
        std::error_code ec;
        const std::filesystem::path target = kvMapPath(preview);
        if (std::filesystem::exists(target, ec) || !std::filesystem::exists(target.parent_path(), ec)) continue;
        Kv_PropertiesList list;
        int properties = 0, values = 0;
        if (list.readFromFile(Kv_MacroPropsFilter::withExtension(file, "abm"))) {
            for (const Kv_String& name : list.names()) {
                int value = 0;
                if (list.getProperty(name, value) == Acad::eOk && value != 0) ++properties;
                ++values;
            }
        }
        const std::string bytes = encodeBmp(drawPreview(width, height, properties, values - properties), width, height);
        if (base::writeFileWhole(target, bytes).ok) ++made;
    }
    return made;
}
