#include "serve_command.h"

#include <csignal>
#include <iostream>
#include <thread>

#include <httplib.h>

#include "browser_session.h"

namespace kvhost {

namespace {

using nlohmann::json;

std::atomic<BrowserSession*> running{nullptr};

void stopOnSignal(int) {
    // Only an atomic store here; the session notices it within its polling interval.
    if (BrowserSession* session = running.load()) session->requestStop();
}

void reply(httplib::Response& response, const SessionReply& answer) {
    response.status = answer.status;
    response.set_content(answer.body.dump(), "application/json; charset=utf-8");
}

// The request's JSON body, or an answer saying why there is none.
bool bodyOf(const httplib::Request& request, httplib::Response& response, json& body) {
    body = json::parse(request.body, nullptr, false);
    if (body.is_discarded() || !body.is_object()) {
        reply(response, SessionReply{400, json{{"error", "the request is not a JSON object"}}});
        return false;
    }
    return true;
}

std::string clientOf(const json& body) {
    auto found = body.find("client");
    return found != body.end() && found->is_string() ? found->get<std::string>() : std::string();
}

}  // namespace

int serve(LoadedModule& module, const ServeOptions& options, std::ostream& out) {
    BrowserSession session(module, options.recordPath,
                           options.samplesFolder.empty() ? json::object() : sampleArguments(options.samplesFolder));
    httplib::Server server;
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(servedPage(), "text/html; charset=utf-8");
    });
    server.Get("/api/exports", [&](const httplib::Request&, httplib::Response& response) {
        response.set_content(session.exportsJson().dump(), "application/json; charset=utf-8");
    });
    server.Get("/api/state", [&](const httplib::Request& request, httplib::Response& response) {
        const std::string client = request.has_param("client") ? request.get_param_value("client") : std::string();
        response.set_content(session.stateJson(client).dump(), "application/json; charset=utf-8");
    });
    server.Get(R"(/api/window/(\d+)\.png)", [&](const httplib::Request& request, httplib::Response& response) {
        const std::string picture = session.picture(std::stoull(request.matches[1].str()));
        if (picture.empty()) {
            response.status = 404;
            return;
        }
        response.set_header("Cache-Control", "no-store");
        response.set_content(picture, "image/png");
    });
    server.Post("/api/run", [&](const httplib::Request& request, httplib::Response& response) {
        json body;
        if (bodyOf(request, response, body)) reply(response, session.run(clientOf(body), body));
    });
    server.Post("/api/action", [&](const httplib::Request& request, httplib::Response& response) {
        json body;
        if (bodyOf(request, response, body)) reply(response, session.act(clientOf(body), body));
    });

    const int port = options.port > 0 ? (server.bind_to_port("127.0.0.1", options.port) ? options.port : -1)
                                      : server.bind_to_any_port("127.0.0.1");
    if (port <= 0) {
        std::cerr << "kvhost: cannot listen on 127.0.0.1"
                  << (options.port > 0 ? ":" + std::to_string(options.port) : "") << "\n";
        return 2;
    }
    out << "kvhost: serving on http://127.0.0.1:" << port << "/" << std::endl;
    std::thread listener([&server] { server.listen_after_bind(); });

    running = &session;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    session.serve();  // until a signal
    running = nullptr;
    server.stop();
    listener.join();
    out << "kvhost: stopped" << std::endl;
    return 0;
}

}  // namespace kvhost
