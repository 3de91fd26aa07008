#include "core/create_image.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file_layer.h"
#include "core/path_mapping.h"
#include "host/drawing_database.h"

#ifdef KV_CORE_HAS_WINDOWS
#include "win/afxwin.h"
#endif

namespace {

constexpr int kDefaultHeight = 32;
constexpr int kMaxHeight = 512;
constexpr uint32_t kWhite = 0xFFFFFF, kSteel = 0x505860, kEdge = 0x202020, kFrame = 0xA0A0A0;

// A picture in 0xRRGGBB pixels, rows top-down.
struct Canvas {
    int width, height;
    std::vector<uint32_t> pixels;
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, kWhite) {}
    void fill(int x0, int y0, int x1, int y1, uint32_t colour) {
        for (int y = std::max(y0, 0); y < std::min(y1, height); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, width); ++x)
                pixels[static_cast<size_t>(y) * width + x] = colour;
    }
    void outline(int x0, int y0, int x1, int y1, uint32_t colour) {
        fill(x0, y0, x1, y0 + 1, colour);
        fill(x0, y1 - 1, x1, y1, colour);
        fill(x0, y0, x0 + 1, y1, colour);
        fill(x1 - 1, y0, x1, y1, colour);
    }
};

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit uncompressed BMP, rows bottom-up and padded to four bytes, as every reader takes.
std::string encodeBmp(const Canvas& canvas) {
    const int rowBytes = (canvas.width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(rowBytes * canvas.height);
    std::string out;
    out.reserve(54 + imageSize);
    out += "BM";
    putLittleEndian(out, 54 + imageSize, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 54, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<uint32_t>(canvas.width), 4);
    putLittleEndian(out, static_cast<uint32_t>(canvas.height), 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 24, 2);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, imageSize, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) {
            const uint32_t p = canvas.pixels[static_cast<size_t>(y) * canvas.width + x];
            out.push_back(static_cast<char>(p & 0xFF));
            out.push_back(static_cast<char>((p >> 8) & 0xFF));
            out.push_back(static_cast<char>((p >> 16) & 0xFF));
        }
        out.append(static_cast<size_t>(rowBytes - canvas.width * 3), '\0');
    }
    return out;
}

// The part as the drawing has it now, where it is there.
Kv_BillPart currentPart(const Kv_BillPart& part, Kv_BillTransaction* drawing) {
    Kv_BillPart now = part;
    if (!drawing || part.object.isNull()) return now;
    const host::DrawingObject* object = drawing->object(part.object);
    if (!object || object->erased) return now;
    host::PropertyValue value;
    if (drawing->getProperty(part.object, "length", value) == Acad::eOk) {
        if (auto* d = std::get_if<double>(&value)) now.length = *d;
        if (auto* i = std::get_if<long long>(&value)) now.length = static_cast<double>(*i);
    }
    if (drawing->getProperty(part.object, "holes", value) == Acad::eOk)
        if (auto* i = std::get_if<long long>(&value)) now.holes = static_cast<int>(std::clamp<long long>(*i, 0, 1000));
    return now;
}

Canvas drawPart(const Kv_BillPart& part, double longest, int height, bool showHoles, bool framed) {
    Canvas canvas(height * 4, height);
    const int margin = std::max(2, height / 8);
    const int usable = canvas.width - 2 * margin;
    const double share = longest > 0.0 ? std::clamp(part.length / longest, 0.0, 1.0) : 1.0;
    const int barLength = std::max(2, static_cast<int>(usable * share));
    const int top = height / 3, bottom = height - height / 3;
    canvas.fill(margin, top, margin + barLength, bottom, kSteel);
    canvas.outline(margin, top, margin + barLength, bottom, kEdge);
    if (showHoles && part.holes > 0) {
        const int size = std::max(1, (bottom - top) / 3);
        const int mid = (top + bottom) / 2;
        // Holes evenly along the part; more holes than pixels would draw one solid slot.
        const int holes = std::min(part.holes, std::max(1, barLength / (size + 1)));
        for (int i = 0; i < holes; ++i) {
            const int x = margin + (barLength * (2 * i + 1)) / (2 * holes);
            canvas.fill(x - size / 2, mid - size / 2, x - size / 2 + size, mid - size / 2 + size, kWhite);
        }
    }
    if (framed) canvas.outline(0, 0, canvas.width, canvas.height, kFrame);
    return canvas;
}

#ifdef KV_CORE_HAS_WINDOWS
HWND& progressWindow() {
    static HWND window = nullptr;
    return window;
}
#endif

void showProgress(int count) {
#ifdef KV_CORE_HAS_WINDOWS
    if (progressWindow() && ::IsWindow(progressWindow()))
        ::SetWindowText(progressWindow(), ("Part pictures: " + std::to_string(count)).c_str());
#else
    (void)count;
#endif
}

}  // namespace

const Kv_BillPart* Kv_Bill::findPart(const Kv_String& mark) const {
    for (int i = 0; i < parts.length(); ++i)
        if (parts[i].mark.equal(mark, true)) return &parts[i];
    return nullptr;
}

double Kv_Bill::longestPart() const {
    double longest = 0.0;
    for (int i = 0; i < parts.length(); ++i) longest = std::max(longest, parts[i].length);
    return longest;
}

bool createImage(const Kv_StringArray& row, Kv_String& file, int& keyColumn, int& height, int& count, bool& showHoles,
                 bool& framed, const Kv_Bill* bill, Kv_BillTransaction* transaction) {
    file.clear();
    if (!bill || !transaction) return false;
    const int key = keyColumn < 0 ? 0 : keyColumn;
    if (!row.isValidIndex(key)) return false;
    const Kv_BillPart* part = bill->findPart(row[key]);
    if (!part) return false;
    const int pixels = height < 8 ? kDefaultHeight : std::min(height, kMaxHeight);
    const Canvas canvas = drawPart(currentPart(*part, transaction), bill->longestPart(), pixels, showHoles, framed);
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) return false;
    const std::string name =
        "kv_part_" + std::to_string(static_cast<long>(getpid())) + "_" + std::to_string(count + 1) + ".bmp";
    const Kv_String path = kvNameFromDisk(folder / name);
    if (!ObjectExportWriteBytes(path, encodeBmp(canvas))) return false;
    ++count;
    file = path;
    showProgress(count);
    return true;
}

void initBMPDialog(int height) {
#ifdef KV_CORE_HAS_WINDOWS
    closeBMPDialog();
    progressWindow() = ::CreateWindowEx(0, "STATIC", "Part pictures", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 260,
                                        std::clamp(height, 40, 600), nullptr, nullptr, nullptr, nullptr);
#else
    (void)height;
#endif
}

void closeBMPDialog() {
#ifdef KV_CORE_HAS_WINDOWS
    if (progressWindow() && ::IsWindow(progressWindow())) ::DestroyWindow(progressWindow());
    progressWindow() = nullptr;
#endif
}
