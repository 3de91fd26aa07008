#pragma once
// The text, selection and caret of an edit field, shared by the edit control and the edit part
// of a combo box.  The caret is the moving end of the selection; the anchor stays put while
// Shift extends it.

#include <string>

#include "win/font.h"

namespace win::detail {

class EditBuffer {
public:
    std::string text;
    int anchor = 0;
    int caret = 0;
    int limit = 0x7FFFFFFE;
    bool multiLine = false;
    // A rich edit's lines: CR LF, LF CR, a lone CR and a lone LF each end a line.  Otherwise
    // only LF does, and a CR before it is dropped from the line.
    bool anyLineBreak = false;

    int selStart() const { return anchor < caret ? anchor : caret; }
    int selEnd() const { return anchor < caret ? caret : anchor; }
    bool hasSelection() const { return anchor != caret; }
    std::string selectedText() const;

    void setText(const std::string& t);
    // Sets the selection as EM_SETSEL does: -1 as start removes the selection, -1 as end means
    // the end of the text.
    void select(int start, int end);
    void selectAll() { select(0, -1); }
    // Replaces the selection; text beyond the limit is cut off.  Returns false when nothing
    // could be inserted because the limit is reached.
    bool replaceSelection(const std::string& with, bool* truncated = nullptr);
    bool backspace();
    bool deleteForward();
    // Caret movement; `extend` keeps the anchor (Shift held).
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void moveHome(bool extend);
    void moveEnd(bool extend);
    void moveLine(int delta, bool extend);
    // Ctrl+Left / Ctrl+Right: to the start of the previous word, to the start of the next one
    // (a run of letters and digits, or of other marks, is a word; blanks and line breaks
    // separate words).
    void moveWordLeft(bool extend);
    void moveWordRight(bool extend);
    void selectWordAt(int pos);

    // Geometry with a font: the character position nearest to a point and the point of a
    // character, in the control's client coordinates with a margin of `margin` pixels.
    int charFromPoint(const FontSpec& font, int x, int y, int margin) const;
    int lineCount() const;
    int lineIndex(int line) const;  // first character of a line, -1 beyond the last line
    int lineFromChar(int pos) const;
    int lineLength(int pos) const;  // length of the line holding pos
    std::string line(int n) const;

private:
    void clamp();
    // Length of the line break that begins at pos (0: none there).
    int breakLength(size_t pos) const;
    // Start of the first line break at or after pos; the text's length when there is none.
    size_t nextBreak(size_t pos) const;
};

}  // namespace win::detail
