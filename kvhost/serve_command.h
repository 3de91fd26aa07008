#pragma once
// kvhost serve: the module's callable exports used from a web page (see docs/kvhost.md).

#include <ostream>
#include <string>

#include "module_loader.h"

namespace kvhost {

struct ServeOptions {
    int port = 0;               // 0: a free port
    std::string recordPath;     // empty: nothing recorded
    std::string samplesFolder;  // scenarios whose arguments prefill the page's editor
};

// Serves on 127.0.0.1 until interrupted (SIGINT, SIGTERM); prints the address first.
// Returns the exit status.
int serve(LoadedModule& module, const ServeOptions& options, std::ostream& out);

// The page, from the binary's resources.
const char* servedPage();

}  // namespace kvhost
