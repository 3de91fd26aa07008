#include "model/format_table.h"

#include <bit>
#include <functional>

namespace sheet {

namespace {
void mix(size_t& h, size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); }
}  // namespace

bool isKnownCellKind(int kind) {
    switch (kind) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 8:
    case 10:
    case 12:
    case 14:
    case 15:
    case 16: return true;
    default: return false;
    }
}

size_t hashFormat(const CellFormat& f) {
    size_t h = 0;
    const CellTypeRecord& t = f.type;
    mix(h, static_cast<size_t>(t.kind));
    mix(h, t.style);
    mix(h, static_cast<size_t>(t.maxLength) ^ (static_cast<size_t>(t.decimals) << 20));
    mix(h,
        static_cast<size_t>(t.charSet) ^ (static_cast<size_t>(t.charCase) << 8) ^ (static_cast<size_t>(t.flag) << 16));
    mix(h, std::bit_cast<uint64_t>(t.minimum));
    mix(h, std::bit_cast<uint64_t>(t.maximum));
    mix(h, std::hash<std::string>{}(t.text));
    for (size_t i = 0; i < 4; ++i) mix(h, t.pictures[i] ^ (static_cast<uint64_t>(t.pictureKinds[i]) << 48));
    mix(h, f.locked);
    mix(h, std::hash<std::string>{}(f.font.face));
    mix(h, static_cast<size_t>(f.font.height) ^ (static_cast<size_t>(f.font.weight) << 16) ^
               (static_cast<size_t>(f.font.italic) << 40) ^ (static_cast<size_t>(f.font.underline) << 41));
    mix(h, f.backColor);
    mix(h, f.foreColor);
    for (const BorderSide& side : f.border)
        mix(h, static_cast<size_t>(side.style) ^ (static_cast<size_t>(side.color) << 16));
    return h;
}

FormatTable::FormatTable() { clear(); }

uint32_t FormatTable::intern(const CellFormat& format) {
    auto it = ids_.find(format);
    if (it != ids_.end()) return it->second;
    uint32_t id = static_cast<uint32_t>(formats_.size());
    formats_.push_back(format);
    ids_.emplace(format, id);
    return id;
}

void FormatTable::clear() {
    formats_.clear();
    ids_.clear();
    formats_.emplace_back();
    ids_.emplace(formats_.back(), 0);
}

}  // namespace sheet
