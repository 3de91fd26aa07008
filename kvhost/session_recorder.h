#pragma once
// Writes what a person did in kvhost serve as a scenario: one step per call with the user
// actions in the order they were carried out, checks of what the open dialogs showed just
// before the action that ended the call, and the outputs as the step's expectation.  The file
// is written whole after every call, so `kvhost run` replays the session so far.

#include <string>

#include <nlohmann/json.hpp>

#include "win/types.h"

namespace kvhost {

class SessionRecorder {
public:
    explicit SessionRecorder(std::string path) : path_(std::move(path)) {}
    bool enabled() const { return !path_.empty(); }

    void beginCall(const std::string& name, const nlohmann::json& arguments);
    void addAction(const nlohmann::json& action);
    // Called each time the person is shown the dialogs and asked for the next action.
    void noteShown();
    // Ends the step: the checks of the last look go before the last action, the outputs
    // become the expectation.  False with a reason when the file cannot be written.
    bool endCall(const nlohmann::json& outputs, std::string& error);
    bool write(std::string& error) const;

private:
    std::string path_;
    nlohmann::json steps_ = nlohmann::json::array();
    nlohmann::json lastChecks_ = nlohmann::json::array();
    size_t checksBefore_ = 0;  // the number of actions when the last look was taken
    bool inCall_ = false;
};

// Checks of what the open dialogs show now: the text of edits and combo boxes, check marks,
// list selections.  Windows a scenario cannot name are left out.
nlohmann::json checksOfOpenDialogs();

}  // namespace kvhost
