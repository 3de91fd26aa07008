#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "kv_build_program.h"

namespace {

struct ProgramRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

class KvhostProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("kvhost_test_" + std::to_string(::getpid()) + "_" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string scenario(const std::string& name, const std::string& text) {
        std::string path = (folder_ / name).string();
        std::ofstream(path) << text;
        return path;
    }

    ProgramRun run(const std::string& arguments) {
        ProgramRun result;
        // Each run has its own registry file, so that nothing of a person's settings is touched.
        std::string command = "KV_REGISTRY_FILE='" + (folder_ / "registry.json").string() + "' '" +
                              kvBuildProgram(KVHOST_PROGRAM) + "' " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    std::filesystem::path folder_;
};

const char* kAskName = R"({"steps": [
  {"call": "TextEntryDialog", "arguments": {"title": "New beam", "text": "B1"},
   "user": [{"do": "type", "dialog": 8069, "text": "Main girder"},
            {"do": "click", "dialog": 8069, "control": 1}],
   "print": ["result", "outputs"], "expect": {"result": true, "text": "Main girder"}}]})";

TEST_F(KvhostProgram, RunsAScenarioAndPrintsWhatTheDialogReturned) {
    ProgramRun r = run("run '" + scenario("ask.json", kAskName) + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("result: true"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("\"text\": \"Main girder\""), std::string::npos) << r.output;
}

TEST_F(KvhostProgram, ShotsArePicturesOfEachDialogShownAndClosing) {
    std::string shots = (folder_ / "shots").string();
    ProgramRun r = run("run --shots '" + shots + "' '" + scenario("ask.json", kAskName) + "'");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(std::filesystem::exists(shots + "/001-8069-shown.png")) << r.output;
    EXPECT_TRUE(std::filesystem::exists(shots + "/002-8069-closing.png")) << r.output;
}

TEST_F(KvhostProgram, ShotCommandWritesThePictureOfOneDialog) {
    std::string picture = (folder_ / "entry.png").string();
    ProgramRun r = run("shot '" + scenario("ask.json", kAskName) + "' 8069 '" + picture + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(std::filesystem::exists(picture));
    ProgramRun never = run("shot '" + scenario("ask2.json", kAskName) + "' 9999 '" + picture + "x'");
    EXPECT_EQ(never.status, 1) << never.output;
    EXPECT_NE(never.output.find("dialog 9999 was never shown"), std::string::npos) << never.output;
}

// While the person types, the dialog's own variable still holds the proposal; a check reads
// the field, so it sees the typing and fails naming both texts when asked for the proposal.
TEST_F(KvhostProgram, ChecksReadWhatTheWindowShowsNotTheDialogsVariables) {
    const std::string shownAfterTyping = R"({"steps": [
      {"call": "TextEntryDialog", "arguments": {"title": "New beam", "text": "B1", "cancelText": "Drop"},
       "user": [{"do": "type", "dialog": 8069, "text": "Main girder"},
                {"do": "check", "dialog": 8069, "control": 8003, "text": "Main girder", "focused": true},
                {"do": "check", "dialog": 8069, "caption": "New beam", "enabled": true},
                {"do": "check", "dialog": 8069, "control": 2, "text": "Drop", "visible": true},
                {"do": "print", "dialog": 8069},
                {"do": "click", "dialog": 8069, "control": 1}],
       "expect": {"text": "Main girder"}}]})";
    ProgramRun passes = run("run '" + scenario("shown.json", shownAfterTyping) + "'");
    EXPECT_EQ(passes.status, 0) << passes.output;
    EXPECT_NE(passes.output.find("edit #8003 \"Main girder\" focused"), std::string::npos) << passes.output;

    const std::string memberText = R"({"steps": [
      {"call": "TextEntryDialog", "arguments": {"title": "New beam", "text": "B1"},
       "user": [{"do": "type", "dialog": 8069, "text": "Main girder"},
                {"do": "check", "dialog": 8069, "control": 8003, "text": "B1"},
                {"do": "click", "dialog": 8069, "control": 1}]}]})";
    ProgramRun fails = run("run '" + scenario("member.json", memberText) + "'");
    EXPECT_EQ(fails.status, 1) << fails.output;
    EXPECT_NE(fails.output.find("member.json: step 1: user action 2: dialog 8069 control 8003: expected text \"B1\", "
                                "shown \"Main girder\""),
              std::string::npos)
        << fails.output;

    const std::string wrongState = R"({"steps": [
      {"call": "TextEntryDialog", "arguments": {"text": "B1"},
       "user": [{"do": "check", "dialog": 8069, "control": 1, "enabled": false},
                {"do": "click", "dialog": 8069, "control": 2}]}]})";
    ProgramRun state = run("run '" + scenario("state.json", wrongState) + "'");
    EXPECT_EQ(state.status, 1) << state.output;
    EXPECT_NE(state.output.find("control 1: expected enabled false, shown true"), std::string::npos) << state.output;
    const std::string noCheckMark = R"({"steps": [
      {"call": "TextEntryDialog", "arguments": {"text": "B1"},
       "user": [{"do": "check", "dialog": 8069, "control": 1, "checked": true},
                {"do": "click", "dialog": 8069, "control": 2}]}]})";
    ProgramRun mark = run("run '" + scenario("mark.json", noCheckMark) + "'");
    EXPECT_NE(mark.output.find("which has no check mark"), std::string::npos) << mark.output;
}

