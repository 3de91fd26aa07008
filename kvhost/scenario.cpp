#include "scenario.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "base/cp1252.h"
#include "win/types.h"
#include "win/input.h"

namespace kvhost {

namespace {

using nlohmann::json;

// A fault found while reading; carries the reason up to the step that names it.
struct Refusal {
    std::string reason;
};

[[noreturn]] void refuse(std::string reason) { throw Refusal{std::move(reason)}; }

class Members {
public:
    Members(const json& object, std::string what) : object_(object), what_(std::move(what)) {
        if (!object.is_object()) refuse(what_ + " must be a JSON object");
    }
    const json* find(const char* name) {
        known_.insert(name);
        auto found = object_.find(name);
        return found == object_.end() ? nullptr : &*found;
    }
    int integer(const char* name, bool required, int fallback = 0) {
        const json* member = find(name);
        if (!member) {
            if (required) refuse(what_ + " needs \"" + name + "\"");
            return fallback;
        }
        if (!member->is_number_integer()) refuse(what_ + ": \"" + name + "\" must be an integer");
        return member->get<int>();
    }
    std::string text(const char* name, bool required) {
        const json* member = find(name);
        if (!member) {
            if (required) refuse(what_ + " needs \"" + name + "\"");
            return {};
        }
        if (!member->is_string()) refuse(what_ + ": \"" + name + "\" must be a text");
        return base::utf8ToCp1252(member->get<std::string>());
    }
    bool flag(const char* name) {
        const json* member = find(name);
        if (!member || !member->is_boolean()) refuse(what_ + ": \"" + name + "\" must be true or false");
        return member->get<bool>();
    }
    const std::string& what() const { return what_; }
    void finish() const {
        for (const auto& item : object_.items())
            if (!known_.count(item.key())) refuse(what_ + ": unknown member \"" + item.key() + "\"");
    }

private:
    const json& object_;
    std::string what_;
    std::set<std::string> known_;
};

unsigned keyByName(const json& key) {
    if (key.is_number_unsigned()) return key.get<unsigned>();
    if (!key.is_string()) refuse("\"key\" must be a key name or a virtual key number");
    static const std::map<std::string, unsigned> names = {
        {"ENTER", VK_RETURN},  {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"TAB", VK_TAB},     {"SPACE", VK_SPACE},
        {"BACK", VK_BACK},     {"DELETE", VK_DELETE}, {"HOME", VK_HOME},     {"END", VK_END},     {"LEFT", VK_LEFT},
        {"RIGHT", VK_RIGHT},   {"UP", VK_UP},         {"DOWN", VK_DOWN},     {"PRIOR", VK_PRIOR}, {"NEXT", VK_NEXT},
        {"INSERT", VK_INSERT}, {"F1", VK_F1},         {"F2", VK_F2},
    };
    std::string name = key.get<std::string>();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) return static_cast<unsigned>(name[0]);
    auto found = names.find(name);
    if (found == names.end()) refuse("unknown key \"" + key.get<std::string>() + "\"");
    return found->second;
}

unsigned modifiersOf(const json* list) {
    if (!list) return 0;
    if (!list->is_array()) refuse("\"modifiers\" must be an array of \"shift\", \"ctrl\", \"alt\"");
    unsigned bits = 0;
    for (const json& item : *list) {
        std::string name = item.is_string() ? item.get<std::string>() : std::string();
        if (name == "shift")
            bits |= win::input::Shift;
        else if (name == "ctrl")
            bits |= win::input::Control;
        else if (name == "alt")
            bits |= win::input::Alt;
        else
            refuse("\"modifiers\" must be an array of \"shift\", \"ctrl\", \"alt\"");
    }
    return bits;
}

std::vector<int> indicesOf(const json& value, const std::string& what) {
    if (value.is_number_integer()) {
        const int index = value.get<int>();
        if (index < -1) refuse(what + ": \"selection\" must be an index, -1 for none, or a list of indices");
        return index < 0 ? std::vector<int>{} : std::vector<int>{index};
    }
    std::vector<int> indices;
    if (value.is_array())
        for (const json& item : value) {
            if (!item.is_number_integer() || item.get<int>() < 0) break;
            indices.push_back(item.get<int>());
        }
    if (!value.is_array() || indices.size() != value.size())
        refuse(what + ": \"selection\" must be an index, -1 for none, or a list of indices");
    return indices;
}

// A check names at least one state; the states it does not name are not looked at.
StateCheck readCheck(Members& m) {
    const std::string& what = m.what();
    StateCheck check;
    check.dialog = m.integer("dialog", true);
    check.control = m.integer("control", false, 0);
    if (m.find("text")) check.text = m.text("text", true);
    if (m.find("caption")) {
        if (check.control != 0) refuse(what + ": \"caption\" belongs to the dialog (control 0)");
        check.caption = m.text("caption", true);
    }
    if (m.find("enabled")) check.enabled = m.flag("enabled");
    if (m.find("visible")) check.visible = m.flag("visible");
    if (m.find("focused")) check.focused = m.flag("focused");
    if (const json* checked = m.find("checked")) {
        if (checked->is_boolean())
            check.checked = checked->get<bool>() ? 1 : 0;
        else if (checked->is_number_integer() && checked->get<int>() >= 0 && checked->get<int>() <= 2)
            check.checked = checked->get<int>();
        else
            refuse(what + ": \"checked\" must be true, false, 0, 1 or 2 (indeterminate)");
    }
    if (const json* items = m.find("items")) {
        if (!items->is_array()) refuse(what + ": \"items\" must be a list of texts");
        std::vector<std::string> texts;
        for (const json& item : *items) {
            if (!item.is_string()) refuse(what + ": \"items\" must be a list of texts");
            texts.push_back(base::utf8ToCp1252(item.get<std::string>()));
        }
        check.items = std::move(texts);
    }
    if (const json* selection = m.find("selection")) check.selection = indicesOf(*selection, what);
    if (const json* cell = m.find("cell")) {
        if (!cell->is_array() || cell->size() != 2 || !(*cell)[0].is_number_integer() ||
            !(*cell)[1].is_number_integer() || (*cell)[0].get<int>() < 1 || (*cell)[1].get<int>() < 1)
            refuse(what + ": \"cell\" must be [column, row], counted from 1");
        check.cell = POINT{(*cell)[0].get<int>(), (*cell)[1].get<int>()};
        if (!m.find("cellText")) refuse(what + ": \"cell\" needs \"cellText\"");
        check.cellText = m.text("cellText", true);
    } else if (m.find("cellText")) {
        refuse(what + ": \"cellText\" needs \"cell\"");
    }
    if (!check.text && !check.caption && !check.enabled && !check.visible && !check.focused && !check.checked &&
        !check.items && !check.selection && !check.cell)
        refuse(what +
               ": \"check\" names nothing to check (text, caption, enabled, visible, focused, checked, "
               "items, selection, cell)");
    return check;
}

std::vector<double> numbersOf(const json& value, const std::string& what, const char* name, size_t fewest,
                              size_t most) {
    std::vector<double> numbers;
    if (value.is_array())
        for (const json& item : value)
            if (item.is_number()) numbers.push_back(item.get<double>());
    if (!value.is_array() || numbers.size() != value.size() || numbers.size() < fewest || numbers.size() > most)
        refuse(what + ": \"" + name + "\" must be a list of " + std::to_string(fewest) +
               (most != fewest ? " to " + std::to_string(most) : std::string()) + " numbers");
    return numbers;
}

POINT pointOf(Members& m, bool required) {
    const json* at = m.find("at");
    if (!at) {
        if (required) refuse(m.what() + " needs \"at\"");
        return POINT{};
    }
    if (!at->is_array() || at->size() != 2 || !(*at)[0].is_number_integer() || !(*at)[1].is_number_integer())
        refuse(m.what() + ": \"at\" must be [x, y] in pixels");
    return POINT{(*at)[0].get<int>(), (*at)[1].get<int>()};
}

// A pick is answered with one of a point, an object (and where it was picked), a plane, or a
// cancel; the numbers are what a person types at the drawing's prompt.
void readPick(Members& m, UserAction& action) {
    const std::string& what = m.what();
    const json* point = m.find("point");
    const json* object = m.find("object");
    const json* plane = m.find("plane");
    const json* cancel = m.find("cancel");
    if ((point != nullptr) + (object != nullptr) + (plane != nullptr) + (cancel != nullptr) != 1)
        refuse(what + ": \"pick\" needs one of \"point\", \"object\", \"plane\" or \"cancel\"");
    if (point) action.numbers = numbersOf(*point, what, "point", 2, 3);
    if (plane) {
        action.numbers = numbersOf(*plane, what, "plane", 6, 9);
        if (action.numbers.size() == 7 || action.numbers.size() == 8)
            refuse(what + ": \"plane\" must be origin and normal (6 numbers) or origin and two axes (9)");
    }
    if (object) {
        if (!object->is_number_integer() || object->get<int64_t>() <= 0)
            refuse(what + ": \"object\" must be an object id");
        action.numbers = {static_cast<double>(object->get<int64_t>())};
        if (const json* at = m.find("pickedAt")) {
            std::vector<double> where = numbersOf(*at, what, "pickedAt", 3, 3);
            action.numbers.insert(action.numbers.end(), where.begin(), where.end());
        }
    } else if (m.find("pickedAt")) {
        refuse(what + ": \"pickedAt\" belongs to an object pick");
    }
    if (cancel && !(cancel->is_boolean() && cancel->get<bool>())) refuse(what + ": \"cancel\" must be true");
}

UserAction readAction(const json& in, size_t index) {
    Members m(in, "user action " + std::to_string(index + 1));
    UserAction action;
    action.verb = m.text("do", true);
    const std::string& verb = action.verb;
    if (verb == "click" || verb == "doubleClick") {
        action.dialog = m.integer("dialog", true);
        action.control = m.integer("control", true);
        action.modifiers = modifiersOf(m.find("modifiers"));
        if (m.find("at")) action.at = pointOf(m, true);
    } else if (verb == "type") {
        action.dialog = m.integer("dialog", true);
        action.text = m.text("text", true);
    } else if (verb == "key") {
        action.dialog = m.integer("dialog", true);
        const json* key = m.find("key");
        if (!key) refuse("user action " + std::to_string(index + 1) + " needs \"key\"");
        action.key = keyByName(*key);
        action.modifiers = modifiersOf(m.find("modifiers"));
    } else if (verb == "choose") {
        action.dialog = m.integer("dialog", true);
        action.control = m.integer("control", true);
        action.index = m.integer("index", false, -1);
        action.text = m.text("item", false);
        if ((action.index < 0) == action.text.empty())
            refuse("user action " + std::to_string(index + 1) + ": \"choose\" needs either \"index\" or \"item\"");
    } else if (verb == "toggleCheck" || verb == "chooseTab") {
        action.dialog = m.integer("dialog", true);
        action.control = m.integer("control", true);
        action.index = m.integer("index", true);
    } else if (verb == "close") {
        action.dialog = m.integer("dialog", true);
    } else if (verb == "answerMessageBox") {
        action.number = m.integer("button", true);
    } else if (verb == "answerFileDialog") {
        action.text = m.text("path", true);
    } else if (verb == "chooseMenuItem") {
        action.number = m.integer("command", true);
    } else if (verb == "wait") {
        action.number = m.integer("ms", true);
        if (action.number < 0) refuse("user action " + std::to_string(index + 1) + ": \"ms\" must not be negative");
    } else if (verb == "shot") {
        action.dialog = m.integer("dialog", true);
        action.text = m.text("file", true);
    } else if (verb == "wheel") {
        action.dialog = m.integer("dialog", true);
        action.control = m.integer("control", true);
        action.at = pointOf(m, true);
        action.number = m.integer("notches", true);
    } else if (verb == "rightClick" || verb == "mouseDown" || verb == "mouseMove" || verb == "mouseUp") {
        action.dialog = m.integer("dialog", true);
        action.control = m.integer("control", true);
        action.at = pointOf(m, true);
        if (verb != "rightClick") action.modifiers = modifiersOf(m.find("modifiers"));
    } else if (verb == "resize") {
        action.dialog = m.integer("dialog", true);
        const json* size = m.find("size");
        if (!size || !size->is_array() || size->size() != 2 || !(*size)[0].is_number_integer() ||
            !(*size)[1].is_number_integer() || (*size)[0].get<int>() <= 0 || (*size)[1].get<int>() <= 0)
            refuse(m.what() + ": \"resize\" needs \"size\": [width, height] of the window in pixels");
        action.size = SIZE{(*size)[0].get<int>(), (*size)[1].get<int>()};
    } else if (verb == "pick") {
        readPick(m, action);
    } else if (verb == "check") {
        action.check = readCheck(m);
        action.dialog = action.check.dialog;
        action.control = action.check.control;
    } else if (verb == "print") {
        action.dialog = m.integer("dialog", true);
    } else if (verb != "cancelFileDialog" && verb != "dismissMenu") {
        refuse("user action " + std::to_string(index + 1) + ": unknown action \"" + verb + "\"");
    }
    m.finish();
    return action;
}

PrintItem printByName(const json& name) {
    static const std::map<std::string, PrintWhat> names = {
        {"result", PrintWhat::Result},           {"outputs", PrintWhat::Outputs},       {"record", PrintWhat::Record},
        {"commandLine", PrintWhat::CommandLine}, {"drawingLog", PrintWhat::DrawingLog},
    };
    const std::string text = name.is_string() ? name.get<std::string>() : std::string();
    if (text.rfind("dialog:", 0) == 0) {
        const std::string number = text.substr(7);
        char* end = nullptr;
        const long id = std::strtol(number.c_str(), &end, 10);
        if (number.empty() || *end || id <= 0) refuse("\"" + text + "\": \"dialog:\" needs a dialog resource id");
        return PrintItem{PrintWhat::Dialog, static_cast<int>(id)};
    }
    auto found = names.find(text);
    if (found == names.end())
        refuse(
            "\"print\" takes \"result\", \"outputs\", \"record\", \"commandLine\", \"drawingLog\" and "
            "\"dialog:ID\"");
    return PrintItem{found->second, 0};
}

// A property value: an integer, a number, a text, or a point {"x", "y"[, "z"]}.
host::PropertyValue propertyOf(const json& value, const std::string& what) {
    if (value.is_number_integer()) return static_cast<long long>(value.get<int64_t>());
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) return base::utf8ToCp1252(value.get<std::string>());
    if (value.is_object()) {
        Members m(value, what);
        host::Point3d point;
        for (auto [name, coordinate] : {std::pair{"x", &point.x}, {"y", &point.y}, {"z", &point.z}}) {
            const json* member = m.find(name);
            if (!member && std::string(name) == "z") continue;
            if (!member || !member->is_number()) refuse(what + ": a point needs numbers \"x\", \"y\" (and \"z\")");
            *coordinate = member->get<double>();
        }
        m.finish();
        return point;
    }
    refuse(what + " must be an integer, a number, a text or a point {\"x\", \"y\", \"z\"}");
}

