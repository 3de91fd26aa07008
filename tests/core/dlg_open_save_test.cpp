#include "core/dlg_open_save.h"

#include <fstream>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win/testing.h"

namespace {

class DlgOpenSaveTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        std::filesystem::create_directories(folder_.path() / "Dialog Design");
        std::ofstream(folder_.path() / "Dialog Design" / "plate.txt") << "x";
    }
    TempFolder folder_;
};

}  // namespace

TEST_F(DlgOpenSaveTest, ChosenFileComesBack) {
    win::testing::TestScript script;
    std::string target = (folder_.path() / "Dialog Design" / "plate.txt").string();
    script.answerFileDialog(target);
    Kv_String path = Kv_String(folder_.text()) + "dialog design\\";
    EXPECT_TRUE(DlgOpenSave(true, "txt", "Dialog templates (*.txt)", "Open", path));
    EXPECT_EQ(path, Kv_String(target));
}

TEST_F(DlgOpenSaveTest, CancelLeavesThePath) {
    win::testing::TestScript script;
    script.cancelFileDialog();
    Kv_String path = Kv_String(folder_.text()) + "Dialog Design\\plate.txt";
    Kv_String before = path;
    EXPECT_FALSE(DlgOpenSave(true, "txt", "Dialog templates (*.txt)", "Open", path));
    EXPECT_EQ(path, before);
}

TEST_F(DlgOpenSaveTest, SavingOverAnExistingFileAsksFirst) {
    win::testing::TestScript script;
    std::string target = (folder_.path() / "Dialog Design" / "plate.txt").string();
    script.answerFileDialog(target).answerMessageBox(IDYES);
    Kv_String path = Kv_String(folder_.text()) + "Dialog Design\\";
    EXPECT_TRUE(DlgOpenSave(false, "txt", "Dialog templates (*.txt)", "Save", path));
    EXPECT_EQ(path, Kv_String(target));
    ASSERT_FALSE(win::messageBoxHistory().empty());
}

TEST_F(DlgOpenSaveTest, NameWithoutExtensionGetsIt) {
    win::testing::TestScript script;
    script.answerFileDialog((folder_.path() / "Dialog Design" / "newplate").string());
    Kv_String path = Kv_String(folder_.text()) + "Dialog Design\\";
    EXPECT_TRUE(DlgOpenSave(false, "txt", "Dialog templates (*.txt)", "Save", path));
    EXPECT_TRUE(path.endsWith("newplate.txt"));
}
