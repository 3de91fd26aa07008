#pragma once
// Test helpers for code that runs on the window system (header only, for GoogleTest tests).
//
//   class MyDialogTest : public win::testing::WindowSystemTest {};
//   TEST_F(MyDialogTest, CancelKeepsRecord) {
//       win::testing::TestScript script;     // attached; a failure fails the test
//       script.click(208, IDCANCEL);
//       EXPECT_EQ(dlg.DoModal(), IDCANCEL);
//   }

#include <gtest/gtest.h>

#include <string>

#include "win/input.h"
#include "win/readback.h"
#include "win/system.h"

namespace win::testing {

// A scripted input source attached for the lifetime of the object.  Every failure (a step
// that cannot be carried out, a dialog left open when the steps ran out) fails the running
// test with its message; steps never used fail it too, because the dialogs closed earlier than
// the test expected.
class TestScript : public ScriptedInput {
public:
    TestScript() {
        previous_ = setInputSource(this);
        onFailure([](const std::string& message) { ADD_FAILURE() << "input script: " << message; });
    }
    ~TestScript() override {
        if (!failed() && !unusedAllowed_ && stepsLeft() > 0)
            ADD_FAILURE() << "input script: " << stepsLeft() << " step(s) were never used";
        if (inputSource() == this) setInputSource(previous_);
    }
    // For tests that expect the script to fail: no automatic test failure.
    void expectFailure() { onFailure(nullptr); }
    // For tests that stop early on purpose.
    void allowUnusedSteps() { unusedAllowed_ = true; }

private:
    InputSource* previous_ = nullptr;
    bool unusedAllowed_ = false;

public:
    bool unusedAllowed() const { return unusedAllowed_; }
};

// Starts and ends every test with an empty window system.
class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override { resetWindowSystem(); }
    void TearDown() override { resetWindowSystem(); }
};

}  // namespace win::testing