DrawingObjectSpec readDrawingObject(const json& in, size_t index) {
    Members m(in, "drawing object " + std::to_string(index + 1));
    DrawingObjectSpec object;
    object.type = m.text("type", true);
    if (object.type.empty()) refuse(m.what() + ": \"type\" must not be empty");
    if (const json* properties = m.find("properties")) {
        if (!properties->is_object()) refuse(m.what() + ": \"properties\" must be a JSON object");
        for (const auto& item : properties->items())
            object.properties[base::utf8ToCp1252(item.key())] =
                propertyOf(item.value(), m.what() + ": property \"" + item.key() + "\"");
    }
    m.finish();
    return object;
}

Step readStep(const json& in, int number) {
    Members m(in, "the step");
    Step step;
    step.number = number;
    if (const json* call = m.find("call")) {
        if (!call->is_string() || call->get<std::string>().empty()) refuse("\"call\" must name an exported function");
        step.call = call->get<std::string>();
    }
    if (const json* arguments = m.find("arguments")) {
        if (!arguments->is_object()) refuse("\"arguments\" must be a JSON object");
        step.arguments = *arguments;
    }
    if (const json* drawing = m.find("drawing")) {
        if (!drawing->is_array()) refuse("\"drawing\" must be an array of drawing objects");
        for (size_t i = 0; i < drawing->size(); ++i) step.drawing.push_back(readDrawingObject((*drawing)[i], i));
    }
    if (const json* user = m.find("user")) {
        if (!user->is_array()) refuse("\"user\" must be an array of user actions");
        for (size_t i = 0; i < user->size(); ++i) step.user.push_back(readAction((*user)[i], i));
    }
    if (const json* print = m.find("print")) {
        if (print->is_array()) {
            for (const json& item : *print) step.print.push_back(printByName(item));
        } else {
            step.print.push_back(printByName(*print));
        }
    }
    if (const json* expect = m.find("expect")) {
        if (!expect->is_object()) refuse("\"expect\" must be a JSON object of outputs");
        step.expect = *expect;
    }
    m.finish();
    if (step.call.empty() && (in.contains("user") || in.contains("expect") || in.contains("arguments")))
        refuse("\"arguments\", \"user\" and \"expect\" belong to a step with \"call\"");
    if (step.call.empty() && step.print.empty() && step.drawing.empty())
        refuse("a step needs \"call\", \"drawing\" or \"print\"");
    return step;
}

}  // namespace

