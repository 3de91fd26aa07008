// The cladding settings dialog through its exported launcher, as a person sets up a purlin.
#include "dialogs/dlg_cladding_settings.h"

#include "core/section_select_dlg.h"
#include "dialogs/cladding_ids.h"
#include "library_dialog_fixture.h"

namespace {

constexpr int kDlg = IDD_CLADDING_SETTINGS;

std::vector<std::string> names(std::initializer_list<int> types) {
    std::vector<std::string> out;
    for (int type : types) out.push_back(CDlgCladdingSettings::constrainTypeName(type).str());
    return out;
}

class CladdingSettingsTest : public LibraryDialogTest {
protected:
    void SetUp() override {
        LibraryDialogTest::SetUp();
        data.profile = "IPE-IPE200";
        data.purlinType = kPurlinRoof;
        data.choiceA = 1;
        data.choiceB = 0;
        data.value = "600";
        data.constraintStart = kCladConstrainSleeve;
        data.constraintEnd = kCladConstrainButt;
    }
    TwCladdingDlgData data;
};

}  // namespace

TEST_F(CladdingSettingsTest, OpensWithTheTextsAndTheRecordShown) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), dialString(1708).str());
            EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE_LABEL).text, dialString(1012).str());
            EXPECT_EQ(control(kDlg, IDC_CLADDING_BROWSE).text, dialString(969).str());
            EXPECT_EQ(control(kDlg, IDC_CLADDING_START_LABEL).text, dialString(1721).str() + ":");
            EXPECT_EQ(control(kDlg, IDC_CLADDING_END_LABEL).text, dialString(1722).str() + ":");
            EXPECT_EQ(control(kDlg, IDC_CLADDING_FLAG).text, dialString(1712).str());
            EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE).items,
                      (std::vector<std::string>{"IPE 180", "IPE 200", "IPE 220", dialString(695).str()}));
            EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE).selection, 1);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_CHOICE_A).items.size(), 3u);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_CHOICE_A).selection, 1);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_CHOICE_B).items.size(), 5u);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_START).items, names({0, 1, 2, 3, 4}));
            EXPECT_EQ(control(kDlg, IDC_CLADDING_START).selection, 2);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_END).selection, 4);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_VALUE).text, "600");
            EXPECT_FALSE(control(kDlg, IDC_CLADDING_VALUE).enabled);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgCladdingSettings(data));
}

TEST_F(CladdingSettingsTest, TheBundledTypeNamesDifferSoEachReadsBackAsItself) {
    for (int type = 0; type < kCladConstrainTypeCount; ++type)
        EXPECT_EQ(CDlgCladdingSettings::constrainTypeFromName(CDlgCladdingSettings::constrainTypeName(type)), type);
    EXPECT_EQ(CDlgCladdingSettings::constrainTypeName(5), "");
    EXPECT_EQ(CDlgCladdingSettings::constrainTypeFromName("no such type"), kCladConstrainFree);
}

TEST_F(CladdingSettingsTest, ATypeTheRidgePurlinDoesNotAllowIsNotOfferedAndReadsBackAsZero) {
    data.purlinType = kPurlinRidge;
    data.constraintStart = kCladConstrainSleeve;  // not for a ridge purlin
    data.constraintEnd = kCladConstrainCleat;
    script
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_CLADDING_START).items, names({0, 1}));
            EXPECT_EQ(control(kDlg, IDC_CLADDING_START).selection, -1);
            EXPECT_EQ(control(kDlg, IDC_CLADDING_END).selection, 1);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.constraintStart, kCladConstrainFree);
    EXPECT_EQ(data.constraintEnd, kCladConstrainCleat);
}

