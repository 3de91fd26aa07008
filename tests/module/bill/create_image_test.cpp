// createImage: the part picture of a bill row, drawn to scale and readable by the window
// system's picture loader.
#include "core/create_image.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/drawing_database.h"
#include "win/bitmap.h"

namespace {

class CreateImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing().reset();
        bill.parts.append({"B1", 6000.0, 3, {}});
        bill.parts.append({"b2", 1500.0, 0, {}});
    }
    void TearDown() override {
        for (const Kv_String& file : made) std::filesystem::remove(file.str());
    }
    static host::DrawingDatabase& drawing() { return host::DrawingDatabase::instance(); }

    // Makes the picture of one mark; an empty bitmap when none was made.
    win::Bitmap picture(const Kv_String& mark, int height = 20, bool holes = true, bool framed = false) {
        Kv_String file;
        int key = -1;
        if (!createImage({mark, "2"}, file, key, height, count, holes, framed, &bill, &drawing())) return {};
        made.append(file);
        win::LoadResult loaded = win::loadImageFile(file.str());
        EXPECT_TRUE(loaded.ok) << loaded.error;
        return loaded.bitmap;
    }
    static int steelPixels(const win::Bitmap& b) {
        int n = 0;
        for (uint32_t p : b.pixels) n += (p & 0xFFFFFF) == 0x505860;
        return n;
    }

    Kv_Bill bill;
    int count = 0;
    Kv_StringArray made;
};

TEST_F(CreateImageTest, DrawsAReadablePictureOfTheRequestedHeight) {
    const win::Bitmap b = picture("B1", 20);
    EXPECT_EQ(b.height, 20);
    EXPECT_EQ(b.width, 80);
    EXPECT_EQ(count, 1);
    // Outside the part the picture is white; the part itself is steel grey.
    EXPECT_EQ(b.at(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_GT(steelPixels(b), 0);
}

TEST_F(CreateImageTest, PartsAreDrawnToScaleAgainstTheLongestPart) {
    const int longPart = steelPixels(picture("B1", 40, false));
    const int shortPart = steelPixels(picture("B2", 40, false));  // marks match ignoring case
    ASSERT_GT(shortPart, 0);
    EXPECT_NEAR(static_cast<double>(longPart) / shortPart, 4.0, 0.5);
    EXPECT_EQ(count, 2);
    EXPECT_NE(made[0], made[1]);
}

TEST_F(CreateImageTest, HolesAreCutOutOfThePartWhenAsked) {
    const int solid = steelPixels(picture("B1", 40, false));
    const int drilled = steelPixels(picture("B1", 40, true));
    EXPECT_LT(drilled, solid);
}

TEST_F(CreateImageTest, ThePartAsTheDrawingHasItNowWins) {
    // The bill says 1500 mm; the drawing has the part at 750 mm now.
    const AcDbObjectId id = drawing().addObject("part", {{"length", 750.0}});
    bill.parts[1].object = id;
    const int shortened = steelPixels(picture("b2", 40, false));
    drawing().setProperty(id, "length", 1500.0);
    const int asInTheBill = steelPixels(picture("b2", 40, false));
    ASSERT_GT(shortened, 0);
    EXPECT_NEAR(static_cast<double>(asInTheBill) / shortened, 2.0, 0.3);
}

TEST_F(CreateImageTest, NoPictureWithoutAKnownPartABillOrATransaction) {
    Kv_String file = "left over";
    int key = -1, height = 20, n = 0;
    bool holes = true, framed = true;
    EXPECT_FALSE(createImage({"nobody"}, file, key, height, n, holes, framed, &bill, &drawing()));
    EXPECT_TRUE(file.isEmpty());
    EXPECT_FALSE(createImage({"B1"}, file, key, height, n, holes, framed, nullptr, &drawing()));
    EXPECT_FALSE(createImage({"B1"}, file, key, height, n, holes, framed, &bill, nullptr));
    key = 5;
    EXPECT_FALSE(createImage({"B1"}, file, key, height, n, holes, framed, &bill, &drawing()));
    EXPECT_EQ(n, 0);
}

TEST_F(CreateImageTest, AnUnusableHeightFallsBackToTheDefault) {
    EXPECT_EQ(picture("B1", 0).height, 32);
    EXPECT_EQ(picture("B1", 100000).height, 512);
}

}  // namespace