TEST_F(KvhostProgram, HelpDocumentsTheFormat) {
    ProgramRun r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.output.find("\"steps\""), std::string::npos);
    EXPECT_NE(r.output.find("Exit status"), std::string::npos);
    EXPECT_NE(r.output.find("{\"do\":\"check\""), std::string::npos);
    EXPECT_NE(r.output.find("\"dialog:D\""), std::string::npos);
}

TEST_F(KvhostProgram, BadInputStopsWithFileStepReasonAndNonZeroExit) {
    struct Case {
        const char* name;
        std::string text;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"malformed.json", "{\"steps\": [", 2, "malformed.json: not valid JSON"},
        {"unknown.json", R"({"steps": [{"call": "StartDlgNothing"}]})", 1,
         "unknown.json: step 1: unknown function \"StartDlgNothing\""},
        {"wrongtype.json",
         R"({"steps": [{"print": "result"}, {"call": "TextEntryDialog", "arguments": {"textRequired": "yes"}}]})", 1,
         "wrongtype.json: step 2: call TextEntryDialog: TextEntryDialog arguments: field \"textRequired\" must be true "
         "or false"},
        {"notopen.json",
         R"({"steps": [{"call": "TextEntryDialog", "user": [{"do": "click", "dialog": 8131, "control": 1}]}]})", 1,
         "notopen.json: step 1: user actions: "},
        {"unused.json", R"({"steps": [{"call": "TextEntryDialog", "arguments": {"text": "a"}, "user": [
            {"do": "click", "dialog": 8069, "control": 1}, {"do": "click", "dialog": 8069, "control": 1}]}]})",
         1, "unused.json: step 1: "},
        {"expect.json", R"({"steps": [{"call": "TextEntryDialog", "arguments": {"text": "a"}, "user": [
            {"do": "click", "dialog": 8069, "control": 2}], "expect": {"result": true}}]})",
         1, "expect.json: step 1: expected result = true, got false"},
    };
    for (const Case& c : cases) {
        ProgramRun r = run("run '" + scenario(c.name, c.text) + "'");
        EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.name << "\n" << r.output;
    }
    ProgramRun missing = run("run '" + (folder_ / "missing.json").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("missing.json: cannot be read"), std::string::npos) << missing.output;
    ProgramRun badPort = run("serve --port 70000");
    EXPECT_EQ(badPort.status, 2) << badPort.output;
    EXPECT_NE(badPort.output.find("not a port number: 70000"), std::string::npos) << badPort.output;
    ProgramRun recordOnRun = run("run --record x.json '" + scenario("ok2.json", kAskName) + "'");
    EXPECT_EQ(recordOnRun.status, 2) << recordOnRun.output;
    EXPECT_NE(recordOnRun.output.find("--record and --samples belong to serve"), std::string::npos)
        << recordOnRun.output;
    ProgramRun noModule = run("run --module /nonexistent/libkvmodule.so '" + scenario("ok.json", kAskName) + "'");
    EXPECT_EQ(noModule.status, 3) << noModule.output;
}

}  // namespace
