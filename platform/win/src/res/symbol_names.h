#pragma once
// The names a resource script may use without defining them: the style constants of
// win/styles.h and the standard dialog command ids (IDOK, IDCANCEL...).

#include <cstdint>
#include <optional>
#include <string_view>

namespace win::res {

std::optional<uint32_t> predefinedSymbol(std::string_view name);

}  // namespace win::res
