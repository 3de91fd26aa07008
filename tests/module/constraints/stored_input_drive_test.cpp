// The fuzzer's drive over a fixed set of inputs, so that the sanitizers of the test build see
// the page on ragged records too.
#include <random>
#include <vector>

#include "constraint_editor_test.h"
#include "constraint_list_drive.h"

namespace {

class StoredInputDriveTest : public ConstraintEditorTest {};

TEST_F(StoredInputDriveTest, RaggedRecordsNeverReachOutsideAnArray) {
    std::mt19937 random(23);
    for (int run = 0; run < 150; ++run) {
        std::vector<uint8_t> bytes(static_cast<size_t>(40 + run % 200));
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
        constraint_fuzz::drive(bytes.data(), bytes.size());
        EXPECT_EQ(frame::modelessConstraintEditor(), nullptr);
        for (HWND box = win::innermostMessageBox(); box; box = win::innermostMessageBox()) ::DestroyWindow(box);
    }
}

}  // namespace
