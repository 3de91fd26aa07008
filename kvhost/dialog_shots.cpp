#include "dialog_shots.h"

#include <cstdio>

#include "render/output.h"
#include "render/window.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace kvhost {

std::string dialogPictureName(HWND window) {
    if (win::isMessageBox(window)) return "messagebox";
    if (win::isFileDialog(window)) return "filedialog";
    const int id = win::dialogResourceId(window);
    return id > 0 ? std::to_string(id) : std::string();
}

DialogShots::DialogShots(std::string folder, win::InputSource* inner, int& counter, int onlyDialog, bool svg)
    : folder_(std::move(folder)), inner_(inner), onlyDialog_(onlyDialog), svg_(svg), counter_(counter) {}

void DialogShots::write(const render::Scene& scene, const std::string& name, const char* moment) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", ++counter_);
    const std::string path = folder_ + "/" + number + "-" + name + "-" + moment + (svg_ ? ".svg" : ".png");
    render::WriteResult result = svg_ ? render::writeSvg(scene, path) : render::writePng(scene, path);
    if (result.ok)
        written_.push_back(path);
    else
        errors_.push_back(path + ": " + result.error);
}

void DialogShots::look() {
    // Closed since the last look: written with the look they had then.
    for (auto it = open_.begin(); it != open_.end();) {
        if (IsWindow(it->first) && IsWindowVisible(it->first)) {
            ++it;
            continue;
        }
        write(it->second.lastLook, it->second.name, "closing");
        it = open_.erase(it);
    }
    // Bottom-most first, so that a dialog opened from another is numbered after it.
    std::vector<HWND> windows = win::topLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        HWND window = *it;
        if (!IsWindowVisible(window)) continue;
        std::string name = dialogPictureName(window);
        if (name.empty()) continue;
        if (onlyDialog_ > 0 && win::dialogResourceId(window) != onlyDialog_) continue;
        render::Scene scene = render::sceneOfWindow(window);
        auto known = open_.find(window);
        if (known == open_.end()) {
            write(scene, name, "shown");
            open_.emplace(window, Seen{name, std::move(scene)});
        } else {
            known->second.lastLook = std::move(scene);
        }
    }
}

bool DialogShots::nextAction(HWND waiting) {
    look();
    return inner_ && inner_->nextAction(waiting);
}

void DialogShots::abandoned(HWND dialog) {
    if (inner_) inner_->abandoned(dialog);
}

}  // namespace kvhost
