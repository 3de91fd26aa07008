// Any bytes read as a property list: never a crash, and whatever was read writes back and
// reads again to the same list.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/kv_properties_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Kv_PropertiesList list;
    list.readFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    Kv_PropertiesList again;
    if (!again.readFromText(list.writeToText()) || !(again == list)) std::abort();
    return 0;
}
