#pragma once
// The spreadsheet engine's C-style calls as the wrapper uses them, and the numbers the wrapper
// gives meaning to.  The calls themselves are the engine's (sheet/ss_api.h); this header only
// names the option, cell type and notification numbers the wrapper relies on.

#include <cstdint>

#include "sheet/limits.h"
#include "sheet/ss_api.h"

inline constexpr SS_COORD kSSHeader = SS_HEADER;

// Cell types the wrapper gives and recognises (SSGetCellType reports them in Type).
inline constexpr int32_t kSSTypeEdit = static_cast<int32_t>(sheet::CellKind::Edit);
inline constexpr int32_t kSSTypeStaticText = static_cast<int32_t>(sheet::CellKind::StaticText);
inline constexpr int32_t kSSTypeButton = static_cast<int32_t>(sheet::CellKind::Button);
inline constexpr int32_t kSSTypeComboBox = static_cast<int32_t>(sheet::CellKind::ComboBox);
inline constexpr int32_t kSSTypePicture = static_cast<int32_t>(sheet::CellKind::Picture);
inline constexpr int32_t kSSTypeCheckBox = static_cast<int32_t>(sheet::CellKind::CheckBox);
inline constexpr int32_t kSSTypeNumber = static_cast<int32_t>(sheet::CellKind::Number);

// Picture kinds of check-box pictures: 6 is a bitmap handle.
inline constexpr uint16_t kSSPictHandleBitmap = 6;

// Bytes the engine keeps in one cell's data or tag; a longer text is refused.
inline constexpr int kSSMaxTextLength = static_cast<int>(sheet::kMaxTextLength);

// Engine options the wrapper names (SSSetBool / SSGetBool).
inline constexpr int kSSOptRowHeaderShown = 4;
inline constexpr int kSSOptRedraw = 8;
inline constexpr int kSSOptBlockSelect = 13;
inline constexpr int kSSOptChanged = 30;

// Notification codes (high word of the WM_COMMAND the engine sends its parent) for a cell
// whose content a person changed.
inline constexpr int kSSNotifyChange = SSN_DATACHANGE;
inline constexpr int kSSNotifyEditChange = SSN_CELLCHANGE;
