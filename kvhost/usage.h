#pragma once

namespace kvhost {
// The text of `kvhost --help`: the commands, the scenario format and the exit status.
const char* usageText();
}  // namespace kvhost
