#include "host/command_line.h"

#include <gtest/gtest.h>

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override { host::CommandLine::instance().clear(); }
    void TearDown() override {
        host::CommandLine::instance().setSink({});
        host::CommandLine::instance().clear();
    }
};

}  // namespace

TEST_F(CommandLineTest, FormatsLikePrintfAndKeepsCodePageBytes) {
    EXPECT_EQ(acutPrintf("%s=%d %.2f%c\n", "angle", 45, 1.005, '\xB0'), 15);
    EXPECT_EQ(host::CommandLine::instance().text(), "angle=45 1.00\xB0\n");
}

TEST_F(CommandLineTest, LongOutputIsNotCut) {
    std::string longText(5000, 'x');
    acutPrintf("%s|", longText.c_str());
    EXPECT_EQ(host::CommandLine::instance().text(), longText + "|");
}

TEST_F(CommandLineTest, SinkSeesEveryPieceAndTakeTextClears) {
    std::vector<std::string> pieces;
    host::CommandLine::instance().setSink([&](std::string_view text) { pieces.emplace_back(text); });
    acutPrintf("a");
    acutPrintf("b%d", 1);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b1"}));
    EXPECT_EQ(host::CommandLine::instance().takeText(), "ab1");
    EXPECT_EQ(host::CommandLine::instance().text(), "");
}

TEST_F(CommandLineTest, PromptAndDisplayUpdatesAreCountedInOrder) {
    acedUpdateDisplay();
    acutPrintf("x");
    acedPostCommandPrompt();
    acedUpdateDisplay();
    auto& line = host::CommandLine::instance();
    EXPECT_EQ(line.commandPromptCount(), 1);
    EXPECT_EQ(line.updateDisplayCount(), 2);
    EXPECT_EQ(line.events(),
              (std::vector<std::string>{"updateDisplay", "print", "postCommandPrompt", "updateDisplay"}));
}

TEST_F(CommandLineTest, TerminalEchoIsUtf8) {
    testing::internal::CaptureStdout();
    host::echoCommandLineToStdout();
    acutPrintf("90%c\n", '\xB0');
    host::CommandLine::instance().setSink({});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "90\xC2\xB0\n");
    EXPECT_EQ(host::CommandLine::instance().text(), "90\xB0\n");  // kept as code page 1252
}
