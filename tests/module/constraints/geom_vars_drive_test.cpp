// The geometry and variables fuzzer's drive over a fixed set of inputs, so that the sanitizers
// of the test build see the pages on ragged page fields too.
#include <random>
#include <vector>

#include "constraint_editor_test.h"
#include "geom_vars_drive.h"

namespace {

class GeomVarsDriveTest : public ConstraintEditorTest {};

TEST_F(GeomVarsDriveTest, RaggedPageFieldsNeverReachOutsideAnArray) {
    std::mt19937 random(41);
    for (int run = 0; run < 120; ++run) {
        host::DrawingDatabase::instance().reset();
        macro_model::Drawing::instance().clear();
        EditConstrData record = openSample("Plate");
        std::vector<uint8_t> bytes(static_cast<size_t>(40 + run % 160));
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
        constraint_fuzz::driveGeometryAndVariables(bytes.data(), bytes.size(), record);
        EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
        for (HWND box = win::innermostMessageBox(); box; box = win::innermostMessageBox()) ::DestroyWindow(box);
    }
}

}  // namespace
