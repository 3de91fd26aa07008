#pragma once
// The input seam: how a person's actions enter the window system.
//
// Every action becomes the messages Windows would send (mouse buttons at a screen point, keys
// to the focused window, characters); nothing sets a control's state directly, so a test proves
// what a person could do.  Mouse input is routed when it is taken from the queue: to the window
// holding the capture, else to the window under the point (disabled children pass the click to
// their parent, plain statics and group boxes are transparent).  Input aimed at a window whose
// top-level window is disabled (the owner of a running modal dialog) is dropped.
//
// A modal loop with no queued message, no pending paint and no due timer asks the attached
// InputSource for the next action.  ScriptedInput is the source tests use.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "win/types.h"

namespace win {

class InputSource {
public:
    virtual ~InputSource() = default;
    // Called by a waiting loop that has nothing else to do.  Posts the messages of the next
    // action and returns true, or returns false when the source has no more actions.
    // `waiting` is the window of the innermost loop (a dialog, or the window tracking the mouse).
    virtual bool nextAction(HWND waiting) = 0;
    // The loop of `dialog` (or of another window waiting for input: a popup menu, the host's
    // drawing during a pick) ends it because the source had no more actions.
    virtual void abandoned(HWND dialog) = 0;
};

// Returns the previous source.  nullptr detaches: loops then end at once when idle.
InputSource* setInputSource(InputSource* source);
InputSource* inputSource();

// The driver: posts the raw input of one action.  Points are in the client coordinates of the
// given window and are converted to screen points now, as a person aims at the screen.
namespace input {
enum Modifier : unsigned { NoModifier = 0, Shift = 1, Control = 2, Alt = 4 };
enum class Button { Left, Right };
void mouseDown(HWND window, POINT client, Button button = Button::Left, unsigned modifiers = 0);
void mouseMove(HWND window, POINT client, unsigned modifiers = 0);
void mouseUp(HWND window, POINT client, Button button = Button::Left, unsigned modifiers = 0);
void click(HWND window, POINT client, unsigned modifiers = 0);
void clickCenter(HWND window, unsigned modifiers = 0);  // the centre of the visible part
void doubleClick(HWND window, POINT client, unsigned modifiers = 0);
void rightClick(HWND window, POINT client, unsigned modifiers = 0);
void mouseWheel(HWND window, POINT client, int notches);  // positive: away from the user
void keyDown(UINT vk, unsigned modifiers = 0);
void keyUp(UINT vk, unsigned modifiers = 0);
void pressKey(UINT vk, unsigned modifiers = 0);
void typeText(const std::string& cp1252Text);
// A list box entry: scrolls it into view with the wheel, then clicks it (with modifiers for
// multiple selection).
void clickListItem(HWND listBox, int index, unsigned modifiers = 0);
void doubleClickListItem(HWND listBox, int index);
// Clicks the check mark of a check list entry.
void clickListCheck(HWND listBox, int index);
// Opens a combo box's list with its arrow and clicks the entry (keys when it is scrolled away).
void chooseComboItem(HWND comboBox, int index);
// Opens a check combo box's list with its arrow, or clicks the mark of the entry when it is open.
void clickComboCheck(HWND comboBox, int index);
void clickTab(HWND tabControl, int index);
void closeWindow(HWND window);                   // the close box of the caption
void resizeWindow(HWND window, int cx, int cy);  // dragging the frame to a new window size
}  // namespace input

// A script of a person's actions.  Steps address a dialog by its resource id (the most
// recently opened one with that id) and a control by its id; a control id of 0 means the
// dialog itself.  Steps that cannot be carried out (the dialog is not open, the control does
// not exist) record a failure naming the step and stop the script.  When a modal loop asks and
// the script is exhausted, the loop ends its dialog with -1 and a failure names the dialog and
// the last step taken.
class ScriptedInput : public InputSource {
public:
    ScriptedInput();
    ~ScriptedInput() override;
    ScriptedInput(const ScriptedInput&) = delete;
    ScriptedInput& operator=(const ScriptedInput&) = delete;

