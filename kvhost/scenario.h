#pragma once
// A scenario: the steps kvhost carries out against the loaded module, read from a JSON file.
// Reading checks the whole file before anything runs, so a malformed scenario stops with the
// file, the step and the reason and never half-runs.  See `kvhost --help` for the format.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/drawing_database.h"
#include "state_check.h"
#include "win/types.h"

namespace kvhost {

// One scripted action of the person answering the dialogs a call opens.
struct UserAction {
    std::string verb;  // "click", "doubleClick", "type", "key", "choose", "toggleCheck",
                       // "chooseTab", "close", "answerMessageBox", "answerFileDialog",
                       // "cancelFileDialog", "chooseMenuItem", "dismissMenu", "wait", "shot",
                       // "check", "print", "rightClick", "mouseDown", "mouseMove",
                       // "mouseUp", "wheel", "resize", "pick"
    int dialog = 0;    // resource id of the dialog addressed (0 when the verb has none)
    int control = 0;
    int index = -1;
    std::string text;             // typed text, item text, path or picture file (code page 1252)
    unsigned key = 0;             // virtual key
    unsigned modifiers = 0;       // win::input::Modifier bits
    int number = 0;               // button id, menu command id, milliseconds
    std::optional<POINT> at;      // click: a point of the control's client area instead of its middle
    StateCheck check;             // "check": what the dialog must show
    std::vector<double> numbers;  // "pick": the typed answer (empty: cancel)
    SIZE size{};                  // "resize": the new window size
};

enum class PrintWhat { Result, Outputs, Record, CommandLine, DrawingLog, Dialog };

struct PrintItem {
    PrintWhat what = PrintWhat::Result;
    int dialog = 0;  // PrintWhat::Dialog: the dialog's resource id
};

// An object the step puts into the drawing before its call: what a person drew earlier (a
// macro instance to edit, a beam to pick).
struct DrawingObjectSpec {
    std::string type;  // code page 1252
    host::PropertyMap properties;
};

struct Step {
    int number = 0;                          // 1-based, as messages name it
    std::vector<DrawingObjectSpec> drawing;  // added in order before the call; ids follow on
    std::string call;                        // exported function; empty for a step that only prints
    nlohmann::json arguments = nlohmann::json::object();
    std::vector<UserAction> user;
    std::vector<PrintItem> print;
    nlohmann::json expect;  // null, or members the outputs must equal
};

struct Scenario {
    std::string file;
    std::string title;
    std::vector<Step> steps;
};

struct ReadResult {
    bool ok = false;
    std::string error;  // "file: step 2: reason" or "file: reason"
};

ReadResult readScenarioFile(const std::string& path, Scenario& out);
// One user action in the scenario language (kvhost serve turns a person's actions into these).
ReadResult parseUserAction(const nlohmann::json& action, UserAction& out);
// The same from text already read (tests; `file` names it in messages).
ReadResult parseScenario(const std::string& text, const std::string& file, Scenario& out);

}  // namespace kvhost
