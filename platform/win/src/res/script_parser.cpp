#include "script_parser.h"

#include "symbol_names.h"
#include "win/bitmap.h"
#include "win/styles.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace win::res {

namespace {

constexpr int kMaxIncludeDepth = 8;
// Parentheses and unary signs recurse; a hostile script must not exhaust the stack.
constexpr int kMaxExpressionDepth = 64;

// The statement forms of dialog controls: which class they make and the style bits they
// carry before the script's own flags are applied.
struct ControlForm {
    std::string_view keyword;
    bool textFirst;
    const char* className;
    uint32_t defaultStyle;
};

constexpr ControlForm kControlForms[] = {
    {"PUSHBUTTON", true, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
    {"DEFPUSHBUTTON", true, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"CHECKBOX", true, "BUTTON", BS_CHECKBOX | WS_TABSTOP},
    {"AUTOCHECKBOX", true, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP},
    {"STATE3", true, "BUTTON", BS_3STATE | WS_TABSTOP},
    {"AUTO3STATE", true, "BUTTON", BS_AUTO3STATE | WS_TABSTOP},
    {"RADIOBUTTON", true, "BUTTON", BS_RADIOBUTTON},
    {"AUTORADIOBUTTON", true, "BUTTON", BS_AUTORADIOBUTTON},
    {"GROUPBOX", true, "BUTTON", BS_GROUPBOX},
    {"LTEXT", true, "STATIC", SS_LEFT | WS_GROUP},
    {"CTEXT", true, "STATIC", SS_CENTER | WS_GROUP},
    {"RTEXT", true, "STATIC", SS_RIGHT | WS_GROUP},
    {"EDITTEXT", false, "EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP},
    {"COMBOBOX", false, "COMBOBOX", CBS_SIMPLE | WS_TABSTOP},
    {"LISTBOX", false, "LISTBOX", LBS_NOTIFY | WS_BORDER},
};

// Class names a CONTROL statement may give without quotes.
constexpr std::string_view kBareClasses[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX", "SCROLLBAR"};

std::string describe(const Token& t) {
    switch (t.kind) {
    case TokenKind::End: return "end of file";
    case TokenKind::String: return "\"" + t.text + "\"";
    case TokenKind::Directive: return "#" + t.text;
    default: return "'" + t.text + "'";
    }
}

std::string joinPath(const std::string& dir, const std::string& name) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (dir.empty() || (!path.empty() && path[0] == '/')) return path;
    return dir.back() == '/' ? dir + path : dir + "/" + path;
}

std::string directoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool ScriptParser::parse(std::string_view text, const std::string& fileName, const std::string& baseDir,
                         ScriptError& err) {
    err_ = &err;
    fileName_ = fileName;
    baseDir_ = baseDir;
    ScriptLexer lexer(text);
    for (;;) {
        Token t = lexer.next();
        if (t.kind == TokenKind::Error) return fail(t.line, t.text);
        tokens_.push_back(std::move(t));
        if (tokens_.back().kind == TokenKind::End) break;
    }
    while (peek().kind != TokenKind::End) {
        Token first = take();
        bool ok = first.kind == TokenKind::Directive ? parseDirective(first) : parseResource(first);
        if (!ok) return false;
    }
    return true;
}

const Token& ScriptParser::peek() const {
    static const Token endOfLine;
    const Token& t = tokens_[index_];
    if (lineLimit_ != 0 && t.line != lineLimit_) return endOfLine;
    return t;
}

Token ScriptParser::take() {
    Token t = peek();
    if (t.kind != TokenKind::End) ++index_;
    return t;
}

bool ScriptParser::fail(int line, std::string reason) {
    err_->file = fileName_;
    err_->line = line;
    err_->reason = std::move(reason);
    return false;
}

bool ScriptParser::failAt(const Token& t, const std::string& expected) {
    int line = t.line != 0 ? t.line : (lineLimit_ != 0 ? lineLimit_ : tokens_[index_].line);
    return fail(line, "expected " + expected + " but found " + describe(t));
}

bool ScriptParser::isPunct(char c) const {
    const Token& t = peek();
    return t.kind == TokenKind::Punct && t.text[0] == c;
}

bool ScriptParser::isName(std::string_view word) const {
    const Token& t = peek();
    return t.kind == TokenKind::Name && t.text == word;
}

bool ScriptParser::textOf(const Token& string, std::string& text) {
    if (!string.escapeFault.empty()) return fail(string.line, string.escapeFault);
    text = string.text;
    return true;
}

bool ScriptParser::expectPunct(char c) {
    if (isPunct(c)) {
        take();
        return true;
    }
    return failAt(peek(), std::string("'") + c + "'");
}

// ---- directives -------------------------------------------------------------------------

bool ScriptParser::parseDirective(const Token& directive) {
    if (directive.text == "define") return parseDefine(directive);
    if (directive.text == "include") return parseInclude(directive);
    if (directive.text == "pragma") {
        // "#pragma once" keeps shared id headers usable from C++ and from scripts.
        while (peek().kind != TokenKind::End && peek().line == directive.line) take();
        return true;
    }
    return fail(directive.line, "unknown directive '#" + directive.text + "'");
}

bool ScriptParser::parseDefine(const Token& directive) {
    lineLimit_ = directive.line;
    Token name = take();
    if (name.kind != TokenKind::Name) {
        lineLimit_ = 0;
        return failAt(name, "a symbol name after #define");
    }
    if (peek().kind == TokenKind::End) {
        lineLimit_ = 0;
        return fail(directive.line, "#define " + name.text + " has no value");
    }
    int64_t value = 0;
    bool ok = parseExpression(value);
    if (ok && peek().kind != TokenKind::End) ok = failAt(peek(), "the end of the #define line");
    lineLimit_ = 0;
    if (!ok) return false;
    auto [it, inserted] = symbols_.emplace(name.text, value);
    if (!inserted && it->second != value)
        return fail(directive.line, "symbol '" + name.text + "' redefined with another value");
    return true;
}

bool ScriptParser::parseInclude(const Token& directive) {
    Token file = take();
    if (file.kind != TokenKind::String || file.line != directive.line)
        return failAt(file, "a quoted file name after #include");
    if (includeDepth_ >= kMaxIncludeDepth) return fail(directive.line, "#include nested too deeply");
    std::vector<uint8_t> bytes;
    if (!readFile(file.raw, directive.line, bytes)) return false;
    std::string path = joinPath(baseDir_, file.raw);
    ScriptParser nested(out_, symbols_, includeDepth_ + 1);
    nested.recordFilesRead(filesRead_);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return nested.parse(text, path, directoryOf(path), *err_);
}

// ---- resources --------------------------------------------------------------------------

bool ScriptParser::parseResource(const Token& first) {
    if (first.kind == TokenKind::Name && !symbols_.count(first.text) && !predefinedSymbol(first.text))
        return fail(first.line, "unknown keyword '" + first.text + "'");
    if (first.kind != TokenKind::Name && first.kind != TokenKind::Number) return failAt(first, "a resource id");
    --index_;
    int id = 0;
    if (!parseInt(id, "resource id")) return false;
    Token keyword = take();
    if (keyword.kind != TokenKind::Name) return failAt(keyword, "DIALOG, DIALOGEX, BITMAP or ICON");
    if (keyword.text == "DIALOG" || keyword.text == "DIALOGEX") return parseDialog(id, keyword.line);
    if (keyword.text == "BITMAP" || keyword.text == "ICON") return parseFileResource(id, keyword);
    return fail(keyword.line, "unknown keyword '" + keyword.text + "'");
}

bool ScriptParser::parseFileResource(int id, const Token& keyword) {
    bool isBitmap = keyword.text == "BITMAP";
    auto& map = isBitmap ? out_.bitmaps : out_.icons;
    if (map.count(id)) return fail(keyword.line, "duplicate " + keyword.text + " id " + std::to_string(id));
    Token file = take();
    if (file.kind != TokenKind::String) return failAt(file, "a quoted file name");
    // File names keep their backslashes as written: they are paths, not texts.
    std::vector<uint8_t> bytes;
    if (!readFile(file.raw, file.line, bytes)) return false;
    // A picture that cannot be shown is a build fault, not a surprise at run time.
    LoadResult decoded = decodeImage(bytes.data(), bytes.size());
    if (!decoded.ok) return fail(file.line, "cannot decode image file '" + file.raw + "': " + decoded.error);
    map.emplace(id, std::move(bytes));
    return true;
}

bool ScriptParser::parseDialog(int id, int line) {
    if (out_.dialogs.count(id)) return fail(line, "duplicate dialog id " + std::to_string(id));
    DialogTemplate dialog;
    dialog.id = id;
    // Without a STYLE statement a dialog is a bordered popup with a system menu.
    dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    if (!parseRect(dialog.x, dialog.y, dialog.cx, dialog.cy)) return false;
    if (isPunct(',')) {  // DIALOGEX help id: accepted and not used
        take();
        int64_t helpId = 0;
        if (!parseExpression(helpId)) return false;
    }
    if (!parseDialogOptions(dialog)) return false;
    Token begin = take();
    if (begin.kind != TokenKind::Name || begin.text != "BEGIN") return failAt(begin, "BEGIN");
    if (!parseControls(dialog, begin.line)) return false;
    out_.dialogs.emplace(id, std::move(dialog));
    return true;
}

bool ScriptParser::parseDialogOptions(DialogTemplate& dialog) {
    bool captionGiven = false;
    while (peek().kind == TokenKind::Name && peek().text != "BEGIN") {
        Token option = take();
        if (option.text == "CAPTION") {
            Token text = take();
            if (text.kind != TokenKind::String) return failAt(text, "a quoted caption");
            if (!textOf(text, dialog.caption)) return false;
            captionGiven = true;
        } else if (option.text == "STYLE") {
            dialog.style = 0;
            if (!parseFlags(dialog.style)) return false;
        } else if (option.text == "EXSTYLE") {
            if (!parseFlags(dialog.exStyle)) return false;
        } else if (option.text == "FONT") {
            if (!parseInt(dialog.fontHeight, "font height")) return false;
            if (dialog.fontHeight <= 0) return fail(option.line, "font height must be positive");
            if (!expectPunct(',')) return false;
            Token face = take();
            if (face.kind != TokenKind::String) return failAt(face, "a quoted font face");
            if (!textOf(face, dialog.fontFace)) return false;
            // Weight, italic and character set may follow; the face and height decide the metrics.
            while (isPunct(',')) {
                take();
                int64_t ignored = 0;
                if (!parseExpression(ignored)) return false;
            }
            dialog.style |= DS_SETFONT;
        } else {
            return fail(option.line, "unknown keyword '" + option.text + "' in dialog " + std::to_string(dialog.id));
        }
    }
    if (captionGiven) dialog.style |= WS_CAPTION;
    return true;
}

bool ScriptParser::parseControls(DialogTemplate& dialog, int beginLine) {
    for (;;) {
        const Token& t = peek();
        if (t.kind == TokenKind::End)
            return fail(t.line, "missing END of dialog " + std::to_string(dialog.id) + " (BEGIN on line " +
                                    std::to_string(beginLine) + ")");
        if (t.kind != TokenKind::Name) return failAt(t, "a control statement or END");
        Token keyword = take();
        if (keyword.text == "END") return true;
        if (!parseControl(dialog, keyword)) return false;
    }
}

bool ScriptParser::parseControl(DialogTemplate& dialog, const Token& keyword) {
    ControlTemplate control;
    // Every control of a template is a visible child unless the script says NOT.
    uint32_t style = WS_CHILD | WS_VISIBLE;
    bool generic = keyword.text == "CONTROL";
    bool icon = keyword.text == "ICON";
    const ControlForm* form = nullptr;
    for (const ControlForm& f : kControlForms)
        if (f.keyword == keyword.text) form = &f;
    if (!generic && !icon && !form)
        return fail(keyword.line, "unknown keyword '" + keyword.text + "' in dialog " + std::to_string(dialog.id));

    if (generic || icon || form->textFirst) {
        // A number in the text position names a resource (an icon or bitmap): "#<id>".
        if (peek().kind == TokenKind::String) {
            if (!textOf(take(), control.text)) return false;
        } else {
            int resourceId = 0;
            if (!parseInt(resourceId, "text or resource id")) return false;
            control.text = "#" + std::to_string(resourceId);
        }
        if (!expectPunct(',')) return false;
    }
    if (!parseInt(control.id, "control id")) return false;
    if (!expectPunct(',')) return false;

    if (generic) {
        Token cls = take();
        if (cls.kind == TokenKind::String && !cls.text.empty()) {
            if (!textOf(cls, control.className)) return false;
        } else if (cls.kind == TokenKind::Name) {
            bool known = false;
            for (std::string_view bare : kBareClasses) known = known || bare == cls.text;
            if (!known) return fail(cls.line, "unknown control class '" + cls.text + "'");
            control.className = cls.text;
        } else {
            return failAt(cls, "a control class");
        }
        if (!expectPunct(',') || !parseFlags(style) || !expectPunct(',')) return false;
        if (!parseRect(control.x, control.y, control.cx, control.cy)) return false;
        if (isPunct(',')) {
            take();
            if (!parseFlags(control.exStyle)) return false;
        }
    } else if (icon) {
        control.className = "STATIC";
        style |= SS_ICON;
        if (!parseInt(control.x, "x") || !expectPunct(',') || !parseInt(control.y, "y")) return false;
        if (isPunct(',')) {
            take();
            if (!parseInt(control.cx, "width") || !expectPunct(',') || !parseInt(control.cy, "height")) return false;
            if (control.cx < 0 || control.cy < 0) return fail(keyword.line, "negative size");
            if (isPunct(',')) {
                take();
                if (!parseFlags(style)) return false;
                if (isPunct(',')) {
                    take();
                    if (!parseFlags(control.exStyle)) return false;
                }
            }
        }
    } else {
        control.className = form->className;
        style |= form->defaultStyle;
        if (!parseRect(control.x, control.y, control.cx, control.cy)) return false;
        if (isPunct(',')) {
            take();
            if (!parseFlags(style)) return false;
            if (isPunct(',')) {
                take();
                if (!parseFlags(control.exStyle)) return false;
            }
        }
    }
    control.style = style;
    dialog.controls.push_back(std::move(control));
    return true;
}

// ---- expressions ------------------------------------------------------------------------

bool ScriptParser::parseTerm(int64_t& value) {
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(expressionDepth_);
    Token t = take();
    if (expressionDepth_ > kMaxExpressionDepth) return fail(t.line, "expression nested too deeply");
    if (t.kind == TokenKind::Number) {
        value = t.number;
        return true;
    }
    if (t.kind == TokenKind::Name) {
        auto it = symbols_.find(t.text);
        if (it != symbols_.end()) {
            value = it->second;
            return true;
        }
        if (auto predefined = predefinedSymbol(t.text)) {
            value = *predefined;
            // IDC_STATIC and other negative ids are stored as 32-bit patterns.
            if (value > 0x7FFFFFFF) value -= int64_t(1) << 32;
            return true;
        }
        return fail(t.line, "undefined symbol '" + t.text + "'");
    }
    if (t.kind == TokenKind::Punct && t.text == "-") {
        if (!parseTerm(value)) return false;
        value = -value;
        return true;
    }
    if (t.kind == TokenKind::Punct && t.text == "~") {
        if (!parseTerm(value)) return false;
        value = static_cast<int64_t>(~static_cast<uint32_t>(value));
        return true;
    }
    if (t.kind == TokenKind::Punct && t.text == "(") {
        if (!parseExpression(value)) return false;
        return expectPunct(')');
    }
    return failAt(t, "a number or symbol");
}

bool ScriptParser::parseExpression(int64_t& value) {
    if (!parseTerm(value)) return false;
    while (isPunct('|') || isPunct('+') || isPunct('-')) {
        char op = take().text[0];
        int64_t rhs = 0;
        if (!parseTerm(rhs)) return false;
        if (op == '|')
            value = static_cast<int64_t>(static_cast<uint32_t>(value) | static_cast<uint32_t>(rhs));
        else
            value = op == '+' ? value + rhs : value - rhs;
        // Keep values inside 32 bits so that nothing overflows however long the expression.
        if (value > 0xFFFFFFFFll || value < -0x80000000ll) return fail(tokens_[index_ - 1].line, "value out of range");
    }
    return true;
}

bool ScriptParser::parseFlags(uint32_t& flags) {
    for (;;) {
        bool negate = isName("NOT");
        if (negate) take();
        int64_t term = 0;
        if (!parseTerm(term)) return false;
        uint32_t bits = static_cast<uint32_t>(term);
        if (negate)
            flags &= ~bits;
        else
            flags |= bits;
        if (!isPunct('|')) return true;
        take();
    }
}

bool ScriptParser::parseInt(int& value, const char* what) {
    int line = peek().line;
    int64_t v = 0;
    if (!parseExpression(v)) return false;
    if (v < -0x80000000ll || v > 0x7FFFFFFFll) return fail(line, std::string(what) + " out of range");
    value = static_cast<int>(v);
    return true;
}

bool ScriptParser::parseRect(int& x, int& y, int& cx, int& cy) {
    if (!parseInt(x, "x") || !expectPunct(',') || !parseInt(y, "y") || !expectPunct(',')) return false;
    int line = peek().line;
    if (!parseInt(cx, "width") || !expectPunct(',') || !parseInt(cy, "height")) return false;
    if (cx < 0 || cy < 0) return fail(line, "negative size");
    return true;
}

bool ScriptParser::readFile(const std::string& name, int line, std::vector<uint8_t>& bytes) {
    std::string path = joinPath(baseDir_, name);
    if (filesRead_) filesRead_->push_back(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return fail(line, "cannot read file '" + name + "'");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(line, "cannot read file '" + name + "'");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return fail(line, "cannot read file '" + name + "'");
    return true;
}

}  // namespace win::res

namespace win {

bool parseResourceScript(std::string_view text, const std::string& fileName, const std::string& baseDir,
                         ResourceTable& out, ScriptError& err) {
    std::map<std::string, int64_t> symbols;
    res::ScriptParser parser(out, symbols);
    return parser.parse(text, fileName, baseDir, err);
}

}  // namespace win
