// The scripted input source: a test's list of a person's actions, carried out one at a time
// when a loop has nothing else to do.

#include <sstream>

#include "dialog/dialog.h"
#include "kernel/kernel.h"
#include "win/commdlg.h"
#include "win/combo_checks.h"
#include "win/input.h"
#include "win/readback.h"
#include "win/system.h"

namespace win {

using detail::droppedInput;
using detail::lower;

struct ScriptedInput::Step {
    enum class Kind {
        Click,
        DoubleClick,
        ClickAt,
        DoubleClickAt,
        RightClick,
        MouseDown,
        MouseMove,
        MouseUp,
        Wheel,
        Type,
        Key,
        KeyDown,
        KeyUp,
        ChooseIndex,
        ChooseText,
        ToggleCheck,
        ChooseTab,
        Close,
        Resize,
        AnswerMessageBox,
        AnswerFile,
        CancelFile,
        MenuChoose,
        MenuDismiss,
        Wait,
        Inspect
    };
    Kind kind = Kind::Click;
    int dialogId = 0;
    int controlId = 0;
    POINT at;
    unsigned modifiers = 0;
    std::string text;
    int index = -1;
    UINT vk = 0;
    int cx = 0, cy = 0;
    UINT id = 0;
    unsigned ms = 0;
    std::function<void()> check;
    int phase = 0;
};

namespace {

using Kind = ScriptedInput::Step::Kind;

std::string describeStep(const ScriptedInput::Step& s) {
    std::ostringstream o;
    auto in = [&] { o << " in dialog " << s.dialogId; };
    auto ctl = [&] {
        if (s.controlId)
            o << " control " << s.controlId;
        else
            o << " the dialog";
        in();
    };
    auto pt = [&] { o << " at (" << s.at.x << "," << s.at.y << ")"; };
    switch (s.kind) {
    case Kind::Click:
        o << "click";
        ctl();
        break;
    case Kind::DoubleClick:
        o << "double-click";
        ctl();
        break;
    case Kind::ClickAt:
        o << "click";
        ctl();
        pt();
        break;
    case Kind::DoubleClickAt:
        o << "double-click";
        ctl();
        pt();
        break;
    case Kind::RightClick:
        o << "right-click";
        ctl();
        pt();
        break;
    case Kind::MouseDown:
        o << "mouse down";
        ctl();
        pt();
        break;
    case Kind::MouseMove:
        o << "mouse move";
        ctl();
        pt();
        break;
    case Kind::MouseUp:
        o << "mouse up";
        ctl();
        pt();
        break;
    case Kind::Wheel:
        o << "wheel " << s.index << " notch(es)";
        ctl();
        pt();
        break;
    case Kind::Type:
        o << "type \"" << s.text << "\"";
        in();
        break;
    case Kind::Key:
        o << "key " << s.vk;
        in();
        break;
    case Kind::KeyDown:
        o << "key down " << s.vk;
        in();
        break;
    case Kind::KeyUp:
        o << "key up " << s.vk;
        in();
        break;
    case Kind::ChooseIndex:
        o << "choose entry " << s.index << " of";
        ctl();
        break;
    case Kind::ChooseText:
        o << "choose \"" << s.text << "\" in";
        ctl();
        break;
    case Kind::ToggleCheck:
        o << "toggle the check mark of entry " << s.index << " of";
        ctl();
        break;
    case Kind::ChooseTab:
        o << "choose tab " << s.index << " of";
        ctl();
        break;
    case Kind::Close: o << "close dialog " << s.dialogId; break;
    case Kind::Resize: o << "resize dialog " << s.dialogId << " to " << s.cx << "x" << s.cy; break;
    case Kind::AnswerMessageBox: o << "answer the message box with button " << s.id; break;
    case Kind::AnswerFile: o << "answer the file dialog with \"" << s.text << "\""; break;
    case Kind::CancelFile: o << "cancel the file dialog"; break;
    case Kind::MenuChoose: o << "choose menu item " << s.id; break;
    case Kind::MenuDismiss: o << "dismiss the menu"; break;
    case Kind::Wait: o << "wait " << s.ms << " ms"; break;
    case Kind::Inspect: o << s.text; break;
    }
    return o.str();
}

std::string describeDialog(HWND dialog) {
    std::ostringstream o;
    char caption[256] = {};
    GetWindowText(dialog, caption, sizeof caption);
    if (isMessageBox(dialog)) {
        o << "a message box \"" << caption << "\"";
        for (const MessageBoxRecord& r : messageBoxHistory())
            if (r.hwnd == dialog) o << " saying \"" << r.text << "\"";
    } else if (describeWindow(dialog).kind == "menu") {
        o << "a popup menu";
    } else if (isFileDialog(dialog)) {
        o << "the file dialog \"" << caption << "\"";
    } else if (int id = dialogResourceId(dialog)) {
        o << "dialog " << id << " \"" << caption << "\"";
    } else {
        o << "window \"" << caption << "\"";
    }
    return o.str();
}

}  // namespace

ScriptedInput::ScriptedInput() = default;
ScriptedInput::~ScriptedInput() {
    if (inputSource() == this) setInputSource(nullptr);
}

ScriptedInput& ScriptedInput::add(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

#define KV_STEP(kindName) \
    Step s;               \
    s.kind = Kind::kindName

ScriptedInput& ScriptedInput::click(int d, int c, unsigned m) {
    KV_STEP(Click);
    s.dialogId = d;
    s.controlId = c;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::doubleClick(int d, int c) {
    KV_STEP(DoubleClick);
    s.dialogId = d;
    s.controlId = c;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::clickAt(int d, int c, POINT at, unsigned m) {
    KV_STEP(ClickAt);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::doubleClickAt(int d, int c, POINT at) {
    KV_STEP(DoubleClickAt);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::rightClick(int d, int c, POINT at) {
    KV_STEP(RightClick);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::mouseDown(int d, int c, POINT at, unsigned m) {
    KV_STEP(MouseDown);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::mouseMove(int d, int c, POINT at, unsigned m) {
    KV_STEP(MouseMove);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::mouseUp(int d, int c, POINT at, unsigned m) {
    KV_STEP(MouseUp);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::wheel(int d, int c, POINT at, int notches) {
    KV_STEP(Wheel);
    s.dialogId = d;
    s.controlId = c;
    s.at = at;
    s.index = notches;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::type(int d, const std::string& text) {
    KV_STEP(Type);
    s.dialogId = d;
    s.text = text;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::key(int d, UINT vk, unsigned m) {
    KV_STEP(Key);
    s.dialogId = d;
    s.vk = vk;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::keyDown(int d, UINT vk, unsigned m) {
    KV_STEP(KeyDown);
    s.dialogId = d;
    s.vk = vk;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::keyUp(int d, UINT vk, unsigned m) {
    KV_STEP(KeyUp);
    s.dialogId = d;
    s.vk = vk;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::choose(int d, int c, int index, unsigned m) {
    KV_STEP(ChooseIndex);
    s.dialogId = d;
    s.controlId = c;
    s.index = index;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::choose(int d, int c, const std::string& text, unsigned m) {
    KV_STEP(ChooseText);
    s.dialogId = d;
    s.controlId = c;
    s.text = text;
    s.modifiers = m;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::toggleCheck(int d, int c, int index) {
    KV_STEP(ToggleCheck);
    s.dialogId = d;
    s.controlId = c;
    s.index = index;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::chooseTab(int d, int c, int index) {
    KV_STEP(ChooseTab);
    s.dialogId = d;
    s.controlId = c;
    s.index = index;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::close(int d) {
    KV_STEP(Close);
    s.dialogId = d;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::resize(int d, int cx, int cy) {
    KV_STEP(Resize);
    s.dialogId = d;
    s.cx = cx;
    s.cy = cy;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::answerMessageBox(int id) {
    KV_STEP(AnswerMessageBox);
    s.id = static_cast<UINT>(id);
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::answerFileDialog(const std::string& path) {
    KV_STEP(AnswerFile);
    s.text = path;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::cancelFileDialog() {
    KV_STEP(CancelFile);
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::chooseMenuItem(UINT id) {
    KV_STEP(MenuChoose);
    s.id = id;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::dismissMenu() {
    KV_STEP(MenuDismiss);
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::wait(unsigned ms) {
    KV_STEP(Wait);
    s.ms = ms;
    return add(std::move(s));
}
ScriptedInput& ScriptedInput::inspect(std::function<void()> check, std::string label) {
    KV_STEP(Inspect);
    s.check = std::move(check);
    s.text = std::move(label);
    return add(std::move(s));
}

#undef KV_STEP

bool ScriptedInput::finished() const { return next_ >= steps_.size(); }
size_t ScriptedInput::stepsTaken() const { return next_; }
size_t ScriptedInput::stepsLeft() const { return steps_.size() - next_; }
bool ScriptedInput::failed() const { return !failures_.empty(); }
const std::vector<std::string>& ScriptedInput::notes() const { return notes_; }
void ScriptedInput::onFailure(std::function<void(const std::string&)> handler) { failureHandler_ = std::move(handler); }

std::string ScriptedInput::failure() const {
    std::string all;
    for (const std::string& f : failures_) all += f + "\n";
    return all;
}

std::string ScriptedInput::describe(size_t index) const {
    if (index >= steps_.size()) return "the start of the script";
    return "step " + std::to_string(index + 1) + " (" + describeStep(steps_[index]) + ")";
}

void ScriptedInput::fail(const std::string& message) {
    failures_.push_back(message);
    stopped_ = true;
    if (failureHandler_) failureHandler_(message);
}

void ScriptedInput::collectDropped() {
    auto& dropped = droppedInput();
    if (droppedSeen_ > dropped.size()) droppedSeen_ = 0;
    for (; droppedSeen_ < dropped.size(); ++droppedSeen_)
        notes_.push_back("after " + describe(next_ == 0 ? 0 : next_ - 1) + ": " + dropped[droppedSeen_] +
                         " was ignored");
}

// One function per kind of step.  Each returns Done, Again (the step is carried out over more
// than one turn of the loop, as a combo box whose list must open first) or Failed, after
// recording why.
struct ScriptedInput::StepPerformers {
    // The dialog a step addresses and its control (the dialog itself for control id 0).
    struct Target {
        HWND dialog = nullptr;
        HWND control = nullptr;
        std::string className;  // the control's, lower case
    };

    static Outcome failed(ScriptedInput& script, const std::string& why) {
        script.fail(script.describe(script.next_) + ": " + why);
        return Outcome::Failed;
    }

    static Outcome wait(ScriptedInput&, Step& s) {
        advanceClock(s.ms);
        return Outcome::Done;
    }

    static Outcome inspect(ScriptedInput&, Step& s) {
        if (s.check) s.check();
        return Outcome::Done;
    }

    static Outcome answerMessageBox(ScriptedInput& script, Step& s) {
        HWND box = innermostMessageBox();
        if (!box) return failed(script, "no message box is open");
        HWND button = GetDlgItem(box, static_cast<int>(s.id));
        if (!button) return failed(script, describeDialog(box) + " has no button " + std::to_string(s.id));
        input::clickCenter(button);
        return Outcome::Done;
    }

    static Outcome answerFileDialog(ScriptedInput& script, Step& s) {
        HWND dlg = innermostFileDialog();
        if (!dlg) return failed(script, "no file dialog is open");
        input::clickCenter(GetDlgItem(dlg, KV_FILEDLG_NAME));
        input::pressKey(VK_HOME);
        input::pressKey(VK_END, input::Shift);
        input::typeText(s.text);
        input::clickCenter(GetDlgItem(dlg, IDOK));
        return Outcome::Done;
    }

    static Outcome cancelFileDialog(ScriptedInput& script, Step&) {
        HWND dlg = innermostFileDialog();
        if (!dlg) return failed(script, "no file dialog is open");
        input::clickCenter(GetDlgItem(dlg, IDCANCEL));
        return Outcome::Done;
    }

    // A menu is chosen from as a person does: a click on the item, or Escape to close it.
    static Outcome chooseMenuItem(ScriptedInput& script, Step& s) {
        HWND menu = openPopupMenu();
        if (!menu) return failed(script, "no popup menu is open");
        PopupMenuState state;
        describePopupMenu(menu, state);
        for (size_t i = 0; i < state.items.size(); ++i) {
            const MenuItemRecord& item = state.items[i];
            if (item.separator || item.popup || item.id != s.id) continue;
            const RECT& r = state.itemRects[i];
            input::click(menu, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
            return Outcome::Done;
        }
        return failed(script, "the popup menu has no item " + std::to_string(s.id));
    }

    static Outcome dismissMenu(ScriptedInput& script, Step&) {
        if (!openPopupMenu()) return failed(script, "no popup menu is open");
        input::pressKey(VK_ESCAPE);
        return Outcome::Done;
    }

    static bool findTarget(ScriptedInput& script, const Step& s, Target& target) {
        target.dialog = s.dialogId ? findOpenDialog(s.dialogId) : GetActiveWindow();
        if (!target.dialog) {
            failed(script,
                   s.dialogId ? "dialog " + std::to_string(s.dialogId) + " is not open" : "no window is active");
            return false;
        }
        target.control = target.dialog;
        if (s.controlId) {
            target.control = findControl(target.dialog, s.controlId);
            if (!target.control) {
                failed(script, describeDialog(target.dialog) + " has no control " + std::to_string(s.controlId));
                return false;
            }
        }
        target.className = lower(describeWindow(target.control).className);
        return true;
    }

    static Outcome click(ScriptedInput&, Step& s, const Target& t) {
        input::clickCenter(t.control, s.modifiers);
        return Outcome::Done;
    }

    static Outcome doubleClick(ScriptedInput&, Step&, const Target& t) {
        RECT r;
        GetClientRect(t.control, &r);
        input::doubleClick(t.control, POINT{r.right / 2, r.bottom / 2});
        return Outcome::Done;
    }

    static Outcome clickAt(ScriptedInput&, Step& s, const Target& t) {
        input::click(t.control, s.at, s.modifiers);
        return Outcome::Done;
    }

    static Outcome doubleClickAt(ScriptedInput&, Step& s, const Target& t) {
        input::doubleClick(t.control, s.at);
        return Outcome::Done;
    }

    static Outcome rightClick(ScriptedInput&, Step& s, const Target& t) {
        input::rightClick(t.control, s.at);
        return Outcome::Done;
    }

    static Outcome mouseDown(ScriptedInput&, Step& s, const Target& t) {
        input::mouseDown(t.control, s.at, input::Button::Left, s.modifiers);
        return Outcome::Done;
    }

    static Outcome mouseMove(ScriptedInput&, Step& s, const Target& t) {
        input::mouseMove(t.control, s.at, s.modifiers);
        return Outcome::Done;
    }

    static Outcome mouseUp(ScriptedInput&, Step& s, const Target& t) {
        input::mouseUp(t.control, s.at, input::Button::Left, s.modifiers);
        return Outcome::Done;
    }

    static Outcome wheel(ScriptedInput&, Step& s, const Target& t) {
        input::mouseWheel(t.control, s.at, s.index);
        return Outcome::Done;
    }

    // Keys go to the focused window; a step meant for one dialog must not type into another.
    static bool keyboardIsIn(HWND dialog) {
        HWND focus = GetFocus();
        HWND owner = focus ? GetAncestor(focus, GA_ROOT) : GetActiveWindow();
        return owner == GetAncestor(dialog, GA_ROOT);
    }

    static Outcome keyboardElsewhere(ScriptedInput& script, const Target& t) {
        return failed(script, "the keyboard is not in " + describeDialog(t.dialog));
    }

    static Outcome type(ScriptedInput& script, Step& s, const Target& t) {
        if (!keyboardIsIn(t.dialog)) return keyboardElsewhere(script, t);
        input::typeText(s.text);
        return Outcome::Done;
    }

    static Outcome key(ScriptedInput& script, Step& s, const Target& t) {
        if (!keyboardIsIn(t.dialog)) return keyboardElsewhere(script, t);
        input::pressKey(s.vk, s.modifiers);
        return Outcome::Done;
    }

    static Outcome keyDown(ScriptedInput& script, Step& s, const Target& t) {
        if (!keyboardIsIn(t.dialog)) return keyboardElsewhere(script, t);
        input::keyDown(s.vk, s.modifiers);
        return Outcome::Done;
    }

    static Outcome keyUp(ScriptedInput& script, Step& s, const Target& t) {
        if (!keyboardIsIn(t.dialog)) return keyboardElsewhere(script, t);
        input::keyUp(s.vk, s.modifiers);
        return Outcome::Done;
    }

    static bool isList(const Target& t) { return t.className == "listbox" || t.className == "combobox"; }

    static Outcome notAList(ScriptedInput& script, const Step& s) {
        return failed(script, "control " + std::to_string(s.controlId) + " is not a list");
    }

    // A combo box that drops its list is opened first (one turn) and chosen from once open.
    static Outcome chooseIndex(ScriptedInput& script, Step& s, const Target& t) {
        if (!isList(t)) return notAList(script, s);
        WindowInfo info = describeWindow(t.control);
        if (s.index < 0 || s.index >= static_cast<int>(info.items.size()))
            return failed(script, "control " + std::to_string(s.controlId) + " has no entry " +
                                      std::to_string(s.index) + " (it has " + std::to_string(info.items.size()) + ")");
        if (t.className == "listbox") {
            input::clickListItem(t.control, s.index, s.modifiers);
            return Outcome::Done;
        }
        bool simple = (info.style & 3) == CBS_SIMPLE;
        if (!simple && !info.dropped) {
            if (s.phase > 0) {
                script.notes_.push_back(script.describe(script.next_) + ": the list did not open");
                return Outcome::Done;
            }
            ++s.phase;
            input::chooseComboItem(t.control, s.index);
            return Outcome::Again;
        }
        input::chooseComboItem(t.control, s.index);
        return Outcome::Done;
    }

    static Outcome chooseText(ScriptedInput& script, Step& s, const Target& t) {
        if (!isList(t)) return notAList(script, s);
        WindowInfo info = describeWindow(t.control);
        auto it = std::find(info.items.begin(), info.items.end(), s.text);
        if (it == info.items.end())
            return failed(script, "control " + std::to_string(s.controlId) + " has no entry \"" + s.text + "\"");
        s.index = static_cast<int>(it - info.items.begin());
        return chooseIndex(script, s, t);
    }

    static Outcome toggleCheck(ScriptedInput& script, Step& s, const Target& t) {
        if (t.className == "combobox" && SendMessage(t.control, CB_GETCHECKSTYLE, 0, 0)) {
            if (s.index < 0 || s.index >= static_cast<int>(SendMessage(t.control, CB_GETCOUNT, 0, 0)))
                return failed(script,
                              "control " + std::to_string(s.controlId) + " has no entry " + std::to_string(s.index));
            return toggleComboCheck(script, s, t.control);
        }
        if (t.className != "listbox" || !SendMessage(t.control, LB_GETCHECKSTYLE, 0, 0))
            return failed(script, "control " + std::to_string(s.controlId) + " is not a check list");
        if (s.index < 0 || s.index >= static_cast<int>(SendMessage(t.control, LB_GETCOUNT, 0, 0)))
            return failed(script,
                          "control " + std::to_string(s.controlId) + " has no entry " + std::to_string(s.index));
        input::clickListCheck(t.control, s.index);
        return Outcome::Done;
    }

    // A mark of a check combo box is ticked as a person does: the list is opened with its arrow,
    // the mark clicked, and the list, when it is still open, closed again with Escape (the
    // selection stays as it was).  Each is a phase of its own, so that what the tick brings up (a
    // message box) is there before the next.
    static Outcome toggleComboCheck(ScriptedInput& script, Step& s, HWND combo) {
        const bool simple = (describeWindow(combo).style & 3) == CBS_SIMPLE;
        const bool dropped = describeWindow(combo).dropped;
        switch (s.phase) {
        case 0:
            ++s.phase;
            if (simple || dropped) return toggleComboCheck(script, s, combo);
            input::clickComboCheck(combo, s.index);
            return Outcome::Again;
        case 1:
            if (!simple && !dropped) {
                script.notes_.push_back(script.describe(script.next_) + ": the list did not open");
                return Outcome::Done;
            }
            ++s.phase;
            input::clickComboCheck(combo, s.index);
            return simple ? Outcome::Done : Outcome::Again;
        default:
            if (dropped) input::pressKey(VK_ESCAPE);
            return Outcome::Done;
        }
    }

    static Outcome chooseTab(ScriptedInput& script, Step& s, const Target& t) {
        if (t.className != "systabcontrol32")
            return failed(script, "control " + std::to_string(s.controlId) + " is not a tab control");
        if (s.index < 0 || s.index >= static_cast<int>(SendMessage(t.control, TCM_GETITEMCOUNT, 0, 0)))
            return failed(script, "control " + std::to_string(s.controlId) + " has no tab " + std::to_string(s.index));
        input::clickTab(t.control, s.index);
        return Outcome::Done;
    }

    static Outcome close(ScriptedInput&, Step&, const Target& t) {
        input::closeWindow(t.dialog);
        return Outcome::Done;
    }

    static Outcome resize(ScriptedInput&, Step& s, const Target& t) {
        input::resizeWindow(t.dialog, s.cx, s.cy);
        return Outcome::Done;
    }
};

ScriptedInput::Outcome ScriptedInput::perform(Step& s) {
    using P = StepPerformers;
    // Steps that address no dialog of their own.
    switch (s.kind) {
    case Kind::Wait: return P::wait(*this, s);
    case Kind::Inspect: return P::inspect(*this, s);
    case Kind::AnswerMessageBox: return P::answerMessageBox(*this, s);
    case Kind::AnswerFile: return P::answerFileDialog(*this, s);
    case Kind::CancelFile: return P::cancelFileDialog(*this, s);
    case Kind::MenuChoose: return P::chooseMenuItem(*this, s);
    case Kind::MenuDismiss: return P::dismissMenu(*this, s);
    default: break;
    }
    P::Target t;
    if (!P::findTarget(*this, s, t)) return Outcome::Failed;
    switch (s.kind) {
    case Kind::Click: return P::click(*this, s, t);
    case Kind::DoubleClick: return P::doubleClick(*this, s, t);
    case Kind::ClickAt: return P::clickAt(*this, s, t);
    case Kind::DoubleClickAt: return P::doubleClickAt(*this, s, t);
    case Kind::RightClick: return P::rightClick(*this, s, t);
    case Kind::MouseDown: return P::mouseDown(*this, s, t);
    case Kind::MouseMove: return P::mouseMove(*this, s, t);
    case Kind::MouseUp: return P::mouseUp(*this, s, t);
    case Kind::Wheel: return P::wheel(*this, s, t);
    case Kind::Type: return P::type(*this, s, t);
    case Kind::Key: return P::key(*this, s, t);
    case Kind::KeyDown: return P::keyDown(*this, s, t);
    case Kind::KeyUp: return P::keyUp(*this, s, t);
    case Kind::ChooseIndex: return P::chooseIndex(*this, s, t);
    case Kind::ChooseText: return P::chooseText(*this, s, t);
    case Kind::ToggleCheck: return P::toggleCheck(*this, s, t);
    case Kind::ChooseTab: return P::chooseTab(*this, s, t);
    case Kind::Close: return P::close(*this, s, t);
    case Kind::Resize: return P::resize(*this, s, t);
    default: return Outcome::Done;
    }
}

bool ScriptedInput::nextAction(HWND) {
    collectDropped();
    if (stopped_ || next_ >= steps_.size()) return false;
    Step& s = steps_[next_];
    Outcome o = perform(s);
    if (o == Outcome::Failed) return false;
    if (o == Outcome::Done) ++next_;
    return true;
}

void ScriptedInput::abandoned(HWND dialog) {
    collectDropped();
    if (stopped_ && !failures_.empty()) {
        failures_.push_back(describeDialog(dialog) + " was closed because the script stopped");
        return;
    }
    fail("the input script ended after " + (next_ == 0 ? std::string("no steps") : describe(next_ - 1)) + " while " +
         describeDialog(dialog) + " was still open");
}

void ScriptedInput::runModeless() {
    InputSource* previous = setInputSource(this);
    while (!stopped_ && next_ < steps_.size()) {
        collectDropped();
        Step& s = steps_[next_];
        Outcome o = perform(s);
        if (o == Outcome::Failed) break;
        if (o == Outcome::Done) ++next_;
        pumpMessages();
    }
    collectDropped();
    setInputSource(previous == this ? nullptr : previous);
    if (previous) setInputSource(previous);
}

}  // namespace win
