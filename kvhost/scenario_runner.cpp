#include "scenario_runner.h"

#include <filesystem>

#include "dialog_shots.h"
#include "host/command_line.h"
#include "host/drawing_database.h"
#include "base/cp1252.h"
#include "host/pick_input.h"
#include "render/window.h"
#include "state_check.h"
#include "win/readback.h"

namespace kvhost {

namespace {

void printDialog(std::ostream& out, int dialog) {
    HWND window = win::findOpenDialog(dialog);
    if (!window) {
        out << "dialog " << dialog << ": not open\n";
        return;
    }
    out << "dialog " << dialog << ":\n" << describeDialogState(window);
}

}  // namespace

// Pictures asked for inside the script are taken while the dialog's loop runs; a picture of a
// dialog that is not open is a fault of the step.
void addActions(const std::vector<UserAction>& actions, win::ScriptedInput& script, std::vector<std::string>& faults,
                std::vector<std::string>& pictures, std::ostream& out) {
    for (size_t i = 0; i < actions.size(); ++i) {
        const UserAction& a = actions[i];
        if (a.verb == "click" && a.at)
            script.clickAt(a.dialog, a.control, *a.at, a.modifiers);
        else if (a.verb == "click")
            script.click(a.dialog, a.control, a.modifiers);
        else if (a.verb == "doubleClick" && a.at)
            script.doubleClickAt(a.dialog, a.control, *a.at);
        else if (a.verb == "doubleClick")
            script.doubleClick(a.dialog, a.control);
        else if (a.verb == "type")
            script.type(a.dialog, a.text);
        else if (a.verb == "key")
            script.key(a.dialog, a.key, a.modifiers);
        else if (a.verb == "choose" && a.index >= 0)
            script.choose(a.dialog, a.control, a.index);
        else if (a.verb == "choose")
            script.choose(a.dialog, a.control, a.text);
        else if (a.verb == "toggleCheck")
            script.toggleCheck(a.dialog, a.control, a.index);
        else if (a.verb == "chooseTab")
            script.chooseTab(a.dialog, a.control, a.index);
        else if (a.verb == "close")
            script.close(a.dialog);
        else if (a.verb == "answerMessageBox")
            script.answerMessageBox(a.number);
        else if (a.verb == "answerFileDialog")
            script.answerFileDialog(a.text);
        else if (a.verb == "cancelFileDialog")
            script.cancelFileDialog();
        else if (a.verb == "chooseMenuItem")
            script.chooseMenuItem(static_cast<UINT>(a.number));
        else if (a.verb == "dismissMenu")
            script.dismissMenu();
        else if (a.verb == "wait")
            script.wait(static_cast<unsigned>(a.number));
        else if (a.verb == "rightClick")
            script.rightClick(a.dialog, a.control, *a.at);
        else if (a.verb == "wheel")
            script.wheel(a.dialog, a.control, *a.at, a.number);
        else if (a.verb == "mouseDown")
            script.mouseDown(a.dialog, a.control, *a.at, a.modifiers);
        else if (a.verb == "mouseMove")
            script.mouseMove(a.dialog, a.control, *a.at, a.modifiers);
        else if (a.verb == "mouseUp")
            script.mouseUp(a.dialog, a.control, *a.at, a.modifiers);
        else if (a.verb == "resize")
            script.resize(a.dialog, a.size.cx, a.size.cy);
        else if (a.verb == "pick" && a.numbers.empty())
            host::cancelPick(script);
        else if (a.verb == "pick")
            host::answerPick(script, a.numbers);
        else if (a.verb == "check") {
            const StateCheck check = a.check;
            const size_t number = i + 1;
            script.inspect(
                [check, number, &faults] {
                    std::string difference = runStateCheck(check);
                    if (!difference.empty())
                        faults.push_back("user action " + std::to_string(number) + ": " + difference);
                },
                "check");
        } else if (a.verb == "print") {
            const int dialog = a.dialog;
            script.inspect([dialog, &out] { printDialog(out, dialog); }, "print");
        } else if (a.verb == "shot") {
            const int dialog = a.dialog;
            const std::string file = a.text;
            const size_t number = i + 1;
            script.inspect(
                [dialog, file, number, &faults, &pictures] {
                    HWND window = win::findOpenDialog(dialog);
                    if (!window) {
                        faults.push_back("user action " + std::to_string(number) + ": no dialog " +
                                         std::to_string(dialog) + " is open to take a picture of");
                        return;
                    }
                    const bool svg = file.size() > 4 && file.compare(file.size() - 4, 4, ".svg") == 0;
                    render::WriteResult written =
                        svg ? render::renderWindowToSvg(window, file) : render::renderWindowToPng(window, file);
                    if (written.ok)
                        pictures.push_back(file);
                    else
                        faults.push_back("user action " + std::to_string(number) + ": " + written.error);
                },
                "shot");
        }
    }
}

namespace {

std::string indent(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart) out += "  ";
        out += c;
        lineStart = c == '\n';
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

}  // namespace

RunReport ScenarioRunner::run(const Scenario& scenario, const RunOptions& options) {
    RunReport report;
    if (!options.shotsFolder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.shotsFolder, ec);
        if (ec) {
            report.error = options.shotsFolder + ": cannot create the picture folder: " + ec.message();
            return report;
        }
    }
    if (!scenario.title.empty()) out_ << "# " << base::cp1252ToUtf8(scenario.title) << "\n";
    for (const Step& step : scenario.steps)
        if (!runStep(scenario, step, options, report)) return report;
    report.ok = true;
    return report;
}

