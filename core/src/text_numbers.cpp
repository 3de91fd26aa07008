#include "text_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

std::string kvFormatDouble(double value) {
    if (std::isnan(value)) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "nan:%016llx", static_cast<unsigned long long>(bits));
        return buffer;
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool kvParseDouble(std::string_view text, double& value) {
    if (text.substr(0, 4) == "nan:") {
        std::string_view hex = text.substr(4);
        std::uint64_t bits = 0;
        if (hex.size() != 16) return false;
        auto result = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
        if (result.ec != std::errc() || result.ptr != hex.data() + hex.size()) return false;
        std::memcpy(&value, &bits, sizeof value);
        return std::isnan(value);
    }
    if (text == "inf") {
        value = HUGE_VAL;
        return true;
    }
    if (text == "-inf") {
        value = -HUGE_VAL;
        return true;
    }
    if (text.empty() || text == "nan" || text == "-nan") return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

bool kvParseInt(std::string_view text, int& value) {
    if (text.empty()) return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}
