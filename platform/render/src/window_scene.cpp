// The window tree walker: every window's state is read back through the window system's
// public read-back calls and becomes the scene elements of its standard look; what the
// window drew itself is replayed on top; children follow, clipped to their parent.

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

#include "menu_scene.h"
#include "record_replay.h"
#include "render/palette.h"
#include "render/window.h"
#include "text_painter.h"
#include "win/draw.h"
#include "win/font.h"
#include "win/readback.h"
#include "win/winuser.h"

namespace render {

namespace {

// A rich edit ends its lines at LF CR as well; the painter knows CR LF, CR and LF.
std::string crLfBreaks(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string lowered(std::string_view s) {
    std::string out;
    for (char c : s) out += char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::mutex& paintersMutex() {
    static std::mutex m;
    return m;
}
std::map<std::string, WindowPainter>& painters() {
    static std::map<std::string, WindowPainter> map;
    return map;
}

WindowPainter painterFor(const std::string& className) {
    std::lock_guard lock(paintersMutex());
    auto it = painters().find(lowered(className));
    return it == painters().end() ? nullptr : it->second;
}

bool comboOwnerDrawn(DWORD style) { return (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }

CheckState checkState(int check) {
    if (check == 1) return CheckState::Checked;
    if (check == 2) return CheckState::Indeterminate;
    return CheckState::Unchecked;
}

std::optional<Image> imageOfHandles(const win::WindowInfo& info) {
    std::shared_ptr<const win::Bitmap> bitmap = info.bitmap ? win::bitmapOf(info.bitmap) : nullptr;
    if (!bitmap && info.icon) bitmap = win::iconOf(info.icon);
    if (!bitmap) return std::nullopt;
    Image image = detail::imageOf(*bitmap);
    if (image.empty()) return std::nullopt;
    return image;
}

class WindowSceneBuilder {
public:
    explicit WindowSceneBuilder(HWND root) : root_(root) {}

    Scene build() {
        Scene scene;
        win::WindowInfo info = win::describeWindow(root_);
        if (!info.hwnd) return scene;
        originX_ = info.windowRect.left;
        originY_ = info.windowRect.top;
        scene.width = info.windowRect.right - info.windowRect.left;
        scene.height = info.windowRect.bottom - info.windowRect.top;
        scene.background = palette::face;
        if (scene.width <= 0 || scene.height <= 0) return scene;
        addWindow(scene, info, true);
        // Opened lists lie above everything else, as their popups do on the desktop.
        for (Element& overlay : overlays_) scene.elements.push_back(std::move(overlay));
        addOwnedMenus(scene);
        return scene;
    }

private:
    // A popup menu opened from this window is a window of its own; a picture of the window
    // shows it where it lies, as the screen would.
    void addOwnedMenus(Scene& scene) {
        if (win::describeWindow(root_).kind == "menu") return;
        std::vector<HWND> windows = win::topLevelWindows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            win::PopupMenuState menu;
            if (!IsWindowVisible(*it) || !win::describePopupMenu(*it, menu) ||
                GetAncestor(menu.owner, GA_ROOT) != root_)
                continue;
            win::WindowInfo info = win::describeWindow(*it);
            Rect at = toPicture(info.windowRect);
            detail::addPopupMenu(scene, menu, at.left, at.top, detail::fontOf(info.font));
        }
    }

    Rect toPicture(const RECT& screen) const {
        return {screen.left - originX_, screen.top - originY_, screen.right - originX_, screen.bottom - originY_};
    }

    void addWindow(Scene& scene, const win::WindowInfo& info, bool isRoot) {
        Rect rect = toPicture(info.windowRect);
        Rect client = toPicture(info.clientRectScreen);
        scene.add(PushClip{rect});
        addStandardLook(scene, info, rect, client, isRoot);
        if (WindowPainter painter = painterFor(info.className)) painter(scene, info.hwnd, client);
        scene.add(PushClip{client});
        detail::replayRecords(scene, win::paintRecords(info.hwnd), client.left, client.top);
        if (info.kind != "combo") {
            // Children are listed top first; the bottom one is painted first.
            for (auto it = info.children.rbegin(); it != info.children.rend(); ++it) {
                win::WindowInfo child = win::describeWindow(*it);
                if (!child.hwnd || !(child.style & WS_VISIBLE)) continue;
                addWindow(scene, child, false);
            }
        }
        scene.add(PopClip{});
        scene.add(PopClip{});
    }

    void addStandardLook(Scene& scene, const win::WindowInfo& info, const Rect& rect, const Rect& client, bool isRoot) {
        const std::string& kind = info.kind;
        Font font = detail::fontOf(info.font);
        bool enabled = info.enabled;
        DWORD style = info.style;
        if (kind == "menu") {
            win::PopupMenuState menu;
            if (win::describePopupMenu(info.hwnd, menu)) detail::addPopupMenu(scene, menu, rect.left, rect.top, font);
        } else if (kind == "dialog" || ((style & WS_CHILD) == 0 && kind == "window")) {
            addFrame(scene, info, rect, client, isRoot);
        } else if (kind == "push" || kind == "default push") {
            PushButton b;
            b.rect = rect;
            b.text = info.text;
            b.font = font;
            b.enabled = enabled;
            b.isDefault = info.isDefault || kind == "default push";
            b.pressed = info.pushed;
            b.focused = info.focused;
            b.multiline = (style & BS_MULTILINE) != 0;
            b.flat = (style & BS_FLAT) != 0;
            DWORD h = style & BS_CENTER;
            b.align = h == BS_LEFT ? HAlign::Left : h == BS_RIGHT ? HAlign::Right : HAlign::Center;
            if (style & (BS_ICON | BS_BITMAP)) b.image = imageOfHandles(info);
            scene.add(std::move(b));
        } else if ((kind == "check" || kind == "3state" || kind == "radio") && (style & BS_PUSHLIKE) &&
                   (style & (BS_ICON | BS_BITMAP))) {
            // A push-like check box with a picture looks like a push button, pressed while checked.
            PushButton b;
            b.rect = rect;
            b.text = info.text;
            b.font = font;
            b.enabled = enabled;
            b.pressed = info.pushed || info.check == BST_CHECKED;
            b.focused = info.focused;
            b.image = imageOfHandles(info);
            scene.add(std::move(b));
        } else if ((kind == "check" || kind == "3state") && (style & BS_BITMAP) && info.bitmap) {
            // A picture check box shows the picture of its state (win/button_state_images.h)
            // in place of a mark.
            addPicture(scene, info, rect);
        } else if (kind == "check" || kind == "3state" || kind == "radio") {
            CheckBox c;
            c.rect = rect;
            c.text = info.text;
            c.font = font;
            c.state = checkState(info.check);
            c.radio = kind == "radio";
            c.enabled = enabled;
            c.focused = info.focused;
            c.textOnLeft = (style & BS_LEFTTEXT) != 0;
            c.pushLike = (style & BS_PUSHLIKE) != 0;
            c.multiline = (style & BS_MULTILINE) != 0;
            scene.add(std::move(c));
        } else if (kind == "group") {
            scene.add(GroupBox{rect, info.text, font, enabled});
        } else if (kind == "static") {
            addStatic(scene, info, rect, font);
        } else if (kind == "icon" || kind == "bitmap") {
            addPicture(scene, info, rect);
        } else if (kind == "frame") {
            addStaticFrame(scene, info, rect);
        } else if (kind == "edit") {
            EditField e;
            e.rect = rect;
            e.text = lowered(info.className) == "richedit20a" ? crLfBreaks(info.text) : info.text;
            e.font = font;
            e.enabled = enabled;
            e.readOnly = info.readOnly || (style & ES_READONLY);
            e.focused = info.focused;
            e.sunken = (info.exStyle & WS_EX_CLIENTEDGE) || (style & WS_BORDER);
            e.border = e.sunken;
            e.password = (style & ES_PASSWORD) != 0;
            e.multiline = (style & ES_MULTILINE) != 0;
            e.vscroll = (style & WS_VSCROLL) != 0;
            e.align = (style & ES_RIGHT) ? HAlign::Right : (style & ES_CENTER) ? HAlign::Center : HAlign::Left;
            e.selStart = std::max(0, std::min(info.selStart, info.selEnd));
            e.selEnd = std::max(0, std::max(info.selStart, info.selEnd));
            scene.add(std::move(e));
        } else if (kind == "combo") {
            addCombo(scene, info, rect, font);
        } else if (kind == "list") {
            addList(scene, info, rect, font);
        } else if (kind == "tab") {
            TabControl t;
            t.rect = rect;
            t.font = font;
            t.tabs = info.items;
            t.selected = info.selection;
            t.enabled = enabled;
            t.focused = info.focused;
            scene.add(std::move(t));
        } else {
            addPlainWindow(scene, info, rect);
        }
    }

    void addFrame(Scene& scene, const win::WindowInfo& info, const Rect& rect, const Rect& client, bool isRoot) {
        DWORD style = info.style;
        bool caption = (style & WS_CAPTION) == WS_CAPTION;
        bool framed = caption || (style & (WS_DLGFRAME | WS_THICKFRAME | WS_BORDER)) ||
                      (info.exStyle & WS_EX_DLGMODALFRAME) || (style & DS_MODALFRAME);
        WindowFrame f;
        f.rect = rect;
        f.client = client;
        f.title = info.text;
        f.font = detail::fontOf(info.font);
        f.caption = caption;
        f.border = framed && client != rect;
        f.thickFrame = (style & WS_THICKFRAME) != 0;
        f.closeBox = (style & WS_SYSMENU) != 0;
        HWND active = GetActiveWindow();
        f.active = !active || active == info.hwnd || !isRoot;
        f.clientFill = true;
        f.clientColor = palette::face;
        scene.add(f);
    }

    void addPlainWindow(Scene& scene, const win::WindowInfo& info, const Rect& rect) {
        if (info.exStyle & WS_EX_CLIENTEDGE) {
            scene.add(Edge3D{rect, -1, -1});
        } else if (info.exStyle & WS_EX_STATICEDGE) {
            scene.add(Edge3D{rect, -1, 0});
        } else if (info.style & WS_BORDER) {
            scene.add(FrameRect{rect, palette::frame, 1});
        }
    }

    void addStatic(Scene& scene, const win::WindowInfo& info, const Rect& rect, const Font& font) {
        DWORD type = info.style & SS_TYPEMASK;
        StaticText s;
        s.rect = rect;
        s.text = info.text;
        s.font = font;
        s.align = type == SS_CENTER ? HAlign::Center : type == SS_RIGHT ? HAlign::Right : HAlign::Left;
        s.wrap = type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE;
        s.centerVertically = (info.style & SS_CENTERIMAGE) != 0;
        s.prefix = (info.style & SS_NOPREFIX) == 0;
        s.enabled = info.enabled;
        s.sunken = (info.style & SS_SUNKEN) || (info.exStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE));
        s.border = (info.style & WS_BORDER) != 0;
        scene.add(std::move(s));
    }

    void addPicture(Scene& scene, const win::WindowInfo& info, const Rect& rect) {
        std::string systemIcon = info.icon ? win::systemIconName(info.icon) : std::string();
        if (!systemIcon.empty()) {
            int size = std::min({32, rect.width(), rect.height()});
            scene.add(SystemIcon{{rect.left, rect.top, rect.left + size, rect.top + size}, systemIcon});
            return;
        }
        StaticPicture p;
        p.rect = rect;
        p.center = (info.style & SS_CENTERIMAGE) != 0;
        p.stretch = (info.style & SS_REALSIZECONTROL) != 0;
        p.sunken = (info.style & SS_SUNKEN) != 0;
        if (auto image = imageOfHandles(info)) p.image = std::move(*image);
        scene.add(std::move(p));
    }

    void addStaticFrame(Scene& scene, const win::WindowInfo& info, const Rect& rect) {
        StaticFrame f;
        f.rect = rect;
        switch (info.style & SS_TYPEMASK) {
        case SS_BLACKRECT:
            f.kind = FrameKind::Black;
            f.filled = true;
            break;
        case SS_GRAYRECT:
            f.kind = FrameKind::Gray;
            f.filled = true;
            break;
        case SS_WHITERECT:
            f.kind = FrameKind::White;
            f.filled = true;
            break;
        case SS_BLACKFRAME: f.kind = FrameKind::Black; break;
        case SS_GRAYFRAME: f.kind = FrameKind::Gray; break;
        case SS_WHITEFRAME: f.kind = FrameKind::White; break;
        case SS_ETCHEDHORZ: f.kind = FrameKind::EtchedHorizontal; break;
        case SS_ETCHEDVERT: f.kind = FrameKind::EtchedVertical; break;
        default: f.kind = FrameKind::Etched; break;
        }
        scene.add(f);
    }

    void addCombo(Scene& scene, const win::WindowInfo& info, const Rect& rect, const Font& font) {
        DWORD type = info.style & 3;
        ComboBox c;
        c.font = font;
        c.items = info.items;
        c.selected = info.selection;
        c.text = info.text;
        if (type == CBS_DROPDOWNLIST && info.selection >= 0 && info.selection < int(info.items.size()))
            c.text = info.items[size_t(info.selection)];
        c.enabled = info.enabled;
        c.focused = info.focused;
        c.dropDownList = type == CBS_DROPDOWNLIST;
        c.simple = type == CBS_SIMPLE;
        c.dropped = info.dropped && !c.simple;
        c.topIndex = info.topIndex;
        c.checkMarks = info.checkMarks;
        c.ownerDrawn = comboOwnerDrawn(info.style);
        int itemHeight = detail::TextPainter::lineHeight(font) + 3;
        if (c.ownerDrawn && info.itemHeight > 0) itemHeight = c.itemHeight = info.itemHeight;
        int fieldHeight = std::min(rect.height(), itemHeight + 6);
        c.rect = {rect.left, rect.top, rect.right, rect.top + fieldHeight};
        // A combo box's window may be as tall as its opened list, the way templates size it.
        int listBottom = rect.bottom;
        if (rect.height() < fieldHeight + itemHeight + 2)
            listBottom = c.rect.bottom + std::clamp(int(c.items.size()), 1, 8) * itemHeight + 2;
        c.listRect = {rect.left, c.rect.bottom, rect.right, listBottom};
        if (c.dropped) {
            // The opened list is a popup above every window; only the closed field stays here.
            ComboBox closed = c;
            closed.dropped = false;
            scene.add(closed);
            c.dropped = true;
            const Rect list = c.listRect;
            overlays_.emplace_back(std::move(c));
            if (closed.ownerDrawn) {
                // The owner drew the field and the opened list's entries (below the field,
                // outside the window's client area); both go above everything with the list.
                const Rect client = toPicture(info.clientRectScreen);
                for (const Rect& area : {client, list.inflate(-1)}) {
                    Scene entries;
                    detail::replayRecords(entries, win::paintRecords(info.hwnd), client.left, client.top);
                    overlays_.emplace_back(PushClip{area});
                    for (Element& element : entries.elements) overlays_.push_back(std::move(element));
                    overlays_.emplace_back(PopClip{});
                }
            }
        } else {
            scene.add(std::move(c));
        }
    }

    void addList(Scene& scene, const win::WindowInfo& info, const Rect& rect, const Font& font) {
        ListBox l;
        l.rect = rect;
        l.font = font;
        l.topIndex = info.topIndex;
        l.enabled = info.enabled;
        l.focused = info.focused;
        l.sunken = (info.exStyle & WS_EX_CLIENTEDGE) || (info.style & WS_BORDER);
        l.border = l.sunken;
        l.vscroll = (info.style & WS_VSCROLL) != 0;
        l.caretIndex = info.selection;
        for (size_t i = 0; i < info.items.size(); ++i) {
            ListEntry entry;
            entry.text = info.items[i];
            entry.selected = std::find(info.selected.begin(), info.selected.end(), int(i)) != info.selected.end();
            if (i < info.checkMarks.size()) entry.check = checkState(info.checkMarks[i]);
            l.entries.push_back(std::move(entry));
        }
        if (info.style & LBS_USETABSTOPS) {
            int step = win::averageCharWidth(info.font) * 8;
            for (int i = 1; i <= 16; ++i) l.tabStops.push_back(step * i);
        }
        scene.add(std::move(l));
    }

    HWND root_;
    int originX_ = 0, originY_ = 0;
    std::vector<Element> overlays_;
};

}  // namespace

void registerWindowPainter(const std::string& className, WindowPainter painter) {
    std::lock_guard lock(paintersMutex());
    if (painter)
        painters()[lowered(className)] = painter;
    else
        painters().erase(lowered(className));
}

Scene sceneOfWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return {};
    win::updateAllWindows();
    return WindowSceneBuilder(hwnd).build();
}

Image renderWindow(HWND hwnd) { return rasterize(sceneOfWindow(hwnd)); }

WriteResult renderWindowToPng(HWND hwnd, const std::string& path) {
    if (!IsWindow(hwnd)) return {false, "no such window"};
    return writePng(sceneOfWindow(hwnd), path);
}

WriteResult renderWindowToSvg(HWND hwnd, const std::string& path) {
    if (!IsWindow(hwnd)) return {false, "no such window"};
    return writeSvg(sceneOfWindow(hwnd), path);
}

}  // namespace render