    ScriptedInput& click(int dialogId, int controlId, unsigned modifiers = 0);
    ScriptedInput& doubleClick(int dialogId, int controlId);
    ScriptedInput& clickAt(int dialogId, int controlId, POINT at, unsigned modifiers = 0);
    ScriptedInput& doubleClickAt(int dialogId, int controlId, POINT at);
    ScriptedInput& rightClick(int dialogId, int controlId, POINT at);
    ScriptedInput& mouseDown(int dialogId, int controlId, POINT at, unsigned modifiers = 0);
    ScriptedInput& mouseMove(int dialogId, int controlId, POINT at, unsigned modifiers = 0);
    ScriptedInput& mouseUp(int dialogId, int controlId, POINT at, unsigned modifiers = 0);
    ScriptedInput& wheel(int dialogId, int controlId, POINT at, int notches);
    // Characters to the focused window, which must be inside the dialog.
    ScriptedInput& type(int dialogId, const std::string& cp1252Text);
    ScriptedInput& key(int dialogId, UINT vk, unsigned modifiers = 0);
    ScriptedInput& keyDown(int dialogId, UINT vk, unsigned modifiers = 0);
    ScriptedInput& keyUp(int dialogId, UINT vk, unsigned modifiers = 0);
    // A list box or combo box entry by index or by its exact text.
    ScriptedInput& choose(int dialogId, int controlId, int index, unsigned modifiers = 0);
    ScriptedInput& choose(int dialogId, int controlId, const std::string& itemText, unsigned modifiers = 0);
    ScriptedInput& toggleCheck(int dialogId, int controlId, int index);  // check list mark
    ScriptedInput& chooseTab(int dialogId, int controlId, int index);
    ScriptedInput& close(int dialogId);
    ScriptedInput& resize(int dialogId, int cx, int cy);
    // The innermost open message box: a click on the button with this id (IDYES, IDNO...).
    ScriptedInput& answerMessageBox(int buttonId);
    // The innermost open file dialog: types the path into the file name field and clicks the
    // Open or Save button; or clicks Cancel.
    ScriptedInput& answerFileDialog(const std::string& path);
    ScriptedInput& cancelFileDialog();
    // The innermost open popup menu: a click on the item with this command id, or Escape.
    ScriptedInput& chooseMenuItem(UINT commandId);
    ScriptedInput& dismissMenu();
    // Advances the virtual clock (timers fire).
    ScriptedInput& wait(unsigned milliseconds);
    // Runs a check at this point of the script (inside the running modal loop).
    ScriptedInput& inspect(std::function<void()> check, std::string label = "inspect");

    // Carries out the remaining steps outside any modal loop, pumping messages after each (for
    // modeless windows).  Modal loops opened on the way take their steps from this script too.
    void runModeless();

    bool finished() const;
    size_t stepsTaken() const;
    size_t stepsLeft() const;
    bool failed() const;
    std::string failure() const;                    // every failure, one per line
    const std::vector<std::string>& notes() const;  // dropped input and other remarks
    // Called at each failure (tests install a handler that fails the test).
    void onFailure(std::function<void(const std::string&)> handler);

    // InputSource
    bool nextAction(HWND waiting) override;
    void abandoned(HWND dialog) override;

    struct Step;

private:
    enum class Outcome { Done, Again, Failed };
    struct StepPerformers;
    ScriptedInput& add(Step step);
    Outcome perform(Step& step);
    void collectDropped();
    void fail(const std::string& message);
    std::string describe(size_t index) const;

    std::vector<Step> steps_;
    size_t next_ = 0;
    size_t droppedSeen_ = 0;
    bool stopped_ = false;
    std::vector<std::string> failures_;
    std::vector<std::string> notes_;
    std::function<void(const std::string&)> failureHandler_;
};

}  // namespace win
