#pragma once
// Carries out a scenario's steps against a loaded module: each call goes through the module's
// callable export with the step's user actions as the input source, then the step prints what
// it asks for and checks what it expects.  The first failing step stops the run.

#include <ostream>
#include <string>

#include "module_loader.h"
#include "scenario.h"
#include "win/input.h"

namespace kvhost {

struct RunOptions {
    std::string shotsFolder;  // empty: no pictures
    int shotsOnlyDialog = 0;  // with shotsFolder: only this dialog (kvhost shot)
    bool shotsAsSvg = false;
};

struct RunReport {
    bool ok = false;
    std::string error;  // "file: step N: reason" when not ok
    std::vector<std::string> pictures;
};

// Turns a scenario's user actions into steps of the window system's script.  Checks and
// pictures that fail add a line to `faults`; pictures written are added to `pictures`; the
// "print" action writes to `out`.
void addActions(const std::vector<UserAction>& actions, win::ScriptedInput& script, std::vector<std::string>& faults,
                std::vector<std::string>& pictures, std::ostream& out);

class ScenarioRunner {
public:
    ScenarioRunner(LoadedModule& module, std::ostream& out) : module_(module), out_(out) {}

    RunReport run(const Scenario& scenario, const RunOptions& options);

private:
    bool runStep(const Scenario& scenario, const Step& step, const RunOptions& options, RunReport& report);
    // The step's objects join the drawing before its call, each announced with its id.
    void addDrawingObjects(const Step& step);
    void printStep(const Step& step, const nlohmann::json& outputs);

    LoadedModule& module_;
    std::ostream& out_;
    size_t commandLineShown_ = 0;
    int picturesTaken_ = 0;  // numbers pictures across every step of the run
};

}  // namespace kvhost
