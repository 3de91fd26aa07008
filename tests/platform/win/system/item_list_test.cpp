// List boxes and combo boxes keep their entries through one item list: the same calls give
// the same answers, and each box's selection follows inserts and deletes.

#include <gtest/gtest.h>

#include <tuple>

#include "sample_dialogs.h"
#include "win/combo_checks.h"
#include "win/testing.h"

using win::testing::TestScript;

namespace {

class ItemLists : public win::testing::WindowSystemTest {};

// The message numbers of one class for the calls the test makes.
struct Messages {
    UINT add, insert, remove, reset, count, text, textLength, find, findExact, setData, getData, setSel, getSel,
        setCheckStyle, setCheck, getCheck;
};
constexpr Messages kList{LB_ADDSTRING,       LB_INSERTSTRING,  LB_DELETESTRING, LB_RESETCONTENT,
                         LB_GETCOUNT,        LB_GETTEXT,       LB_GETTEXTLEN,   LB_FINDSTRING,
                         LB_FINDSTRINGEXACT, LB_SETITEMDATA,   LB_GETITEMDATA,  LB_SETCURSEL,
                         LB_GETCURSEL,       LB_SETCHECKSTYLE, LB_SETCHECK,     LB_GETCHECK};
constexpr Messages kCombo{CB_ADDSTRING,       CB_INSERTSTRING,  CB_DELETESTRING, CB_RESETCONTENT,
                          CB_GETCOUNT,        CB_GETLBTEXT,     CB_GETLBTEXTLEN, CB_FINDSTRING,
                          CB_FINDSTRINGEXACT, CB_SETITEMDATA,   CB_GETITEMDATA,  CB_SETCURSEL,
                          CB_GETCURSEL,       CB_SETCHECKSTYLE, CB_SETCHECK,     CB_GETCHECK};

// Runs the same calls on `box` and returns what they answered, in order.
std::vector<LRESULT> exercise(HWND box, const Messages& m) {
    auto text = [](const char* t) { return reinterpret_cast<LPARAM>(t); };
    auto send = [box](UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessage(box, msg, w, l); };
    std::vector<LRESULT> answers;
    send(m.reset);
    for (const char* entry : {"Zange", "\xC4RGER", "Anker"}) answers.push_back(send(m.add, 0, text(entry)));
    answers.push_back(send(m.insert, 1, text("Mutter")));
    answers.push_back(send(m.insert, 9, text("nowhere")));  // past the end: refused
    answers.push_back(send(m.count));
    answers.push_back(send(m.find, static_cast<WPARAM>(-1), text("\xE4rg")));  // ärg
    answers.push_back(send(m.findExact, static_cast<WPARAM>(-1), text("anker")));
    answers.push_back(send(m.findExact, static_cast<WPARAM>(-1), text("Ank")));
    char buffer[32] = {};
    answers.push_back(send(m.text, 1, reinterpret_cast<LPARAM>(buffer)));
    answers.push_back(buffer[0]);
    answers.push_back(send(m.textLength, 7));
    answers.push_back(send(m.setData, 2, 77));
    answers.push_back(send(m.getData, 2));
    // The selection follows an insert before it and the delete of an entry before it.
    send(m.setSel, 2);
    send(m.insert, 0, text("Bolzen"));
    answers.push_back(send(m.getSel));
    send(m.remove, 1);
    answers.push_back(send(m.getSel));
    answers.push_back(send(m.remove, 2));  // the selected one: nothing is selected
    answers.push_back(send(m.getSel));
    answers.push_back(send(m.setCheckStyle, BS_CHECKBOX));
    answers.push_back(send(m.setCheck, 1, BST_CHECKED));
    answers.push_back(send(m.getCheck, 1));
    answers.push_back(send(m.getCheck, 40));
    answers.push_back(send(m.reset));
    answers.push_back(send(m.count));
    return answers;
}

}  // namespace

TEST_F(ItemLists, ListAndComboBoxAnswerTheSameCallsAlike) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] {
        const std::vector<LRESULT> list = exercise(item(IDD_SAMPLE, IDC_PARTS), kList);
        const std::vector<LRESULT> combo = exercise(item(IDD_SAMPLE, IDC_KIND), kCombo);
        EXPECT_EQ(list, combo);
        // Unsorted: added at the end, inserted where asked; "ärg" finds ÄRGER (now entry 2).
        const std::vector<LRESULT> expected{0, 1,  2, 1, -1, 4,  2,    3, -1, 6,  'M', -1,
                                            0, 77, 3, 2, 3,  -1, TRUE, 0, 1,  -1, 0,   0};
        EXPECT_EQ(list, expected);
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}

TEST_F(ItemLists, SortedBoxesPlaceEntriesIgnoringCaseAlike) {
    SampleDialog dlg;
    TestScript script;
    script.inspect([] {
        for (auto [box, add, getText] : {std::tuple{item(IDD_SAMPLE, IDC_PARTS), LB_ADDSTRING, LB_GETTEXT},
                                         std::tuple{item(IDD_SAMPLE, IDC_KIND), CB_ADDSTRING, CB_GETLBTEXT}}) {
            SendMessage(box, add == LB_ADDSTRING ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
            SetWindowLongPtr(box, GWL_STYLE,
                             GetWindowLongPtr(box, GWL_STYLE) | (add == LB_ADDSTRING ? LBS_SORT : CBS_SORT));
            for (const char* entry : {"zange", "\xC4rger", "Anker", "\xE4RGER"})
                SendMessage(box, add, 0, reinterpret_cast<LPARAM>(entry));
            std::vector<std::string> order;
            for (int i = 0; i < 4; ++i) {
                char buffer[32] = {};
                SendMessage(box, getText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
                order.emplace_back(buffer);
            }
            // Ä sorts with A after the plain letters' words (byte order of the folded text); equal
            // texts but for case keep their insertion order.
            EXPECT_EQ(order, (std::vector<std::string>{"Anker", "zange", "\xC4rger", "\xE4RGER"}));
        }
    });
    script.key(IDD_SAMPLE, VK_ESCAPE);
    dlg.DoModal();
}
