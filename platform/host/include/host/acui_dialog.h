#pragma once
// The host's dialog bases.  Available with the window system (KV_HOST_HAS_WINDOWS).
//
// CAcUiDialog adds the editor command: a dialog that needs a pick in the drawing calls
// BeginEditorCommand (the dialog hides and, when modal, its owner takes input again, so the
// drawing can be used), picks (host/picks.h), then CompleteEditorCommand (the owner is blocked
// again and the dialog shows and is active again).  Begin and complete pair up; a second Begin
// before Complete is refused.  Closing the dialog during a command completes it first, so the
// host's window is never left blocked or the dialog hidden for good.

#include <string>
#include <vector>

#include "win/afxwin.h"

class CAcUiDialog : public CDialog {
public:
    explicit CAcUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);

    // False when there is no window or a command is already running.  With hide false the
    // dialog stays visible (a zoom, which needs no pick, lets the person watch the drawing).
    BOOL BeginEditorCommand(bool hide = true);
    // Does nothing when no command is running.
    void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
    // The user cancelled the pick: the dialog comes back as after CompleteEditorCommand.
    void CancelEditorCommand();
    bool inEditorCommand() const { return inEditorCommand_; }

    // The name under which the dialog's size is remembered ("DLG_...").  The host keeps only the
    // name; the dialogs restore and save sizes through the core library.
    void SetDialogName(const char* name) { dialogName_ = name ? name : ""; }
    const std::string& dialogName() const { return dialogName_; }

    // Ends a running editor command before the window goes.
    void OnDestroy() override;

private:
    bool inEditorCommand_ = false;
    bool ownerWasEnabled_ = true;
    std::string dialogName_;
};

class CAcUiTabMainDialog;

// One page of a tab main dialog: a child dialog placed in the tab control's display area.
class CAcUiTabChildDialog : public CAcUiDialog {
public:
    explicit CAcUiTabChildDialog(UINT templateId, CWnd* parent = nullptr);

    // Called when the page becomes the visible one (true) and when it is left (false).
    virtual void OnTabActivation(BOOL activate);
    // Called before the page is left; returning FALSE keeps it.
    virtual BOOL OnTabChanging();
    CAcUiTabMainDialog* GetMainDialog() const { return main_; }

    // Enter and Escape inside a page belong to the main dialog.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CAcUiTabMainDialog;
    CAcUiTabMainDialog* main_ = nullptr;
};

// A dialog whose tab control shows one page at a time.  The pages are the caller's objects;
// their windows are created by AddTab (the main dialog's window must exist, so call it from
// OnInitDialog) from page templates with the child style (WS_CHILD), and destroyed with the
// main dialog's window.
class CAcUiTabMainDialog : public CAcUiDialog {
public:
    explicit CAcUiTabMainDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);

    // The dialog's tab control that holds the pages (by control id).
    BOOL SetAcadTabControl(int tabControlId);
    // Adds a tab with a page made from the page template; the first page added becomes active.
    BOOL AddTab(int index, LPCSTR label, UINT pageTemplateId, CAcUiTabChildDialog* page);
    // Switches pages as a click on the tab would (the current page may refuse).
    BOOL SetActiveTab(int index);
    int GetActiveTab() const { return active_; }
    int GetTabCount() const { return static_cast<int>(pages_.size()); }
    CAcUiTabChildDialog* GetTabPage(int index) const;
    CTabCtrl* GetTabControl() const { return tab_; }
    // Places every page in the tab control's display area (after the tab control moved).
    void layoutPages();

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    bool showPage(int index);

    CTabCtrl* tab_ = nullptr;
    std::vector<CAcUiTabChildDialog*> pages_;
    int active_ = -1;
};
