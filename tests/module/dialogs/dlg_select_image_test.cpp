// The image selection dialog through its exported launcher, as a person picks a picture.
#include "dialogs/dlg_select_image.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "dialogs/select_image_ids.h"
#include "frame/module_resource_scope.h"
#include "small_dialog_fixture.h"
#include "win/bitmap.h"
#include "win/draw.h"

namespace {

constexpr int kDlg = IDD_SELECT_IMAGE;
constexpr int kList = IDC_SELECT_IMAGE_LIST;
// The list's client width as the dialog opens (its template width within a 2 pixel edge).
constexpr int kListClientWidth = 396;

class SelectImageDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        data.title = "Choose a connection";
        // Pictures of different sizes: the first one's size is every cell's.
        data.imageFiles = {picture("end_plate.png", 48, 32, 0xFFCC0000), picture("base_plate.png", 96, 96, 0xFF00AA00),
                           picture("cleat.png", 20, 60, 0xFF0000CC)};
    }

    Kv_String picture(const std::string& name, int width, int height, uint32_t colour) {
        win::Bitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.pixels.assign(static_cast<size_t>(width) * height, colour);
        const std::filesystem::path path = root_ / name;
        EXPECT_TRUE(win::savePng(bitmap, path.string()));
        return Kv_String(path.string());
    }

    // The middle of picture index in a list whose cells are made for a first picture of 48 x 32,
    // as long as nothing is scrolled.
    static POINT pictureCentre(int index) {
        const int columns = kListClientWidth / cellWidth;
        return POINT{(index % columns) * cellWidth + 6 + 24, (index / columns) * cellHeight + 6 + 16};
    }
    static int listClientWidth() {
        const win::WindowInfo list = control(kDlg, kList);
        return list.clientRectScreen.right - list.clientRectScreen.left;
    }
    static std::vector<win::DrawRecord> listDrawing() {
        win::updateAllWindows();
        return win::paintRecords(GetDlgItem(win::findOpenDialog(kDlg), kList));
    }
    static std::vector<win::DrawRecord> drawn(win::DrawRecord::Kind kind) {
        std::vector<win::DrawRecord> out;
        for (const win::DrawRecord& record : listDrawing())
            if (record.kind == kind) out.push_back(record);
        return out;
    }
    static std::vector<std::string> namesShown() {
        std::vector<std::string> names;
        for (const win::DrawRecord& text : drawn(win::DrawRecord::Kind::Text)) names.push_back(text.text);
        return names;
    }
    static SIZE windowSize() {
        const RECT r = win::describeWindow(win::findOpenDialog(kDlg)).windowRect;
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    static constexpr int cellWidth = 48 + 12, cellHeight = 32 + 18 + 12;
    TwSelectImageDlgData data;
};

}  // namespace

TEST_F(SelectImageDialogTest, ShowsEveryPictureInCellsOfTheFirstOnesSizeUnderItsDisplayName) {
    script
        .inspect([] {
            EXPECT_EQ(caption(kDlg), "Choose a connection");
            EXPECT_EQ(control(kDlg, IDOK).text, dialString(1).str());
            EXPECT_EQ(control(kDlg, IDCANCEL).text, dialString(2).str());
            // The name without folder and extension; "base_plate" has a label.
            EXPECT_EQ(namesShown(), (std::vector<std::string>{"end_plate", "Base plate", "cleat"}));
            const auto pictures = drawn(win::DrawRecord::Kind::Bitmap);
            ASSERT_EQ(pictures.size(), 3u);
            // Each fitted into 48 x 32 keeping its proportions, kept at that size.
            EXPECT_EQ(pictures[0].bitmap->width, 48);
            EXPECT_EQ(pictures[0].bitmap->height, 32);
            EXPECT_EQ(pictures[1].bitmap->width, 32);
            EXPECT_EQ(pictures[1].bitmap->height, 32);
            EXPECT_EQ(pictures[2].bitmap->width, 10);
            EXPECT_EQ(pictures[2].bitmap->height, 32);
            EXPECT_EQ(pictures[1].rect.left - pictures[0].rect.left, cellWidth + (48 - 32) / 2);
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgSelectImage(data));
}

TEST_F(SelectImageDialogTest, OkGivesTheChosenPicturesTranslatedName) {
    script.clickAt(kDlg, kList, pictureCentre(1)).click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, "Base plate");
    EXPECT_EQ(data.imageFiles.length(), 3);
}

TEST_F(SelectImageDialogTest, ADoubleClickConfirmsThePictureUnderIt) {
    script.doubleClickAt(kDlg, kList, pictureCentre(2));
    EXPECT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, "cleat");
}

TEST_F(SelectImageDialogTest, OkWithoutAChosenPictureKeepsTheDialogOpenAndCancelLeavesTheRecord) {
    data.selection = "before";
    const TwSelectImageDlgData before = data;
    script.click(kDlg, IDOK)
        .clickAt(kDlg, kList, POINT{kListClientWidth - 2, 200})  // beside every picture
        .click(kDlg, IDOK)
        .inspect([] { EXPECT_TRUE(win::findOpenDialog(kDlg) != nullptr); })
        .clickAt(kDlg, kList, pictureCentre(0))
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgSelectImage(data));
    EXPECT_EQ(data, before);
}

