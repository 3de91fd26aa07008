#include <gtest/gtest.h>

#include "scenario.h"
#include "win/types.h"
#include "win/input.h"

namespace {

kvhost::ReadResult parse(const std::string& text, kvhost::Scenario* out = nullptr) {
    kvhost::Scenario scenario;
    kvhost::ReadResult result = kvhost::parseScenario(text, "s.json", scenario);
    if (out) *out = scenario;
    return result;
}

TEST(ScenarioReader, ReadsCallsActionsPrintsAndExpectations) {
    kvhost::Scenario scenario;
    kvhost::ReadResult result = parse(R"({
      "title": "T",
      "steps": [
        {"call": "TextEntryDialog", "arguments": {"text": "Stra\u00dfe"},
         "user": [{"do": "type", "dialog": 8069, "text": "\u00b0C"},
                  {"do": "key", "dialog": 8069, "key": "enter", "modifiers": ["shift", "ctrl"]},
                  {"do": "choose", "dialog": 1, "control": 2, "item": "x"},
                  {"do": "answerMessageBox", "button": 6},
                  {"do": "wait", "ms": 50}],
         "print": ["result", "record"], "expect": {"result": true}},
        {"print": "commandLine"}
      ]})",
                                      &scenario);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(scenario.steps.size(), 2u);
    const kvhost::Step& call = scenario.steps[0];
    EXPECT_EQ(call.call, "TextEntryDialog");
    ASSERT_EQ(call.user.size(), 5u);
    EXPECT_EQ(call.user[0].text,
              "\xB0"
              "C");  // texts arrive in code page 1252
    EXPECT_EQ(call.user[1].key, VK_RETURN);
    EXPECT_EQ(call.user[1].modifiers, win::input::Shift | win::input::Control);
    EXPECT_EQ(call.user[2].index, -1);
    EXPECT_EQ(call.user[2].text, "x");
    EXPECT_EQ(call.user[3].number, 6);
    EXPECT_EQ(call.print.size(), 2u);
    EXPECT_EQ(scenario.steps[1].print.front().what, kvhost::PrintWhat::CommandLine);
    EXPECT_EQ(scenario.steps[1].number, 2);
}

TEST(ScenarioReader, ReadsStateChecksAndDialogPrints) {
    kvhost::Scenario scenario;
    kvhost::ReadResult result = parse(R"({"steps": [
        {"call": "F", "user": [
            {"do": "check", "dialog": 8069, "control": 8003, "text": "\u00b0C", "enabled": true, "checked": 2},
            {"do": "check", "dialog": 8069, "caption": "New beam", "visible": false},
            {"do": "check", "dialog": 208, "control": 5, "items": ["a", "b"], "selection": [0, 1], "focused": false},
            {"do": "check", "dialog": 208, "control": 6, "selection": -1, "checked": true},
            {"do": "check", "dialog": 208, "control": 1196, "cell": [2, 3], "cellText": "250"},
            {"do": "print", "dialog": 208}],
         "print": ["dialog:208", "result"]}]})",
                                      &scenario);
    ASSERT_TRUE(result.ok) << result.error;
    const std::vector<kvhost::UserAction>& user = scenario.steps[0].user;
    ASSERT_EQ(user.size(), 6u);
    EXPECT_EQ(*user[0].check.text,
              "\xB0"
              "C");
    EXPECT_EQ(*user[0].check.checked, 2);
    EXPECT_TRUE(*user[0].check.enabled);
    EXPECT_FALSE(user[0].check.visible.has_value());  // what a check does not name is not looked at
    EXPECT_EQ(*user[1].check.caption, "New beam");
    EXPECT_EQ(*user[2].check.items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(*user[2].check.selection, (std::vector<int>{0, 1}));
    EXPECT_TRUE(user[3].check.selection->empty());
    EXPECT_EQ(*user[3].check.checked, 1);
    EXPECT_EQ(user[4].check.cell->x, 2);
    EXPECT_EQ(user[4].check.cell->y, 3);
    EXPECT_EQ(*user[4].check.cellText, "250");
    EXPECT_EQ(user[5].dialog, 208);
    ASSERT_EQ(scenario.steps[0].print.size(), 2u);
    EXPECT_EQ(scenario.steps[0].print[0].what, kvhost::PrintWhat::Dialog);
    EXPECT_EQ(scenario.steps[0].print[0].dialog, 208);

    const std::vector<std::pair<std::string, std::string>> refused = {
        {R"({"do": "check", "dialog": 1, "control": 2})", "names nothing to check"},
        {R"({"do": "check", "dialog": 1, "control": 2, "caption": "x"})", "\"caption\" belongs to the dialog"},
        {R"({"do": "check", "dialog": 1, "checked": 3})", "\"checked\" must be"},
        {R"({"do": "check", "dialog": 1, "enabled": 1})", "\"enabled\" must be true or false"},
        {R"({"do": "check", "dialog": 1, "selection": [0, "a"]})", "\"selection\" must be"},
        {R"({"do": "check", "dialog": 1, "items": "a"})", "\"items\" must be a list of texts"},
        {R"({"do": "check", "dialog": 1, "cell": [0, 1], "cellText": ""})", "counted from 1"},
        {R"({"do": "check", "dialog": 1, "cell": [1, 1]})", "\"cell\" needs \"cellText\""},
        {R"({"do": "check", "dialog": 1, "cellText": "x"})", "\"cellText\" needs \"cell\""},
        {R"({"do": "check", "dialog": 1, "text": "x", "colour": 1})", "unknown member \"colour\""},
    };
    for (const auto& [action, reason] : refused) {
        kvhost::ReadResult r = parse(R"({"steps": [{"call": "F", "user": [)" + action + "]}]}");
        EXPECT_FALSE(r.ok) << action;
        EXPECT_NE(r.error.find(reason), std::string::npos) << action << ": " << r.error;
    }
    kvhost::ReadResult badPrint = parse(R"({"steps": [{"print": "dialog:x"}]})");
    EXPECT_NE(badPrint.error.find("needs a dialog resource id"), std::string::npos) << badPrint.error;
}

