// kvhost: the host program.  Loads the module as the CAD host does and runs scenarios.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/command_line.h"
#include "base/cp1252.h"
#include "module_loader.h"
#include "scenario.h"
#include "scenario_runner.h"
#include "serve_command.h"
#include "usage.h"

namespace {

constexpr int kExitStepFailed = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitModuleFailed = 3;

struct CommandLineArgs {
    std::string command;
    std::string module;
    std::string shots;
    std::string port;
    std::string record;
    std::string samples;
    std::vector<std::string> operands;
};

// The module this kvhost goes with, found from the program's own place so that a build tree
// or an installed prefix can be moved: lib/ beside bin/ when installed, else the build
// tree's module folder (KVHOST_MODULE_FROM_PROGRAM, relative to the program's folder).
std::string moduleBesideProgram() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    std::filesystem::path installed = folder / "../lib/libkvmodule.so";
    if (std::filesystem::exists(installed, ec)) return installed.lexically_normal().string();
    return (folder / KVHOST_MODULE_FROM_PROGRAM).lexically_normal().string();
}

bool parseArgs(int argc, char** argv, CommandLineArgs& args, std::string& error) {
    if (argc < 2) {
        error = "a command is needed";
        return false;
    }
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::string word = argv[i];
        std::string* value = word == "--module"    ? &args.module
                             : word == "--shots"   ? &args.shots
                             : word == "--port"    ? &args.port
                             : word == "--record"  ? &args.record
                             : word == "--samples" ? &args.samples
                                                   : nullptr;
        if (value) {
            if (i + 1 >= argc) {
                error = word + " needs a value";
                return false;
            }
            *value = argv[++i];
        } else if (word.rfind("--", 0) == 0) {
            error = "unknown option " + word;
            return false;
        } else {
            args.operands.push_back(word);
        }
    }
    if (args.module.empty()) {
        const char* fromEnvironment = std::getenv("KV_MODULE");
        args.module = fromEnvironment && *fromEnvironment ? fromEnvironment : moduleBesideProgram();
    }
    return true;
}

// The sample scenarios shipped with the program: "scenarios" beside it or in a folder above
// (the source tree holds the build folder).
std::string bundledScenarios() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    for (int up = 0; up < 5 && !folder.empty(); ++up, folder = folder.parent_path()) {
        std::error_code missing;
        if (std::filesystem::is_directory(folder / "scenarios", missing)) return (folder / "scenarios").string();
        if (folder == folder.parent_path()) break;
    }
    return {};
}

int failWith(int status, const std::string& message) {
    std::cerr << "kvhost: " << message << "\n";
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kvhost::usageText();
        return 0;
    }
    CommandLineArgs args;
    std::string error;
    if (!parseArgs(argc, argv, args, error)) return failWith(kExitBadInput, error + " (see kvhost --help)");

    if ((!args.port.empty() || !args.record.empty() || !args.samples.empty()) && args.command != "serve")
        return failWith(kExitBadInput, "--port, --record and --samples belong to serve");
    kvhost::RunOptions options;
    kvhost::ServeOptions serveOptions;
    std::vector<std::string> scenarioFiles = args.operands;
    std::string shotFile;
    if (args.command == "run") {
        if (scenarioFiles.empty()) return failWith(kExitBadInput, "run needs at least one scenario file");
        options.shotsFolder = args.shots;
    } else if (args.command == "shot") {
        if (args.operands.size() != 3 || !args.shots.empty())
            return failWith(kExitBadInput, "shot needs SCENARIO DIALOG_ID PICTURE (see kvhost --help)");
        char* end = nullptr;
        const long dialog = std::strtol(args.operands[1].c_str(), &end, 10);
        if (*end || dialog <= 0) return failWith(kExitBadInput, "not a dialog resource id: " + args.operands[1]);
        options.shotsOnlyDialog = static_cast<int>(dialog);
        shotFile = args.operands[2];
        options.shotsAsSvg = shotFile.size() > 4 && shotFile.compare(shotFile.size() - 4, 4, ".svg") == 0;
        scenarioFiles = {args.operands[0]};
    } else if (args.command == "serve") {
        if (!args.operands.empty() || !args.shots.empty())
            return failWith(kExitBadInput, "serve takes --module, --port, --record and --samples only");
        if (!args.port.empty()) {
            char* end = nullptr;
            const long port = std::strtol(args.port.c_str(), &end, 10);
            if (*end || port <= 0 || port > 65535) return failWith(kExitBadInput, "not a port number: " + args.port);
            serveOptions.port = static_cast<int>(port);
        }
        serveOptions.recordPath = args.record;
        serveOptions.samplesFolder = args.samples.empty() ? bundledScenarios() : args.samples;
    } else if (args.command != "list") {
        return failWith(kExitBadInput, "unknown command " + args.command + " (see kvhost --help)");
    }

    // Every scenario is read before the module is loaded: a malformed file stops the run
    // before anything happened.
    std::vector<kvhost::Scenario> scenarios(scenarioFiles.size());
    for (size_t i = 0; i < scenarioFiles.size(); ++i) {
        kvhost::ReadResult read = kvhost::readScenarioFile(scenarioFiles[i], scenarios[i]);
        if (!read.ok) return failWith(kExitBadInput, read.error);
    }

    // The host echoes its command line to the terminal as it is written.
    host::CommandLine::instance().setSink([](std::string_view text) {
        std::cout << "  | " << base::cp1252ToUtf8(text);
        if (!text.empty() && text.back() != '\n') std::cout << "\n";
    });

    kvhost::LoadedModule module;
    if (!module.load(args.module, error)) return failWith(kExitModuleFailed, error);

    if (args.command == "list") {
        for (const std::string& name : module.exportNames())
            std::cout << name << ": " << module.findExport(name)->summary << "\n";
        return 0;
    }
    if (args.command == "serve") {
        const int status = kvhost::serve(module, serveOptions, std::cout);
        module.unload();
        return status;
    }

    std::string shotFolder;
    if (args.command == "shot") {
        shotFolder = shotFile + ".pictures";
        options.shotsFolder = shotFolder;
    }
    kvhost::ScenarioRunner runner(module, std::cout);
    std::vector<std::string> pictures;
    for (const kvhost::Scenario& scenario : scenarios) {
        kvhost::RunReport report = runner.run(scenario, options);
        pictures.insert(pictures.end(), report.pictures.begin(), report.pictures.end());
        if (!report.ok) {
            module.unload();
            return failWith(kExitStepFailed, report.error);
        }
    }
    module.unload();

    if (args.command == "shot") {
        // The first picture of the dialog is the one asked for; the others were only needed
        // to find it.
        std::string first;
        for (const std::string& picture : pictures)
            if (picture.find("-shown.") != std::string::npos) {
                first = picture;
                break;
            }
        std::error_code ec;
        if (first.empty()) {
            std::filesystem::remove_all(shotFolder, ec);
            return failWith(kExitStepFailed, "dialog " + args.operands[1] + " was never shown by " + scenarioFiles[0]);
        }
        std::filesystem::rename(first, shotFile, ec);
        std::filesystem::remove_all(shotFolder, ec);
        if (ec) return failWith(kExitStepFailed, "cannot write " + shotFile + ": " + ec.message());
        std::cout << "picture: " << shotFile << "\n";
        return 0;
    }
    if (!pictures.empty()) {
        std::cout << "pictures (" << pictures.size() << "):\n";
        for (const std::string& picture : pictures) std::cout << "  " << picture << "\n";
    }
    return 0;
}
