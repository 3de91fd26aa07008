#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "render/output.h"
#include "render/palette.h"

using namespace render;
namespace fs = std::filesystem;

namespace {

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kvrender_out_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static Scene sample() {
        Scene scene;
        scene.width = 90;
        scene.height = 40;
        PushButton b;
        b.rect = {5, 5, 85, 30};
        b.text = "OK";
        b.isDefault = true;
        scene.add(b);
        return scene;
    }
    size_t filesIn(const fs::path& p) {
        return size_t(std::distance(fs::directory_iterator(p), fs::directory_iterator()));
    }

    fs::path dir_;
};

}  // namespace

TEST_F(OutputTest, PngHasTheSceneSizeAndPixels) {
    std::string path = (dir_ / "button.png").string();
    WriteResult r = writePng(sample(), path);
    ASSERT_TRUE(r.ok) << r.error;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 90);
    EXPECT_EQ(cairo_image_surface_get_height(s), 40);
    auto* row =
        reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) + 5 * cairo_image_surface_get_stride(s));
    EXPECT_EQ(row[40] & 0xFFFFFF, palette::frame);  // the default button's frame
    EXPECT_EQ(row[2] & 0xFFFFFF, palette::face);
    cairo_surface_destroy(s);
    EXPECT_EQ(filesIn(dir_), 1u);  // no temporary file left beside it
}

TEST_F(OutputTest, SvgDeclaresTheSceneSize) {
    std::string path = (dir_ / "button.svg").string();
    ASSERT_TRUE(writeSvg(sample(), path).ok);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<svg"), std::string::npos);
    EXPECT_NE(text.str().find("width=\"90pt\""), std::string::npos);
    EXPECT_NE(text.str().find("height=\"40pt\""), std::string::npos);
    EXPECT_EQ(filesIn(dir_), 1u);
}

TEST_F(OutputTest, FailedWriteReportsAndLeavesTheOldFile) {
    std::string path = (dir_ / "keep.png").string();
    { std::ofstream(path) << "old"; }
    Scene empty;
    WriteResult r = writePng(empty, path);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    std::ifstream in(path);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "old");

    WriteResult missingFolder = writePng(sample(), (dir_ / "no" / "such" / "x.png").string());
    EXPECT_FALSE(missingFolder.ok);
    WriteResult missingSvgFolder = writeSvg(sample(), (dir_ / "no" / "x.svg").string());
    EXPECT_FALSE(missingSvgFolder.ok);
    EXPECT_EQ(filesIn(dir_), 1u);
}
