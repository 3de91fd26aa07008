// The settings text form as read from a settings file or a sheet's tag: any bytes must parse
// without harm, and what a parsed bag writes must read back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/property_bag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PropertyBag bag;
    if (!bag.parse(text)) return 0;
    int number = 0;
    bool flag = false;
    Kv_String value;
    for (const BagEntry& entry : bag.entries()) {
        bag.getInt(entry.name, number);
        bag.getBool(entry.name, flag);
        bag.getString(entry.name, value);
    }
    Kv_String once, twice;
    // Nothing parsed can hold the field end byte, so nothing may be left out.
    if (!bag.serialise(once)) std::abort();
    PropertyBag again;
    if (!once.isEmpty() && !again.parse(once.view())) std::abort();
    again.serialise(twice);
    if (!(once == twice)) std::abort();
    return 0;
}