bool ScenarioRunner::runStep(const Scenario& scenario, const Step& step, const RunOptions& options, RunReport& report) {
    const std::string where = scenario.file + ": step " + std::to_string(step.number) + ": ";
    addDrawingObjects(step);
    if (step.call.empty()) {
        printStep(step, nlohmann::json::object());
        return true;
    }
    out_ << "== step " << step.number << ": " << step.call << "\n";
    const KvCallableExport* function = module_.findExport(step.call);
    if (!function) {
        std::string known;
        for (const std::string& name : module_.exportNames()) known += (known.empty() ? "" : ", ") + name;
        report.error = where + "unknown function \"" + step.call + "\" (the module offers: " + known + ")";
        return false;
    }

    win::ScriptedInput script;
    std::vector<std::string> faults;
    addActions(step.user, script, faults, report.pictures, out_);
    DialogShots shots(options.shotsFolder, &script, picturesTaken_, options.shotsOnlyDialog, options.shotsAsSvg);
    win::InputSource* source = options.shotsFolder.empty() ? static_cast<win::InputSource*>(&script) : &shots;
    win::InputSource* previous = win::setInputSource(source);

    std::string outputsText, error;
    const bool called = function->call(step.arguments.dump(), outputsText, error);
    // Actions left when the call returned answer the modeless windows it left open.
    if (called && !script.failed() && !script.finished()) script.runModeless();
    if (!options.shotsFolder.empty()) shots.look();
    win::setInputSource(previous);
    report.pictures.insert(report.pictures.end(), shots.written().begin(), shots.written().end());

    if (!called) {
        report.error = where + "call " + step.call + ": " + error;
        return false;
    }
    // A failed check explains what went wrong after it, so it is named first.
    if (!faults.empty()) {
        report.error = where + faults.front();
        return false;
    }
    if (script.failed()) {
        report.error = where + "user actions: " + script.failure();
        return false;
    }
    if (!script.finished()) {
        report.error = where + std::to_string(script.stepsLeft()) +
                       " user action(s) were not used: no dialog was open for them any more";
        return false;
    }
    if (!shots.errors().empty()) {
        report.error = where + "picture not written: " + shots.errors().front();
        return false;
    }
    nlohmann::json outputs = nlohmann::json::parse(outputsText, nullptr, false);
    if (outputs.is_discarded()) {
        report.error = where + "call " + step.call + " gave outputs that are not JSON";
        return false;
    }
    printStep(step, outputs);
    if (step.expect.is_object()) {
        for (const auto& item : step.expect.items()) {
            auto found = outputs.find(item.key());
            if (found == outputs.end() || *found != item.value()) {
                report.error = where + "expected " + item.key() + " = " + item.value().dump() + ", got " +
                               (found == outputs.end() ? std::string("nothing") : found->dump());
                return false;
            }
        }
    }
    return true;
}

void ScenarioRunner::addDrawingObjects(const Step& step) {
    for (const DrawingObjectSpec& object : step.drawing) {
        const AcDbObjectId id = host::DrawingDatabase::instance().addObject(object.type, object.properties);
        out_ << "drawing: added #" << id.asOldId() << " " << base::cp1252ToUtf8(object.type) << "\n";
    }
}

void ScenarioRunner::printStep(const Step& step, const nlohmann::json& outputs) {
    for (const PrintItem& item : step.print) {
        switch (item.what) {
        case PrintWhat::Result:
            out_ << "result: " << (outputs.contains("result") ? outputs["result"].dump() : "none") << "\n";
            break;
        case PrintWhat::Outputs: out_ << "outputs:\n" << indent(outputs.dump(2)); break;
        case PrintWhat::Record:
            if (outputs.contains("record"))
                out_ << "record:\n" << indent(outputs["record"].dump(2));
            else
                out_ << "record: none\n";
            break;
        case PrintWhat::CommandLine: {
            const std::string& text = host::CommandLine::instance().text();
            if (commandLineShown_ > text.size()) commandLineShown_ = 0;
            out_ << "command line:\n" << indent(base::cp1252ToUtf8(text.substr(commandLineShown_)));
            commandLineShown_ = text.size();
            break;
        }
        case PrintWhat::DrawingLog:
            out_ << "drawing log:\n" << indent(base::cp1252ToUtf8(host::DrawingDatabase::instance().logText()));
            break;
        case PrintWhat::Dialog: printDialog(out_, item.dialog); break;
        }
    }
}

}  // namespace kvhost
