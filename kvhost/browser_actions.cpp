#include "browser_actions.h"

#include "win/input.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace kvhost {

namespace {

using nlohmann::json;

TranslatedAction refused(std::string why) {
    TranslatedAction t;
    t.error = std::move(why);
    return t;
}

TranslatedAction ignored() {
    TranslatedAction t;
    t.ignored = true;
    return t;
}

TranslatedAction done(json action) {
    TranslatedAction t;
    t.ok = true;
    t.action = std::move(action);
    return t;
}

// The dialog id a scenario names a top-level window by: its template id, or 0 for the active
// window (a window made without a template can only be addressed while it is active).
bool dialogIdOf(HWND root, int& id) {
    id = win::dialogResourceId(root);
    if (id > 0 && win::findOpenDialog(id) == root) return true;
    id = 0;
    return root == GetActiveWindow();
}

// The nearest window from `hwnd` up that a scenario can name by id inside `root`.
HWND addressableControl(HWND root, HWND hwnd, int& id) {
    for (HWND at = hwnd; at && at != root; at = GetParent(at)) {
        const int candidate = GetDlgCtrlID(at);
        if (candidate != 0 && candidate != -1 && win::findControl(root, candidate) == at) {
            id = candidate;
            return at;
        }
    }
    id = 0;
    return root;
}

json modifiersOf(const json& event) {
    json list = json::array();
    if (const auto it = event.find("modifiers"); it != event.end() && it->is_array())
        for (const json& name : *it)
            if (name == "shift" || name == "ctrl" || name == "alt") list.push_back(name);
    return list;
}

TranslatedAction menuAction(HWND menu, const std::string& type, POINT screen) {
    if (type == "move" || type == "up" || type == "wheel") return ignored();
    win::PopupMenuState state;
    win::describePopupMenu(menu, state);
    RECT frame{};
    GetWindowRect(menu, &frame);
    if (!PtInRect(&frame, screen)) return done(json{{"do", "dismissMenu"}});
    POINT origin{0, 0};
    ClientToScreen(menu, &origin);
    const POINT inMenu{screen.x - origin.x, screen.y - origin.y};
    for (size_t i = 0; i < state.items.size(); ++i)
        if (!state.items[i].separator && !state.items[i].popup && PtInRect(&state.itemRects[i], inMenu))
            return done(json{{"do", "chooseMenuItem"}, {"command", state.items[i].id}});
    return ignored();
}

TranslatedAction mouseAction(const json& event, const std::string& type) {
    if (!event.contains("x") || !event.contains("y") || !event["x"].is_number_integer() ||
        !event["y"].is_number_integer())
        return refused("a mouse action needs x and y");
    const POINT screen{event["x"].get<int>(), event["y"].get<int>()};
    if (HWND menu = win::openPopupMenu()) return menuAction(menu, type, screen);

    HWND target = GetCapture();
    if (!target) target = WindowFromPoint(screen);
    if (!target) return ignored();
    HWND root = GetAncestor(target, GA_ROOT);
    if (win::isMessageBox(root)) {
        if (type != "click") return ignored();
        const int id = GetDlgCtrlID(target);
        if (target == root || win::describeWindow(target).className != "Button") return ignored();
        return done(json{{"do", "answerMessageBox"}, {"button", id}});
    }
    if (win::isFileDialog(root)) return refused("answer the file dialog with the form below the pictures");
    int dialog = 0;
    if (!dialogIdOf(root, dialog)) return refused("this window cannot be used now");

    const win::WindowInfo rootInfo = win::describeWindow(root);
    const RECT& client = rootInfo.clientRectScreen;
    const bool inCaption = screen.y < client.top && screen.y >= rootInfo.windowRect.top;
    if (type == "click" && inCaption && screen.x >= rootInfo.windowRect.right - 24 && (rootInfo.style & WS_SYSMENU))
        return done(json{{"do", "close"}, {"dialog", dialog}});

    int control = 0;
    HWND window = addressableControl(root, target, control);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    json at = json::array({screen.x - origin.x, screen.y - origin.y});
    json action{{"dialog", dialog}, {"control", control}, {"at", at}};
    json modifiers = modifiersOf(event);
    if (type == "click")
        action["do"] = "click";
    else if (type == "doubleClick")
        action["do"] = "doubleClick";
    else if (type == "rightClick")
        action["do"] = "rightClick";
    else if (type == "down")
        action["do"] = "mouseDown";
    else if (type == "move")
        action["do"] = "mouseMove";
    else if (type == "up")
        action["do"] = "mouseUp";
    else if (type == "wheel") {
        action["do"] = "wheel";
        action["notches"] = event.value("notches", 0);
        if (action["notches"] == 0) return ignored();
    }
    if (!modifiers.empty() && type != "doubleClick" && type != "rightClick" && type != "wheel")
        action["modifiers"] = modifiers;
    return done(action);
}

// Keys and characters go where the focus is, as on the screen; the scenario names that window.
bool keyboardDialog(int& dialog) {
    HWND focus = GetFocus();
    HWND root = focus ? GetAncestor(focus, GA_ROOT) : GetActiveWindow();
    if (!root) return false;
    if (win::openPopupMenu()) {
        // The open menu has the keyboard; the scenario still names the window with the focus.
        return dialogIdOf(root, dialog) || (dialog = 0, true);
    }
    return dialogIdOf(root, dialog);
}

}  // namespace

TranslatedAction translateBrowserAction(const json& event) {
    if (!event.is_object() || !event.contains("type") || !event["type"].is_string())
        return refused("an action needs a \"type\"");
    const std::string type = event["type"].get<std::string>();
    if (type == "click" || type == "doubleClick" || type == "rightClick" || type == "down" || type == "move" ||
        type == "up" || type == "wheel")
        return mouseAction(event, type);
    if (type == "key" || type == "text") {
        int dialog = 0;
        if (!keyboardDialog(dialog)) return refused("no window has the keyboard");
        if (type == "text") {
            if (!event.contains("text") || !event["text"].is_string()) return refused("typing needs a text");
            return done(json{{"do", "type"}, {"dialog", dialog}, {"text", event["text"]}});
        }
        if (!event.contains("key") || !event["key"].is_number_unsigned())
            return refused("a key needs a virtual key number");
        json action{{"do", "key"}, {"dialog", dialog}, {"key", event["key"]}};
        json modifiers = modifiersOf(event);
        if (!modifiers.empty()) action["modifiers"] = modifiers;
        return done(action);
    }
    if (type == "pick") {
        json action = event.value("answer", json::object());
        if (!action.is_object()) return refused("a pick needs an answer");
        action["do"] = "pick";
        return done(action);
    }
    if (type == "file") {
        if (!win::innermostFileDialog()) return refused("no file dialog is open");
        if (event.value("cancel", false)) return done(json{{"do", "cancelFileDialog"}});
        if (!event.contains("path") || !event["path"].is_string()) return refused("a file dialog answer needs a path");
        return done(json{{"do", "answerFileDialog"}, {"path", event["path"]}});
    }
    return refused("unknown action \"" + type + "\"");
}

}  // namespace kvhost