TEST_F(SelectImageDialogTest, WithoutPicturesOnlyCancelCloses) {
    data.imageFiles = {};
    script.click(kDlg, IDOK)
        .doubleClickAt(kDlg, kList, POINT{30, 30})
        .inspect([] {
            EXPECT_TRUE(win::findOpenDialog(kDlg) != nullptr);
            EXPECT_TRUE(namesShown().empty());
        })
        .click(kDlg, IDCANCEL);
    EXPECT_FALSE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, "");
}

TEST_F(SelectImageDialogTest, BrokenFilesGiveEmptyFramedCellsAndTheOthersStillWork) {
    std::ofstream(root_ / "truncated.png") << "\x89PNG\r\n";
    std::ofstream(root_ / "notes.png") << "not a picture at all";
    data.imageFiles = {Kv_String((root_ / "missing.png").string()), data.imageFiles[0],
                       Kv_String((root_ / "truncated.png").string()), Kv_String((root_ / "notes.png").string()),
                       data.imageFiles[2]};
    // The first file cannot be read: the cells keep the default size of 64 x 64.
    script
        .inspect([] {
            EXPECT_EQ(namesShown(), (std::vector<std::string>{"missing", "end_plate", "truncated", "notes", "cleat"}));
            const auto pictures = drawn(win::DrawRecord::Kind::Bitmap);
            ASSERT_EQ(pictures.size(), 2u);
            EXPECT_EQ(pictures[0].bitmap->width, 64);
            EXPECT_EQ(pictures[0].rect.left, (64 + 12) + 6);
            // A frame around each of the five cells' pictures.
            EXPECT_EQ(drawn(win::DrawRecord::Kind::FrameRect).size(), 5u);
        })
        .clickAt(kDlg, kList, POINT{4 * (64 + 12) + 38, 38})
        .click(kDlg, IDOK);
    EXPECT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, "cleat");
}

TEST_F(SelectImageDialogTest, TheWheelScrollsThroughManyPictures) {
    for (int i = 0; i < 30; ++i)
        data.imageFiles.append(picture("more_" + std::to_string(i) + ".png", 30, 30, 0xFF808080));
    CDlgSelectImage dialog;
    dialog.data = data;
    int topBefore = 0;
    script
        .inspect([&] {
            topBefore = drawn(win::DrawRecord::Kind::Bitmap).front().rect.top;
            EXPECT_EQ(dialog.images().fileReads(), 33);
        })
        .wheel(kDlg, kList, POINT{50, 50}, -1)
        .inspect([&] {
            const auto pictures = drawn(win::DrawRecord::Kind::Bitmap);
            ASSERT_FALSE(pictures.empty());
            EXPECT_LT(pictures.front().rect.top, topBefore);
            // Scrolling repaints from the pictures kept, never from the files.
            EXPECT_EQ(dialog.images().fileReads(), 33);
        })
        .wheel(kDlg, kList, POINT{50, 50}, 1)
        .doubleClickAt(kDlg, kList, pictureCentre(1));
    frame::ModuleResourceScope scope;
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(dialog.data.selection, "Base plate");
}

TEST_F(SelectImageDialogTest, TheSizeIsRememberedAndTheTemplateStaysTheSmallest) {
    SIZE opened{};
    script.inspect([&] { opened = windowSize(); }).resize(kDlg, 700, 520).click(kDlg, IDCANCEL);
    StartDlgSelectImage(data);

    win::testing::TestScript again;
    again
        .inspect([] {
            EXPECT_EQ(windowSize().cx, 700);
            EXPECT_EQ(windowSize().cy, 520);
            // The list follows the dialog's edges.
            EXPECT_GT(listClientWidth(), 600);
        })
        .resize(kDlg, 200, 150)
        .inspect([&] {
            EXPECT_EQ(windowSize().cx, opened.cx);
            EXPECT_EQ(windowSize().cy, opened.cy);
        })
        .click(kDlg, IDCANCEL);
    StartDlgSelectImage(data);
}

TEST(SelectImageRecord, JsonFormReadsBackAndRefusesWrongMembers) {
    TwSelectImageDlgData data;
    data.title = "T";
    data.imageFiles = {"a.bmp", "b.bmp"};
    data.selection = "a";
    EXPECT_EQ(nlohmann::json(data).get<TwSelectImageDlgData>(), data);
    EXPECT_THROW(nlohmann::json({{"imageFiles", "a.bmp"}}).get<TwSelectImageDlgData>(), std::exception);
    EXPECT_THROW(nlohmann::json({{"titel", "T"}}).get<TwSelectImageDlgData>(), std::exception);
    EXPECT_EQ(nlohmann::json({{"title", "T"}}).get<TwSelectImageDlgData>().imageFiles.length(), 0);
}
