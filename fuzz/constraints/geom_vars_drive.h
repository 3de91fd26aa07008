#pragma once
// Drives the geometry and variables pages over a record made from bytes: the page fields of
// EditConstrData are stored input whose arrays need not fit together (short and long arrays,
// freedom and flags out of range, variable types outside 0 to 7, NaN and infinite values,
// equations with mixed line breaks).  The editor is opened over the bundled sample's first
// macro, the record's page fields replaced by the bytes' own, and the rest of the bytes
// switch tabs, click and type in the sheets, add and delete rows, type equations and store,
// as a person would; finally the editor is ended.  Used by the fuzzer and, over a fixed set
// of inputs, by the module's tests.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "constraint_list_drive.h"
#include "constraints/constr_geom_vars_ids.h"

namespace constraint_fuzz {

inline void pageFieldsFrom(Bytes& in, EditConstrData& r) {
    static const char* const names[] = {"Outline", "Line", "", "t", "b", "len+", "x y"};
    static const char* const equations[] = {"a = t",          "",   "b = h\r\nc = t",
                                            "d = q\n\re = 2", "\r", "f = sqrt(b)\rg = 1"};
    static const double values[] = {
        0, 0.125, -3, 1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 12.5};
    const int elements = in.next(8);
    auto length = [&](int n) { return std::max(0, n + in.next(3) - 1); };
    r.geometryCells.removeAll();
    for (int i = elements; i > 0; --i) r.geometryCells.append(texts(in, 4, names, 7));
    r.flexibility = ints(in, length(elements), -2, 4);
    r.geometryFlag = ints(in, length(elements), -2, 3);
    const Kv_Array<AcDbObjectId> ids = r.geometryIds;
    r.geometryIds.removeAll();
    for (int i = length(elements); i > 0; --i)
        r.geometryIds.append(ids.isValidIndex(i - 1) && in.next(4) > 0 ? ids[i - 1]
                                                                       : AcDbObjectId::fromOldId(in.next(40)));
    r.geometryExtra = ints(in, length(elements), -1, 3);
    const int variables = in.next(7);
    r.macroVariableNames.removeAll();
    for (int i = variables; i > 0; --i) r.macroVariableNames.append(names[in.next(7)]);
    r.macroVariableValues.removeAll();
    for (int i = length(variables); i > 0; --i) r.macroVariableValues.append(values[in.next(7)]);
    r.macroVariableTypes.removeAll();
    for (int i = length(variables); i > 0; --i) r.macroVariableTypes.append(static_cast<std::int16_t>(in.next(14) - 3));
    r.dimensionNames = texts(in, 3, names, 7);
    r.dimensionValues = texts(in, 3, names, 7);
    r.equations = texts(in, 4, equations, 6);
}

// Gives the keyboard to the geometry sheet, the variables sheet or the equations.
inline void focusInput(Bytes& in, HWND geometry, HWND variables) {
    switch (in.next(3)) {
    case 0: ::SetFocus(::GetDlgItem(geometry, IDC_CG_SHEET)); break;
    case 1: ::SetFocus(::GetDlgItem(variables, IDC_CV_VARIABLES)); break;
    default: ::SetFocus(::GetDlgItem(variables, IDC_CV_EQUATIONS)); break;
    }
}

// Opens the editor over `drawingRecord` (a record of a loaded drawing, or an empty one) with
// its page fields from the bytes, and plays the rest of the bytes.
inline void driveGeometryAndVariables(const uint8_t* data, size_t size, EditConstrData drawingRecord) {
    Bytes in(data, size);
    pageFieldsFrom(in, drawingRecord);
    StartDlgEditConstraints(drawingRecord);
    auto* editor = dynamic_cast<DlgEditConstraints*>(frame::modelessConstraintEditor());
    if (!editor) return;
    HWND tabs = ::GetDlgItem(editor->m_hWnd, IDC_EC_TABS);
    for (int step = 0; step < 24 && !in.empty() && frame::modelessConstraintEditor(); ++step) {
        HWND geometry = editor->page(1)->m_hWnd, variables = editor->page(2)->m_hWnd;
        switch (in.next(9)) {
        // The palette (tab 3) is left out: its buttons ask for picks in the drawing.
        case 0:
            win::input::clickTab(tabs, in.next(3));
            win::pumpMessages();
            break;
        case 1: {  // a cell of the geometry list (row 0 the headings)
            const int row = in.next(8), col = 1 + in.next(4);
            win::input::click(::GetDlgItem(geometry, IDC_CG_SHEET), POINT{col * 150 - 75, row * 20 + 10});
            win::pumpMessages();
            break;
        }
        case 2: {  // a cell of the variables list
            const int row = in.next(8), col = 1 + in.next(3);
            win::input::click(::GetDlgItem(variables, IDC_CV_VARIABLES), POINT{col * 180 - 90, row * 20 + 10});
            win::pumpMessages();
            break;
        }
        case 3: {  // a key in a sheet or the equations
            static const UINT keys[] = {VK_DOWN, VK_UP, VK_RETURN, VK_SPACE, VK_DELETE, VK_ESCAPE, VK_TAB, VK_F4};
            focusInput(in, geometry, variables);
            win::input::pressKey(keys[in.next(8)]);
            win::pumpMessages();
            break;
        }
        case 4: {
            static const char* const typed[] = {"7", "abc", "x = y", "1e400", "-0.5", "\r\n"};
            focusInput(in, geometry, variables);
            win::input::typeText(typed[in.next(6)]);
            win::pumpMessages();
            break;
        }
        case 5: click(variables, IDC_CV_ADD); break;
        case 6: click(variables, IDC_CV_DELETE_LAST); break;
        case 7: editor->page(2)->store(); break;
        default: editor->page(in.next(2) + 1)->refresh(in.next(2) == 1); break;
        }
    }
    EndDlgEditConstraints();
}

}  // namespace constraint_fuzz
