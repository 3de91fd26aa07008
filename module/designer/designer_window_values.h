#pragma once
// Values of template controls as text, read from and written to their windows.  Kept apart
// from the template so that drawing (which sets the initial value) and the by-id calls share
// one rule per control type.

#include "core/kv_string.h"
#include "designer/kv_designer_control.h"
#include "win/types.h"

namespace designer_values {

// Check boxes: "0", "1" or the undetermined text; the choice list: its selected index; every
// other type: the window text.
Kv_String getWindowValue(const Kv_DesignerControl& control, HWND window);
// The cell buttons ignore values (true); check boxes switch between two and three states; the
// choice list selects the index; every other type takes the text.
bool setWindowValue(const Kv_DesignerControl& control, HWND window, const Kv_String& value);
// The text shown for the third state of a check box.
Kv_String undeterminedText();

}  // namespace designer_values