TEST(ScenarioReader, RefusesBadInputNamingTheFileTheStepAndTheReason) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{", "s.json: not valid JSON"},
        {"[]", "s.json: the scenario must be a JSON object"},
        {R"({"steps": []})", "s.json: \"steps\" must be a non-empty array"},
        {R"({"steps": [{"call": "F"}], "extra": 1})", "s.json: the scenario: unknown member \"extra\""},
        {R"({"steps": [{"print": "result"}, {"call": 3}]})", "s.json: step 2: \"call\" must name"},
        {R"({"steps": [{"call": "F", "arguments": [1]}]})", "s.json: step 1: \"arguments\" must be a JSON object"},
        {R"({"steps": [{"call": "F", "user": [{"do": "click", "dialog": 1}]}]})",
         "s.json: step 1: user action 1 needs \"control\""},
        {R"({"steps": [{"call": "F", "user": [{"do": "click", "dialog": "1", "control": 1}]}]})",
         "s.json: step 1: user action 1: \"dialog\" must be an integer"},
        {R"({"steps": [{"call": "F", "user": [{"do": "fly"}]}]})", "unknown action \"fly\""},
        {R"({"steps": [{"call": "F", "user": [{"do": "key", "dialog": 1, "key": "HYPER"}]}]})",
         "unknown key \"HYPER\""},
        {R"({"steps": [{"call": "F", "user": [{"do": "choose", "dialog": 1, "control": 2}]}]})",
         "needs either \"index\" or \"item\""},
        {R"({"steps": [{"call": "F", "print": ["everything"]}]})", "\"print\" takes"},
        {R"({"steps": [{"user": []}]})", "belong to a step with \"call\""},
        {R"({"steps": [{}]})", "a step needs \"call\", \"drawing\" or \"print\""},
        {R"({"steps": [{"call": "F", "colour": 1}]})", "step 1: the step: unknown member \"colour\""},
    };
    for (const auto& [text, message] : cases) {
        kvhost::ReadResult result = parse(text);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_NE(result.error.find(message), std::string::npos) << text << "\n -> " << result.error;
    }
}

TEST(ScenarioReader, AnUnreadableFileIsNamed) {
    kvhost::Scenario scenario;
    kvhost::ReadResult result = kvhost::readScenarioFile("/nonexistent/scenario.json", scenario);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "/nonexistent/scenario.json: cannot be read");
}

}  // namespace

namespace {

// Objects a step puts into the drawing: types, every kind of property value, and the faults
// named before anything runs.
TEST(ScenarioReader, ReadsDrawingObjectsAndRefusesBadOnes) {
    kvhost::Scenario scenario;
    kvhost::ReadResult result = parse(R"({"steps": [
        {"drawing": [{"type": "beam", "properties": {"n": 3, "l": 2.5, "name": "Tr\u00e4ger",
                                                      "at": {"x": 1, "y": 2}}},
                     {"type": "plate"}]},
        {"drawing": [{"type": "column"}], "call": "F"}]})",
                                      &scenario);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(scenario.steps[0].drawing.size(), 2u);
    const host::PropertyMap& beam = scenario.steps[0].drawing[0].properties;
    EXPECT_EQ(std::get<long long>(beam.at("n")), 3);
    EXPECT_EQ(std::get<double>(beam.at("l")), 2.5);
    EXPECT_EQ(std::get<std::string>(beam.at("name")), "Tr\xE4ger");
    EXPECT_EQ(std::get<host::Point3d>(beam.at("at")), (host::Point3d{1, 2, 0}));
    EXPECT_TRUE(scenario.steps[0].drawing[1].properties.empty());
    EXPECT_EQ(scenario.steps[1].drawing[0].type, "column");

    EXPECT_EQ(parse(R"({"steps": [{"drawing": {"type": "x"}}]})").error,
              "s.json: step 1: \"drawing\" must be an array of drawing objects");
    EXPECT_EQ(parse(R"({"steps": [{"drawing": [{"type": ""}]}]})").error,
              "s.json: step 1: drawing object 1: \"type\" must not be empty");
    EXPECT_EQ(parse(R"({"steps": [{"drawing": [{"type": "b", "properties": {"p": [1]}}]}]})").error,
              "s.json: step 1: drawing object 1: property \"p\" must be an integer, a number, a text or a point "
              "{\"x\", \"y\", \"z\"}");
    EXPECT_EQ(parse(R"({"steps": [{"drawing": [{"type": "b", "colour": 1}]}]})").error,
              "s.json: step 1: drawing object 1: unknown member \"colour\"");
    EXPECT_EQ(parse(R"({"steps": [{"drawing": [{"type": "b", "properties": {"p": {"x": 1}}}]}]})").error,
              "s.json: step 1: drawing object 1: property \"p\": a point needs numbers \"x\", \"y\" (and \"z\")");
}

}  // namespace
