#pragma once
// The resource script parser: turns the tokens of one script (and of the files it
// #includes) into a ResourceTable.  Symbols defined with #define are shared with the
// included files, as a shared header of ids would be.

#include "script_lexer.h"
#include "win/resource.h"

#include <map>
#include <string>
#include <vector>

namespace win::res {

class ScriptParser {
public:
    ScriptParser(ResourceTable& out, std::map<std::string, int64_t>& symbols, int includeDepth = 0)
        : out_(out), symbols_(symbols), includeDepth_(includeDepth) {}

    bool parse(std::string_view text, const std::string& fileName, const std::string& baseDir, ScriptError& err);
    // Collects the paths of every file the script reads (included scripts, pictures), for
    // the build's dependency tracking.
    void recordFilesRead(std::vector<std::string>* files) { filesRead_ = files; }

private:
    const Token& peek() const;
    Token take();
    bool fail(int line, std::string reason);
    bool failAt(const Token& t, const std::string& expected);
    bool expectPunct(char c);
    bool isPunct(char c) const;
    bool isName(std::string_view word) const;
    // The text of a quoted string, or a fault when its escapes are malformed.
    bool textOf(const Token& string, std::string& text);

    bool parseDirective(const Token& directive);
    bool parseDefine(const Token& directive);
    bool parseInclude(const Token& directive);
    bool parseResource(const Token& first);
    bool parseDialog(int id, int line);
    bool parseDialogOptions(DialogTemplate& dialog);
    bool parseControls(DialogTemplate& dialog, int beginLine);
    bool parseControl(DialogTemplate& dialog, const Token& keyword);
    bool parseFileResource(int id, const Token& keyword);

    bool parseExpression(int64_t& value);
    bool parseTerm(int64_t& value);
    bool parseFlags(uint32_t& flags);
    bool parseInt(int& value, const char* what);
    bool parseRect(int& x, int& y, int& cx, int& cy);
    bool readFile(const std::string& name, int line, std::vector<uint8_t>& bytes);

    ResourceTable& out_;
    std::map<std::string, int64_t>& symbols_;
    int includeDepth_ = 0;
    std::vector<Token> tokens_;
    size_t index_ = 0;
    int lineLimit_ = 0;
    int expressionDepth_ = 0;  // while parsing a #define: tokens on other lines end the value
    std::string fileName_;
    std::string baseDir_;
    ScriptError* err_ = nullptr;
    std::vector<std::string>* filesRead_ = nullptr;
};

}  // namespace win::res
