#include "browser_session.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "browser_actions.h"
#include "host/command_line.h"
#include "host/main_window.h"
#include "host/pick_input.h"
#include "base/cp1252.h"
#include "render/output.h"
#include "render/window.h"
#include "scenario.h"
#include "scenario_runner.h"
#include "win/readback.h"
#include "win/system.h"
#include "win/winuser.h"

namespace kvhost {

namespace {

using nlohmann::json;

SessionReply failure(int status, const std::string& why) { return SessionReply{status, json{{"error", why}}}; }

const char* pickKindWord(host::PickKind kind) {
    switch (kind) {
    case host::PickKind::Point: return "point";
    case host::PickKind::Object: return "object";
    case host::PickKind::Plane: return "plane";
    }
    return "point";
}

constexpr size_t kCommandLineShown = 8000;  // the end of the command line, enough for a page

// The visible controls of a window with their screen rectangles (the page's tooltips, tests).
void addControls(HWND parent, json& controls) {
    for (HWND child : win::childWindows(parent)) {
        const win::WindowInfo info = win::describeWindow(child);
        if (!info.visible) continue;
        if (info.id != 0 && info.id != -1 && info.id != 0xFFFF)
            controls.push_back(json{{"id", info.id},
                                    {"kind", info.kind},
                                    {"text", base::cp1252ToUtf8(info.text)},
                                    {"left", info.windowRect.left},
                                    {"top", info.windowRect.top},
                                    {"width", info.windowRect.right - info.windowRect.left},
                                    {"height", info.windowRect.bottom - info.windowRect.top}});
        addControls(child, controls);
    }
}

}  // namespace

json sampleArguments(const std::string& folder) {
    json samples = json::object();
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".json") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file);
        json scenario = json::parse(in, nullptr, false);
        if (!scenario.is_object() || !scenario.contains("steps") || !scenario["steps"].is_array()) continue;
        for (const json& step : scenario["steps"]) {
            if (!step.is_object() || !step.contains("call") || !step["call"].is_string()) continue;
            const std::string name = step["call"].get<std::string>();
            if (!samples.contains(name)) samples[name] = step.value("arguments", json::object());
        }
    }
    return samples;
}

BrowserSession::BrowserSession(LoadedModule& module, std::string recordPath, json samples)
    : module_(module), recorder_(std::move(recordPath)), exports_(json::array()) {
    for (const std::string& name : module_.exportNames()) {
        const KvCallableExport* function = module_.findExport(name);
        exports_.push_back(json{{"name", name},
                                {"summary", function && function->summary ? function->summary : ""},
                                {"sample", samples.value(name, json::object())}});
    }
}

json BrowserSession::exportsJson() const { return exports_; }

json BrowserSession::stateJson(const std::string& client) const {
    std::lock_guard lock(mutex_);
    return json{{"version", version_},
                {"calling", calling_},
                {"call", callName_},
                {"waitingForInput", waitingForInput_},
                {"windows", windows_},
                {"outputs", outputs_},
                {"pick", pick_},
                {"fileDialog", fileDialogOpen_},
                {"commandLine", commandLine_},
                {"readOnly", !controller_.empty() && controller_ != client}};
}

std::string BrowserSession::picture(uint64_t window) const {
    std::lock_guard lock(mutex_);
    auto found = pictures_.find(window);
    return found == pictures_.end() ? std::string() : found->second;
}

bool BrowserSession::claim(const std::string& client, SessionReply& refusal) {
    std::lock_guard lock(mutex_);
    if (client.empty()) {
        refusal = failure(400, "the request names no client");
        return false;
    }
    if (controller_.empty()) controller_ = client;
    if (controller_ == client) return true;
    refusal = failure(409, "another page is using this session; this one only watches");
    return false;
}

SessionReply BrowserSession::enqueue(bool isRun, const std::string& name, const json& body) {
    std::future<SessionReply> answer;
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return failure(503, "the server is stopping");
        Request request;
        request.isRun = isRun;
        request.name = name;
        request.body = body;
        answer = request.reply.get_future();
        requests_.push_back(std::move(request));
    }
    wake_.notify_all();
    if (answer.wait_for(std::chrono::seconds(30)) != std::future_status::ready)
        return failure(503, "the session did not answer in time");
    return answer.get();
}

SessionReply BrowserSession::run(const std::string& client, const json& request) {
    SessionReply refusal;
    if (!claim(client, refusal)) return refusal;
    if (!request.is_object() || !request.contains("name") || !request["name"].is_string())
        return failure(400, "a run needs the export's \"name\"");
    const std::string name = request["name"].get<std::string>();
    const json arguments = request.value("arguments", json::object());
    if (!arguments.is_object()) return failure(400, "\"arguments\" must be a JSON object");
    if (!module_.findExport(name)) return failure(404, "the module has no callable export \"" + name + "\"");
    {
        std::lock_guard lock(mutex_);
        if (calling_) return failure(409, callName_ + " is running; finish it first");
    }
    return enqueue(true, name, arguments);
}

SessionReply BrowserSession::act(const std::string& client, const json& request) {
    SessionReply refusal;
    if (!claim(client, refusal)) return refusal;
    if (!request.is_object() || !request.contains("action") || !request["action"].is_object())
        return failure(400, "an action request needs an \"action\" object");
    return enqueue(false, {}, request["action"]);
}

