#include "session_recorder.h"

#include <filesystem>
#include <fstream>

#include "base/cp1252.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace kvhost {

namespace {

using nlohmann::json;

void addChecks(HWND root, HWND parent, int dialog, json& checks) {
    for (HWND child : win::childWindows(parent)) {
        const win::WindowInfo info = win::describeWindow(child);
        if (!info.visible) continue;
        const bool named =
            info.id != 0 && info.id != -1 && info.id != 0xFFFF && win::findControl(root, info.id) == child;
        if (named) {
            json check{{"do", "check"}, {"dialog", dialog}, {"control", info.id}};
            if (info.kind == "edit" || info.kind == "combo")
                check["text"] = base::cp1252ToUtf8(info.text);
            else if (info.check >= 0)
                check["checked"] = info.check;
            else if (info.kind == "list")
                check["selection"] = info.selected;
            if (check.size() > 3) checks.push_back(check);
        }
        addChecks(root, child, dialog, checks);
    }
}

}  // namespace

json checksOfOpenDialogs() {
    json checks = json::array();
    std::vector<HWND> windows = win::topLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        const int dialog = win::dialogResourceId(*it);
        if (dialog <= 0 || !IsWindowVisible(*it) || win::findOpenDialog(dialog) != *it) continue;
        addChecks(*it, *it, dialog, checks);
    }
    return checks;
}

void SessionRecorder::beginCall(const std::string& name, const json& arguments) {
    if (!enabled()) return;
    steps_.push_back(json{{"call", name}, {"arguments", arguments}, {"user", json::array()}});
    lastChecks_ = json::array();
    checksBefore_ = 0;
    inCall_ = true;
}

void SessionRecorder::addAction(const json& action) {
    if (!enabled() || steps_.empty()) return;
    steps_.back()["user"].push_back(action);
}

void SessionRecorder::noteShown() {
    if (!enabled() || !inCall_ || steps_.empty()) return;
    lastChecks_ = checksOfOpenDialogs();
    checksBefore_ = steps_.back()["user"].size();
}

bool SessionRecorder::endCall(const json& outputs, std::string& error) {
    if (!enabled() || steps_.empty()) return true;
    json& step = steps_.back();
    json& user = step["user"];
    if (!lastChecks_.empty() && checksBefore_ < user.size()) {
        // What the person saw just before the action that ended the call.
        json merged = json::array();
        for (size_t i = 0; i < user.size(); ++i) {
            if (i == checksBefore_)
                for (const json& check : lastChecks_) merged.push_back(check);
            merged.push_back(user[i]);
        }
        user = merged;
    }
    if (user.empty()) step.erase("user");
    step["expect"] = outputs;
    inCall_ = false;
    lastChecks_ = json::array();
    return write(error);
}

bool SessionRecorder::write(std::string& error) const {
    if (!enabled()) return true;
    json scenario{{"title", "Recorded with kvhost serve"}, {"steps", steps_}};
    const std::string temp = path_ + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << scenario.dump(2) << "\n";
        if (!out) {
            error = "cannot write " + path_;
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path_, ec);
    if (ec) {
        error = "cannot write " + path_ + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace kvhost