TEST_F(CladdingSettingsTest, AnUnknownPurlinTypeOffersNoTypeAtAll) {
    data.purlinType = static_cast<TwPurlinType>(17);
    script
        .inspect([] {
            EXPECT_TRUE(control(kDlg, IDC_CLADDING_START).items.empty());
            EXPECT_TRUE(control(kDlg, IDC_CLADDING_END).items.empty());
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.constraintStart, kCladConstrainFree);
    EXPECT_EQ(data.constraintEnd, kCladConstrainFree);
    EXPECT_EQ(data.purlinType, 17);
}

TEST_F(CladdingSettingsTest, OnlyTheLastTwoSpacingsEnableTheValueWhichIsReadBackAnyway) {
    const std::string entries[] = {dialString(1716).str(), dialString(1717).str(), dialString(1718).str(),
                                   dialString(1719).str(), dialString(1720).str()};
    for (int k : {3, 1, 4, 2}) {
        script.choose(kDlg, IDC_CLADDING_CHOICE_B, entries[k]).inspect([k] {
            EXPECT_EQ(control(kDlg, IDC_CLADDING_VALUE).enabled, k >= 3) << "entry " << k;
        });
    }
    // Typed while enabled, then the spacing changed to one that does not need it.
    script.choose(kDlg, IDC_CLADDING_CHOICE_B, entries[4])
        .click(kDlg, IDC_CLADDING_VALUE)
        .key(kDlg, 'A', win::input::Control)
        .type(kDlg, "750")
        .choose(kDlg, IDC_CLADDING_CHOICE_B, entries[0])
        .inspect([] { EXPECT_FALSE(control(kDlg, IDC_CLADDING_VALUE).enabled); })
        .click(kDlg, IDC_CLADDING_FLAG)
        .choose(kDlg, IDC_CLADDING_CHOICE_A, dialString(1713).str())
        .choose(kDlg, IDC_CLADDING_END, dialString(1724).str())
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.choiceB, 0);
    EXPECT_EQ(data.value, "750");
    EXPECT_TRUE(data.flag);
    EXPECT_EQ(data.choiceA, 0);
    EXPECT_EQ(data.constraintStart, kCladConstrainSleeve);
    EXPECT_EQ(data.constraintEnd, kCladConstrainCleat);
}

TEST_F(CladdingSettingsTest, TheLastProfileEntryKeepsTheProfileAndAnotherSizeIsTaken) {
    script.choose(kDlg, IDC_CLADDING_PROFILE, dialString(695).str()).click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.profile, "IPE-IPE200");

    script.choose(kDlg, IDC_CLADDING_PROFILE, "IPE 220").click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.profile, "IPE-IPE220");
}

TEST_F(CladdingSettingsTest, AConfirmedBrowseShowsTheNewProfileAndKeepsWhatWasChosenBefore) {
    script.click(kDlg, IDC_CLADDING_FLAG)
        .click(kDlg, IDC_CLADDING_BROWSE)
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_FAMILIES, "RHS")
        .choose(IDD_CORE_SECTION_SELECT, IDC_SECTION_SIZES, "RHS120x80x6")
        .click(IDD_CORE_SECTION_SELECT, IDOK)
        .inspect([] {
            EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE).items,
                      (std::vector<std::string>{"RHS 100x50x4", "RHS 120x80x6", dialString(695).str()}));
            EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE).selection, 1);
            // The values were read back before the browse and shown again after it.
            EXPECT_EQ(control(kDlg, IDC_CLADDING_FLAG).check, BST_CHECKED);
        })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.profile, "RHS-RHS120x80x6");
    EXPECT_TRUE(data.flag);
}

TEST_F(CladdingSettingsTest, ACancelledBrowseKeepsTheProfile) {
    script.click(kDlg, IDC_CLADDING_BROWSE)
        .click(IDD_CORE_SECTION_SELECT, IDCANCEL)
        .inspect([] { EXPECT_EQ(control(kDlg, IDC_CLADDING_PROFILE).selection, 1); })
        .click(kDlg, IDOK);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data.profile, "IPE-IPE200");
}

TEST_F(CladdingSettingsTest, CancelLeavesTheRecord) {
    const TwCladdingDlgData before = data;
    script.choose(kDlg, IDC_CLADDING_PROFILE, "IPE 180")
        .choose(kDlg, IDC_CLADDING_CHOICE_B, dialString(1719).str())
        .click(kDlg, IDC_CLADDING_VALUE)
        .type(kDlg, "25")
        .click(kDlg, IDC_CLADDING_FLAG)
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgCladdingSettings(data));
    EXPECT_EQ(data, before);
}
