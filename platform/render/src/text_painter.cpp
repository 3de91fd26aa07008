#include "text_painter.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <mutex>
#include <sys/stat.h>

#include "base/cp1252.h"
#include "render/output.h"

namespace render::detail {

namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";

enum class Family { Sans, Condensed, Mono, Serif };

Family familyFor(const std::string& face, bool condensed) {
    std::string lower;
    for (char c : face) lower += char(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("courier") != std::string::npos || lower.find("console") != std::string::npos ||
        lower.find("mono") != std::string::npos || lower.find("fixed") != std::string::npos)
        return Family::Mono;
    if (lower.find("times") != std::string::npos || lower.find("serif") == 0 ||
        lower.find("georgia") != std::string::npos)
        return Family::Serif;
    return condensed ? Family::Condensed : Family::Sans;
}

std::string fileFor(Family family, bool bold, bool italic) {
    std::string base;
    switch (family) {
    case Family::Sans: base = "DejaVuSans"; break;
    case Family::Condensed: base = "DejaVuSansCondensed"; break;
    case Family::Mono: base = "DejaVuSansMono"; break;
    case Family::Serif: base = "DejaVuSerif"; break;
    }
    const char* slant = family == Family::Serif ? "Italic" : "Oblique";
    if (bold && italic) return base + "-Bold" + slant + ".ttf";
    if (bold) return base + "-Bold.ttf";
    if (italic) return base + "-" + slant + ".ttf";
    return base + ".ttf";
}

// Faces live for the whole process: Cairo keeps references to them in its own caches, and
// loading a face per drawn label would dominate the rendering time.
cairo_font_face_t* faceFor(Family family, bool bold, bool italic) {
    static std::mutex mutex;
    static std::map<std::string, cairo_font_face_t*> faces;
    static FT_Library library = nullptr;
    std::lock_guard lock(mutex);
    std::string file = fileFor(family, bold, italic);
    if (auto it = faces.find(file); it != faces.end()) return it->second;

    cairo_font_face_t* face = nullptr;
    std::string path = kFontDir + file;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && (library || FT_Init_FreeType(&library) == 0)) {
        FT_Face ftFace = nullptr;
        if (FT_New_Face(library, path.c_str(), 0, &ftFace) == 0)
            face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    }
    if (!face) {
        // Without the font files, let fontconfig find the nearest match.
        const char* name = family == Family::Mono    ? "DejaVu Sans Mono"
                           : family == Family::Serif ? "DejaVu Serif"
                                                     : "DejaVu Sans";
        face = cairo_toy_font_face_create(name, italic ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                                          bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    faces[file] = face;
    return face;
}

std::vector<std::string> splitParagraphs(const std::string& utf8) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < utf8.size(); ++i) {
        char c = utf8[i];
        if (c == '\r') {
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            out.emplace_back();
        } else if (c == '\n') {
            out.emplace_back();
        } else if (c == '\t') {
            out.back() += "    ";
        } else {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace

std::string stripMnemonic(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

int TextPainter::lineHeight(const Font& font) { return std::max(1, std::abs(font.height)); }

void TextPainter::selectFont(const Font& font, bool condensed) {
    Family family = familyFor(font.face, condensed);
    cairo_set_font_face(cr_, faceFor(family, font.weight >= 600, font.italic));
    // The window system's height is a cell height (ascent plus descent); DejaVu's cell is
    // 1.164 em, so the em size is smaller than the height.
    cairo_set_font_size(cr_, lineHeight(font) / 1.164);
}

double TextPainter::lineWidth(const Font& font, std::string_view cp1252) {
    selectFont(font, false);
    std::string utf8 = base::cp1252ToUtf8(cp1252);
    cairo_text_extents_t ext;
    cairo_text_extents(cr_, utf8.c_str(), &ext);
    return ext.x_advance;
}

std::vector<TextPainter::Line> TextPainter::wrapLines(const std::vector<std::string>& paragraphs, double maxWidth,
                                                      bool wrap) {
    auto measure = [&](const std::string& s) {
        cairo_text_extents_t ext;
        cairo_text_extents(cr_, s.c_str(), &ext);
        return ext.x_advance;
    };
    std::vector<Line> lines;
    for (const std::string& para : paragraphs) {
        if (!wrap) {
            lines.push_back({para, measure(para)});
            continue;
        }
        std::string current;
        size_t pos = 0;
        bool any = false;
        while (pos <= para.size()) {
            size_t space = para.find(' ', pos);
            std::string word = para.substr(pos, space == std::string::npos ? std::string::npos : space - pos);
            std::string candidate = current.empty() ? word : current + " " + word;
            if (!current.empty() && measure(candidate) > maxWidth) {
                lines.push_back({current, measure(current)});
                current = word;
            } else {
                current = candidate;
            }
            any = true;
            if (space == std::string::npos) break;
            pos = space + 1;
        }
        if (any) lines.push_back({current, measure(current)});
    }
    return lines;
}

TextPainter::Setting TextPainter::fitSetting(const Font& font, const std::vector<std::string>& paragraphs,
                                             const Rect& rect, bool wrap) {
    double maxWidth = rect.width();
    int lineH = lineHeight(font);
    for (bool condensed : {false, true}) {
        selectFont(font, condensed);
        auto lines = wrapLines(paragraphs, maxWidth, wrap);
        double widest = 0;
        for (auto& l : lines) widest = std::max(widest, l.width);
        bool heightFits = !wrap || int(lines.size()) * lineH <= std::max(rect.height(), lineH);
        if (widest <= maxWidth + 0.5 && heightFits) return {condensed, 1.0};
        if (condensed && !wrap && widest > 0) return {true, std::max(0.8, maxWidth / widest)};
    }
    return {true, 1.0};
}

Rect TextPainter::draw(const TextBox& box, std::string_view cp1252) {
    std::string utf8 = base::cp1252ToUtf8(cp1252);
    if (utf8.empty() || box.rect.empty()) return {};
    auto paragraphs = splitParagraphs(utf8);
    Setting setting = fitSetting(box.font, paragraphs, box.rect, box.wrap);
    selectFont(box.font, setting.condensed);
    auto lines = wrapLines(paragraphs, box.rect.width() / setting.xScale, box.wrap);

    cairo_font_extents_t fext;
    cairo_font_extents(cr_, &fext);
    int lineH = lineHeight(box.font);
    int total = int(lines.size()) * lineH;
    double top = box.rect.top;
    if (box.valign == VAlign::Middle) top = box.rect.top + std::floor((box.rect.height() - total) / 2.0);
    if (box.valign == VAlign::Bottom) top = box.rect.bottom - total;

    cairo_save(cr_);
    if (box.clip) {
        cairo_rectangle(cr_, box.rect.left, box.rect.top, box.rect.width(), box.rect.height());
        cairo_clip(cr_);
    }
    cairo_set_source_rgb(cr_, ((box.color >> 16) & 0xFF) / 255.0, ((box.color >> 8) & 0xFF) / 255.0,
                         (box.color & 0xFF) / 255.0);
    // Centre the em box in the cell so that ascenders and descenders keep their margins.
    double baselineOffset = std::round((lineH - (fext.ascent + fext.descent)) / 2.0 + fext.ascent);
    Rect inked{box.rect.right, box.rect.bottom, box.rect.left, box.rect.top};
    for (size_t i = 0; i < lines.size(); ++i) {
        double width = lines[i].width * setting.xScale;
        double x = box.rect.left;
        if (box.align == HAlign::Center) x = box.rect.left + std::floor((box.rect.width() - width) / 2.0);
        if (box.align == HAlign::Right) x = box.rect.right - width;
        double lineTop = top + double(i) * lineH;
        double baseline = lineTop + baselineOffset;
        cairo_save(cr_);
        cairo_translate(cr_, std::round(x), baseline);
        cairo_scale(cr_, setting.xScale, 1.0);
        cairo_move_to(cr_, 0, 0);
        cairo_show_text(cr_, lines[i].utf8.c_str());
        cairo_new_path(cr_);  // show_text leaves a current point that a later arc would join
        cairo_restore(cr_);
        if (box.font.underline && width > 0) {
            cairo_rectangle(cr_, std::round(x), baseline + 1, std::ceil(width), 1);
            cairo_fill(cr_);
        }
        if (width > 0) {
            inked.left = std::min(inked.left, int(std::floor(x)));
            inked.right = std::max(inked.right, int(std::ceil(x + width)));
            inked.top = std::min(inked.top, int(lineTop));
            inked.bottom = std::max(inked.bottom, int(lineTop) + lineH);
        }
    }
    cairo_restore(cr_);
    if (inked.empty()) return {};
    return inked;
}

}  // namespace render::detail
