#pragma once
// Writing a callable export's adapter as a function over JSON values: the wrapper parses the
// argument text, runs the body and prints the outputs, and turns a malformed argument text or
// a refused argument (a json exception thrown while reading, e.g. by RecordReader) into a
// false result with the reason.

#include <string>

#include <nlohmann/json.hpp>

namespace frame {

using JsonAdapterBody = void (*)(const nlohmann::json& arguments, nlohmann::json& outputs);

template <JsonAdapterBody Body>
bool jsonAdapter(const std::string& argumentsJson, std::string& outputsJson, std::string& error) {
    nlohmann::json arguments = nlohmann::json::parse(argumentsJson, nullptr, false);
    if (arguments.is_discarded()) {
        error = "the arguments are not valid JSON";
        return false;
    }
    if (arguments.is_null()) arguments = nlohmann::json::object();
    try {
        nlohmann::json outputs = nlohmann::json::object();
        Body(arguments, outputs);
        outputsJson = outputs.dump();
        return true;
    } catch (const nlohmann::json::exception& refused) {
        // nlohmann prefixes its own tag ("[json.exception.type_error.302] "); the reason is
        // what follows it.
        std::string reason = refused.what();
        if (auto tagEnd = reason.find("] "); reason.rfind("[json.exception.", 0) == 0 && tagEnd != std::string::npos)
            reason.erase(0, tagEnd + 2);
        error = reason;
        return false;
    }
}

}  // namespace frame
