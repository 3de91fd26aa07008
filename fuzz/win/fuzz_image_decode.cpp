// Feeds arbitrary bytes to the image decoder (BMP, PNG and ICO): every input gives a bitmap
// whose pixel count matches its size, or a refusal with a reason.

#include "win/bitmap.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    win::LoadResult r = win::decodeImage(data, size);
    if (r.ok) {
        const win::Bitmap& b = r.bitmap;
        if (b.width <= 0 || b.height <= 0 || b.pixels.size() != size_t(b.width) * size_t(b.height)) __builtin_trap();
        (void)b.at(b.width - 1, b.height - 1);
    } else if (r.error.empty()) {
        __builtin_trap();
    }
    return 0;
}