void BrowserSession::stop() {
    stopping_ = true;
    wake_.notify_all();
}

bool BrowserSession::take(Request& request) {
    std::unique_lock lock(mutex_);
    while (requests_.empty() && !stopping_) wake_.wait_for(lock, std::chrono::milliseconds(200));
    if (stopping_) {
        for (Request& left : requests_) left.reply.set_value(failure(503, "the server is stopping"));
        requests_.clear();
        return false;
    }
    request = std::move(requests_.front());
    requests_.pop_front();
    return true;
}

void BrowserSession::serve() {
    win::InputSource* previous = win::setInputSource(this);
    publish(false, nullptr);
    Request request;
    while (take(request)) {
        if (request.isRun)
            runCall(request);
        else
            perform(request, nullptr);
    }
    win::setInputSource(previous);
}

void BrowserSession::runCall(Request& request) {
    const KvCallableExport* function = module_.findExport(request.name);
    if (!function) {
        request.reply.set_value(failure(404, "the module has no callable export \"" + request.name + "\""));
        return;
    }
    {
        std::lock_guard lock(mutex_);
        calling_ = true;
        callName_ = request.name;
        outputs_ = nullptr;
        lastError_.clear();
    }
    request.reply.set_value(SessionReply{200, json{{"started", request.name}}});
    recorder_.beginCall(request.name, request.body);
    std::string outputsText, error;
    const bool called = function->call(request.body.dump(), outputsText, error);
    json outputs = called ? json::parse(outputsText, nullptr, false) : json{{"error", error}};
    if (outputs.is_discarded()) outputs = json{{"error", "the outputs are not JSON"}};
    if (called) {
        std::string writeError;
        if (!recorder_.endCall(outputs, writeError)) outputs["recording"] = writeError;
    }
    {
        std::lock_guard lock(mutex_);
        calling_ = false;
        outputs_ = outputs;
    }
    publish(false, nullptr);
}

bool BrowserSession::perform(Request& request, HWND waiting) {
    const TranslatedAction translated = translateBrowserAction(request.body);
    if (translated.ignored) {
        request.reply.set_value(SessionReply{200, json{{"ignored", true}}});
        return false;
    }
    if (!translated.ok) {
        request.reply.set_value(failure(400, translated.error));
        return false;
    }
    UserAction action;
    ReadResult read = parseUserAction(translated.action, action);
    if (!read.ok) {
        request.reply.set_value(failure(400, read.error));
        return false;
    }
    win::ScriptedInput script;
    std::vector<std::string> faults, pictures;
    std::ostringstream printed;
    addActions({action}, script, faults, pictures, printed);
    const bool posted = script.nextAction(waiting);
    if (!posted || script.failed()) {
        request.reply.set_value(failure(400, script.failed() ? script.failure() : "nothing to do"));
        return false;
    }
    recorder_.addAction(translated.action);
    request.reply.set_value(SessionReply{200, json{{"action", translated.action}}});
    if (!waiting) {
        // Between calls the windows left open take the input now.
        win::pumpMessages();
        publish(false, nullptr);
    }
    return true;
}

bool BrowserSession::nextAction(HWND waiting) {
    if (stopping_) return false;
    publish(true, waiting);
    recorder_.noteShown();
    Request request;
    while (take(request)) {
        if (request.isRun) {
            request.reply.set_value(failure(409, callName_ + " is running; finish it first"));
            continue;
        }
        if (perform(request, waiting)) return true;
    }
    return false;
}

void BrowserSession::abandoned(HWND) {}

void BrowserSession::publish(bool waitingForInput, HWND) {
    json windows = json::array();
    std::map<uint64_t, std::string> pictures;
    HWND drawing = host::mainWindowHandle();
    std::vector<HWND> tops = win::topLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        HWND window = *it;
        if (window == drawing || !IsWindowVisible(window)) continue;
        const win::WindowInfo info = win::describeWindow(window);
        const uint64_t key = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window));
        pictures[key] = render::encodePng(render::sceneOfWindow(window));
        json controls = json::array();
        addControls(window, controls);
        windows.push_back(json{{"id", key},
                               {"controls", controls},
                               {"kind", info.kind},
                               {"title", base::cp1252ToUtf8(info.text)},
                               {"dialog", info.dialogResourceId},
                               {"left", info.windowRect.left},
                               {"top", info.windowRect.top},
                               {"width", info.windowRect.right - info.windowRect.left},
                               {"height", info.windowRect.bottom - info.windowRect.top}});
    }
    json pick = nullptr;
    if (const host::PickRequest* waitingPick = host::waitingPick())
        pick = json{{"kind", pickKindWord(waitingPick->kind)}, {"prompt", base::cp1252ToUtf8(waitingPick->prompt)}};
    std::string commandLine = host::CommandLine::instance().text();
    if (commandLine.size() > kCommandLineShown)
        commandLine = commandLine.substr(commandLine.size() - kCommandLineShown);
    const bool fileDialog = win::innermostFileDialog() != nullptr;

    std::lock_guard lock(mutex_);
    windows_ = std::move(windows);
    pictures_ = std::move(pictures);
    pick_ = std::move(pick);
    fileDialogOpen_ = fileDialog;
    commandLine_ = base::cp1252ToUtf8(commandLine);
    waitingForInput_ = waitingForInput;
    ++version_;
}

}  // namespace kvhost
