// The modeless macro dialogs: their slots, the delayed close while the drawing is busy, and
// the close without waiting at unload.
#include "macro/dlg_macro_modeless.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/macro_instances.h"
#include "frame/modeless_tables.h"
#include "frame/module_resource_scope.h"
#include "host/command_line.h"
#include "host/main_window.h"
#include "macro/dlg_macro.h"
#include "macro/macro_ids.h"

namespace {

constexpr UINT kDelayedCloseMs = 50;

// A slot's entry: the dialog it owns and its number.
class ModelessMacroDialog : public frame::ModelessDialog {
public:
    ModelessMacroDialog(std::unique_ptr<CDlgMacro> dialog, int number) : dialog_(std::move(dialog)), number_(number) {}
    bool endModeless() override { return EndDlgMacroModeless(number_); }
    bool endWithoutWaiting() override;
    CDlgMacro& dialog() { return *dialog_; }

private:
    std::unique_ptr<CDlgMacro> dialog_;
    int number_;
};

// A pending delayed close: the timer that retries it and the number of the dialog it closes.
// A dialog's pairs go with it whichever way it closes, so a later dialog given the same number
// is never closed by an old timer.
struct DelayedClose {
    UINT_PTR timer;
    int number;
};
std::vector<DelayedClose>& delayedCloses() {
    static std::vector<DelayedClose> pending;
    return pending;
}

ModelessMacroDialog* entryAt(int number) {
    return static_cast<ModelessMacroDialog*>(frame::ModelessMacroTable::instance().at(number));
}

void dropDelayedCloses(int number) {
    auto& pending = delayedCloses();
    for (const DelayedClose& close : pending)
        if (close.number == number) ::KillTimer(nullptr, close.timer);
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [number](const DelayedClose& close) { return close.number == number; }),
                  pending.end());
}

void delayedCloseTick(HWND, UINT, UINT_PTR timer, DWORD) {
    acutPrintf("%s", "Delayed timer called.\n");
    auto& pending = delayedCloses();
    auto found =
        std::find_if(pending.begin(), pending.end(), [timer](const DelayedClose& c) { return c.timer == timer; });
    if (found == pending.end()) return;
    const int number = found->number;
    ::KillTimer(nullptr, timer);
    // Dropped before the retry, so that a dialog still busy arms its next try.
    pending.erase(found);
    EndDlgMacroModeless(number);
}

// Destroys the dialog's window and frees its slot; false (the dialog kept) when the window
// would not go.
bool closeNow(int number) {
    ModelessMacroDialog* entry = entryAt(number);
    dropDelayedCloses(number);
    CDlgMacro& dialog = entry->dialog();
    if (dialog.m_hWnd && !dialog.DestroyWindow()) return false;
    delete entry;
    frame::ModelessMacroTable::instance().release(number);
    acedPostCommandPrompt();
    return true;
}

bool ModelessMacroDialog::endWithoutWaiting() { return closeNow(number_); }

}  // namespace

bool StartDlgMacroModeless(bool keepFocus, MacroData& macro, int& id) {
    frame::ModuleResourceScope scope;
    frame::ModelessMacroTable& table = frame::ModelessMacroTable::instance();
    id = table.length();
    for (int slot = 0; slot < table.length(); ++slot)
        if (!table.at(slot)) id = slot;
    auto dialog = std::make_unique<CDlgMacro>(host::mainWindow());
    dialog->modelessId = id;
    dialog->macro = macro;
    if (!dialog->Create(IDD_MACRO)) return false;
    dialog->ShowWindow(SW_SHOW);
    table.put(id, new ModelessMacroDialog(std::move(dialog), id));
    if (!keepFocus) host::mainWindow()->SetFocus();
    return true;
}

bool GetDlgMacroData(int id, MacroData& macro) {
    frame::ModuleResourceScope scope;
    ModelessMacroDialog* entry = entryAt(id);
    if (!entry) return false;
    macro = entry->dialog().macro;
    return true;
}

bool EndDlgMacroModeless(int id) {
    ModelessMacroDialog* entry = entryAt(id);
    if (!entry) return false;
    if (macroBusy(entry->dialog().macro)) {
        const auto& pending = delayedCloses();
        const bool waiting =
            std::any_of(pending.begin(), pending.end(), [id](const DelayedClose& c) { return c.number == id; });
        if (!waiting) delayedCloses().push_back({::SetTimer(nullptr, 0, kDelayedCloseMs, delayedCloseTick), id});
        return true;
    }
    return closeNow(id);
}
