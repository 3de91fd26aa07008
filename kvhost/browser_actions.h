#pragma once
// A person's action on the page (a mouse event at a screen point, a key, typed text, a pick or
// file dialog answer) turned into a user action of the scenario language, addressed the way a
// scenario addresses it: dialog resource id, control id and a point of the control's client
// area.  kvhost serve carries out exactly that action, so the recording replays the same input.

#include <string>

#include <nlohmann/json.hpp>

namespace kvhost {

struct TranslatedAction {
    bool ok = false;
    bool ignored = false;   // nothing to do (a hover, a click on a message box's text)
    nlohmann::json action;  // the user action, when ok
    std::string error;      // why it cannot be done, when neither ok nor ignored
};

// Reads the open windows; runs on the thread of the window system.
TranslatedAction translateBrowserAction(const nlohmann::json& event);

}  // namespace kvhost
