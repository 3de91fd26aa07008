// Any bytes read as a text table: never a crash.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/kv_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::map<int, std::string> texts;
    Kv_Texts::parseTable(std::string_view(reinterpret_cast<const char*>(data), size), texts);
    return 0;
}
