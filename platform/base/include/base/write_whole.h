#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file of a unique name in the
// target's folder, are flushed to the disk, and the temporary file is renamed over the target;
// the folder is then flushed too, so the new name survives a power cut.  A reader (or a crash
// at any moment) sees the old file or the complete new one, never a mix.  A new file gets the
// usual permissions (0666 less the umask); a replaced one keeps its own.  The folder must
// exist: callers that may create one do so themselves.

#include <filesystem>
#include <string>
#include <string_view>

namespace base {

struct WriteResult {
    bool ok = false;
    std::string error;  // for a person: what failed and why
};

WriteResult writeFileWhole(const std::filesystem::path& target, std::string_view bytes);

}  // namespace base
