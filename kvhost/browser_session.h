#pragma once
// The session behind kvhost serve.  The window system and the module run on one thread (the
// session's); the web server's threads only hand it requests and read what it published.
//
// While a call waits for input, the session is the window system's input source: it publishes
// pictures of every open window and waits for the person's next action from the page, which
// it turns into a user action of the scenario language and carries out through the window
// system's script, the same raw-input path `kvhost run` takes.  Between calls, actions answer
// the windows left open (modeless dialogs).

#include <atomic>
#include <condition_variable>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "module_loader.h"
#include "session_recorder.h"
#include "win/input.h"

namespace kvhost {

struct SessionReply {
    int status = 200;  // HTTP status: 200, 400 bad request, 404 unknown, 409 busy or read-only
    nlohmann::json body;
};

class BrowserSession : public win::InputSource {
public:
    BrowserSession(LoadedModule& module, std::string recordPath, nlohmann::json samples);

    // --- called from the web server's threads ---
    nlohmann::json exportsJson() const;
    // The published state; `client` learns whether it controls the session.
    nlohmann::json stateJson(const std::string& client) const;
    // The PNG of an open window as last published; empty when there is none.
    std::string picture(uint64_t window) const;
    SessionReply run(const std::string& client, const nlohmann::json& request);
    SessionReply act(const std::string& client, const nlohmann::json& request);
    void stop();
    // The same from a signal handler: only marks the session; it stops within 200 ms.
    void requestStop() { stopping_ = true; }

    // --- the session's thread ---
    // Serves requests until stop(); answers calls and modeless actions.
    void serve();

    bool nextAction(HWND waiting) override;
    void abandoned(HWND dialog) override;

private:
    struct Request {
        bool isRun = false;
        std::string name;
        nlohmann::json body;
        std::promise<SessionReply> reply;
    };
    bool claim(const std::string& client, SessionReply& refusal);
    SessionReply enqueue(bool isRun, const std::string& name, const nlohmann::json& body);
    // Waits for the next request; false when stopping.
    bool take(Request& request);
    void runCall(Request& request);
    // Carries out one action; the reply goes out before the messages it caused are handled.
    bool perform(Request& request, HWND waiting);
    void publish(bool waitingForInput, HWND waiting);

    LoadedModule& module_;
    SessionRecorder recorder_;
    nlohmann::json exports_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> requests_;
    std::atomic<bool> stopping_{false};
    std::string controller_;  // the client that uses the session; others only watch

    // Published by the session's thread.
    uint64_t version_ = 0;
    bool calling_ = false;
    bool waitingForInput_ = false;
    std::string callName_;
    nlohmann::json windows_ = nlohmann::json::array();
    std::map<uint64_t, std::string> pictures_;
    nlohmann::json outputs_;
    nlohmann::json pick_;
    bool fileDialogOpen_ = false;
    std::string commandLine_;
    std::string lastError_;
};

// Sample arguments for each export: those of the first step calling it in the scenarios of
// `folder` (empty object when none).
nlohmann::json sampleArguments(const std::string& folder);

}  // namespace kvhost
