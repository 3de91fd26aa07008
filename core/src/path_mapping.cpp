#include "core/path_mapping.h"

#include "base/path_text.h"

namespace fs = std::filesystem;

Kv_String kvNameFromDisk(const fs::path& name) { return Kv_String(base::nameFromDisk(name)); }

fs::path kvMapPath(const Kv_String& packagePath) { return base::mapPath(packagePath.view()); }

std::string kvHostPath(const Kv_String& packagePath) { return kvMapPath(packagePath).string(); }
