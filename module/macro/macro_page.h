#pragma once
// CDlgMacroPage: what the macro input dialog asks of each of its pages, whatever the tab's
// kind (the template page today; the profile page joins it).  A page shows one tab of the
// dialog's macro, by its index in the macro's tabs, and reads and writes that tab in place.

#include "macro/macro_focus.h"
#include "win/afxwin.h"

class CDlgMacro;

class CDlgMacroPage : public CDialog {
public:
    CDlgMacroPage(UINT templateId, CDlgMacro* owner, int tabIndex)
        : CDialog(templateId, nullptr), owner_(owner), tabIndex_(tabIndex) {}

    int tabIndex() const { return tabIndex_; }
    CDlgMacro* owner() const { return owner_; }

    // Puts the tab's values into the controls again (after an apply or a load).
    virtual void fillControls() = 0;
    // Reads the controls back into the tab (an open sheet edit is committed first).
    virtual void readBack() = 0;
    // The size the page needs to show everything.
    virtual SIZE wantedSize() const = 0;
    // Where the focus is on this page now (Kind::None when it is elsewhere), and putting it back.
    virtual MacroFocusRecord focusNow() const = 0;
    virtual void restoreFocus(const MacroFocusRecord& where) = 0;
    // The focus to the first control of the page's first focus ring.
    virtual void focusFirst() = 0;

protected:
    CDlgMacro* owner_;
    int tabIndex_;
};
