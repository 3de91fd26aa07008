#pragma once
// Pictures of the dialogs a scenario opens.  The window system has no notification for a
// dialog being shown or closed, so the pictures are taken where every modal loop passes: an
// input source placed in front of the scenario's script.  Each time a loop asks for the next
// action, dialogs seen for the first time are pictured ("shown"), and the look of every open
// dialog is kept; a dialog that has gone by the next look (or by the end of the step) is
// written with the look it had before the action that closed it ("closing").
//
// Files: DIR/NNN-<resource id>-shown.png and DIR/NNN-<resource id>-closing.png (or .svg),
// NNN counting up from 001 over the whole run; message boxes and file dialogs use "messagebox" and
// "filedialog" for the id.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "render/scene.h"
#include "win/input.h"

namespace kvhost {

class DialogShots : public win::InputSource {
public:
    // `onlyDialog` > 0 limits the pictures to dialogs of that resource id.
    // `counter` numbers the pictures; it is shared by every step of a run.
    DialogShots(std::string folder, win::InputSource* inner, int& counter, int onlyDialog = 0, bool svg = false);

    // Notes new and vanished dialogs now (the end of a step, when no loop asks any more).
    void look();
    // Files written so far, in order; failures to write, one line each.
    const std::vector<std::string>& written() const { return written_; }
    const std::vector<std::string>& errors() const { return errors_; }

    bool nextAction(HWND waiting) override;
    void abandoned(HWND dialog) override;

private:
    struct Seen {
        std::string name;
        render::Scene lastLook;
    };
    void write(const render::Scene& scene, const std::string& name, const char* moment);

    std::string folder_;
    win::InputSource* inner_;
    int onlyDialog_;
    bool svg_;
    int& counter_;
    std::map<HWND, Seen> open_;
    std::vector<std::string> written_;
    std::vector<std::string> errors_;
};

// The name a picture uses for a top-level window: its dialog resource id, "messagebox",
// "filedialog", or empty for a window that is not a dialog.
std::string dialogPictureName(HWND window);

}  // namespace kvhost