ReadResult parseScenario(const std::string& text, const std::string& file, Scenario& out) {
    ReadResult result;
    json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        // Parse again with exceptions to learn where it broke.
        try {
            json checked = json::parse(text);
            (void)checked;
        } catch (const json::parse_error& e) {
            result.error = file + ": not valid JSON (byte " + std::to_string(e.byte) + ")";
            return result;
        }
        result.error = file + ": not valid JSON";
        return result;
    }
    Scenario scenario;
    scenario.file = file;
    int stepNumber = 0;
    try {
        Members top(document, "the scenario");
        scenario.title = top.text("title", false);
        const json* steps = top.find("steps");
        if (!steps || !steps->is_array() || steps->empty()) refuse("\"steps\" must be a non-empty array");
        top.finish();
        for (const json& step : *steps) {
            ++stepNumber;
            scenario.steps.push_back(readStep(step, stepNumber));
        }
    } catch (const Refusal& refusal) {
        result.error = file + ": " + (stepNumber ? "step " + std::to_string(stepNumber) + ": " : "") + refusal.reason;
        return result;
    }
    out = std::move(scenario);
    result.ok = true;
    return result;
}

ReadResult parseUserAction(const nlohmann::json& action, UserAction& out) {
    try {
        out = readAction(action, 0);
    } catch (const Refusal& refusal) {
        return {false, refusal.reason};
    }
    return {true, {}};
}

ReadResult readScenarioFile(const std::string& path, Scenario& out) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {false, path + ": cannot be read (it is a folder)"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, path + ": cannot be read"};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return {false, path + ": cannot be read"};
    return parseScenario(text.str(), path, out);
}

}  // namespace kvhost
