#pragma once
// Drives the macro settings dialog over a record made from bytes: arrays parallel to the names
// shorter or longer than them, odd counts of section-angle numbers, NaN and infinite numbers,
// choices and indices the controls cannot show, per-template arrays of different lengths.
// The remaining bytes act as a person through the window system's input (tabs, list entries
// and marks, boxes, buttons, typing, Enter) until OK or Cancel; the pages show and store on
// the way.  Used by the fuzzer and, over fixed inputs, by the module's tests.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "constraint_list_drive.h"
#include "constraints/dlg_macro_settings.h"
#include "constraints/macro_settings_ids.h"
#include "frame/dialog_launcher.h"
#include "sheet/ss_api.h"

namespace settings_fuzz {

using constraint_fuzz::Bytes;

inline double number(Bytes& in) {
    static const double values[] = {
        0,  0.125, -5, 1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        90, -0.0};
    return values[in.next(8)];
}

inline Kv_Array<double> numbers(Bytes& in, int most) {
    Kv_Array<double> out;
    for (int n = in.next(most + 1); n > 0; --n) out.append(number(in));
    return out;
}

inline Kv_Array<bool> flags(Bytes& in, int most) {
    Kv_Array<bool> out;
    for (int n = in.next(most + 1); n > 0; --n) out.append(in.next(2) == 1);
    return out;
}

inline MacroSettingsData settingsFrom(Bytes& in) {
    static const char* const words[] = {"Columns", "", "abc", "12x", "Heavy", "a\r\nb"};
    auto texts = [&](int most) { return constraint_fuzz::texts(in, most, words, 6); };
    MacroSettingsData s;
    MacroFilterSettings& f = s.filterSettings;
    f.useAngleFilters = in.next(2) == 1;
    f.axisFilterNames = texts(3);
    f.axisFilterEnabled = flags(in, 4);
    f.axisFilterMode = constraint_fuzz::ints(in, 4, -1, 3);
    f.axisFilterValue1 = numbers(in, 4);
    f.axisFilterValue2 = numbers(in, 4);
    f.sectionAngleNames = texts(3);
    f.sectionAngleEnabled = flags(in, 4);
    for (int n = in.next(4); n > 0; --n) f.sectionAngleRanges.append(numbers(in, 5));
    f.pathDistanceNames = texts(2);
    f.pathDistanceEnabled = flags(in, 3);
    f.pathDistanceValue1 = numbers(in, 3);
    f.pathDistanceValue2 = numbers(in, 3);
    f.sectionSizeNames = texts(2);
    f.sectionSizeEnabled = flags(in, 3);
    for (Kv_Array<double>& values : f.sectionSizeValues) values = numbers(in, 3);
    s.tableSettings.firstChoice = in.next(6) - 1;
    s.tableSettings.secondChoice = in.next(6) - 1;
    s.tableSettings.count = in.next(5);
    s.tableSettings.labels = texts(3);
    s.tableSettings.numbers = numbers(in, 4);
    s.listSettings.firstText = words[in.next(6)];
    s.listSettings.column1 = texts(3);
    s.listSettings.column2 = texts(4);
    s.listSettings.column3 = constraint_fuzz::ints(in, 4, -2, 5);
    s.templateSettings.choiceList = texts(3);
    for (int n = in.next(5); n > 0; --n) s.templateSettings.perTemplateLists.append(texts(3));
    s.templateSettings.perTemplateChoice = texts(4);
    return s;
}

// The person: each time the dialog waits, one action chosen by the bytes; OK or Cancel when
// they run out (Enter only commits sheet typing, so that most runs go on to many actions).
class ByteInput : public win::InputSource {
public:
    explicit ByteInput(Bytes& in) : in_(in) {}
    bool nextAction(HWND waiting) override {
        HWND dialog = win::findOpenDialog(IDD_MACRO_SETTINGS);
        if (!dialog || waiting != dialog) {
            // A drop-down list or anything else open above the dialog: Escape closes it.
            win::input::pressKey(VK_ESCAPE);
            return ++escapes_ < 8;
        }
        escapes_ = 0;
        if (in_.empty() || ++steps_ > 40) {
            click(dialog, in_.next(2) == 0 ? IDOK : IDCANCEL);
            return true;
        }
        static const int pages[] = {IDD_MS_ANGLE_PAGE, IDD_MS_DISTANCE_PAGE, IDD_MS_TEMPLATE_PAGE, IDD_MS_TABLE_PAGE,
                                    IDD_MS_LIST_PAGE};
        static const int lists[] = {IDC_MS_AXIS_LIST, IDC_MS_SECTION_LIST, IDC_MS_PATH_LIST, IDC_MS_SIZE_LIST,
                                    IDC_MS_TEMPLATES};
        static const int buttons[] = {IDC_MS_USE_ANGLE,
                                      IDC_MS_AXIS_ENABLE,
                                      IDC_MS_AXIS_MODE_0,
                                      IDC_MS_AXIS_MODE_1,
                                      IDC_MS_SECTION_ENABLE,
                                      IDC_MS_SECTION_ADD,
                                      IDC_MS_SECTION_DELETE,
                                      IDC_MS_USE_DISTANCE,
                                      IDC_MS_PATH_ENABLE,
                                      IDC_MS_SIZE_ENABLE,
                                      1088,
                                      1089,
                                      IDC_MS_AXIS_VALUE_1,
                                      IDC_MS_SIZE_VALUE_4,
                                      IDC_MS_LIST_SHEET,
                                      1001};
        HWND page = win::findOpenDialog(pages[in_.next(5)]);
        switch (in_.next(7)) {
        case 0: win::input::clickTab(::GetDlgItem(dialog, IDC_MS_TABS), in_.next(5)); break;
        case 1: {
            HWND list = page ? ::GetDlgItem(page, lists[in_.next(5)]) : nullptr;
            if (list && ::IsWindowVisible(list)) win::input::clickListCheck(list, in_.next(4));
            break;
        }
        case 2: {
            HWND list = page ? ::GetDlgItem(page, lists[in_.next(5)]) : nullptr;
            if (list && ::IsWindowVisible(list)) win::input::clickListItem(list, in_.next(4));
            break;
        }
        case 3:
            if (page) click(page, buttons[in_.next(16)]);
            break;
        case 4: {
            // Typing into a sheet is committed with Enter; elsewhere Enter would be the OK button.
            static const char* const typed[] = {"abc", "5", "0", "2x", "-1e9", ""};
            win::input::typeText(typed[in_.next(6)]);
            if (HWND focus = ::GetFocus(); focus && SSGetSheet(focus)) win::input::pressKey(VK_RETURN);
            break;
        }
        case 5: win::input::pressKey(VK_TAB); break;
        default: win::input::pressKey(in_.next(2) ? VK_UP : VK_DOWN); break;
        }
        return true;
    }
    void abandoned(HWND) override {}

private:
    static void click(HWND parent, int id) {
        HWND control = ::GetDlgItem(parent, id);
        if (control && ::IsWindowVisible(control) && ::IsWindowEnabled(control)) win::input::clickCenter(control);
    }
    Bytes& in_;
    int steps_ = 0;
    int escapes_ = 0;
};

// Opens the dialog over the record made from the bytes and plays the rest.
inline void drive(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    MacroSettingsData settings = settingsFrom(in);
    ByteInput person(in);
    win::InputSource* previous = win::setInputSource(&person);
    frame::launchModalDialog<DlgMacroSettings>(
        frame::LaunchRules{}, [&](DlgMacroSettings& dialog) { dialog.settings = settings; },
        [&](DlgMacroSettings& dialog) { settings = dialog.settings; });
    win::setInputSource(previous);
}

}  // namespace settings_fuzz
