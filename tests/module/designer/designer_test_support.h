#pragma once
// Shared set-up of the template tests: a fresh library folder per test (so templates are
// written where the template folder is), the bundled text tables, a clean window system, and a
// host dialog whose procedure forwards the design surface's events to the template under test.

#include "kv_source_dir.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/kv_texts.h"
#include "frame_test_support.h"
#include "designer/kv_dlg_designer_data.h"
#include "win/resource.h"
#include "win/system.h"
#include "win/winuser.h"

namespace designer_test {

// Control ids of the host dialog: OK plus the designer's property panel.
inline constexpr int kTypeList = 1005;
inline constexpr int kContentsCaption = 1016;
inline constexpr int kContentsField = 1304;
inline constexpr int kListCaption = 1017;
inline constexpr int kListField = 1305;

// The template whose events the host dialog forwards (one per test).
inline Kv_DlgDesignerData*& forwardedTemplate() {
    static Kv_DlgDesignerData* current = nullptr;
    return current;
}

// Forwards what the designer dialog forwards: presses on the surface, painting, and the
// property panel's changes, so that tests reach the template as a person does.
inline INT_PTR CALLBACK_hostProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Kv_DlgDesignerData* data = forwardedTemplate();
    if (data == nullptr) return FALSE;
    switch (message) {
    case WM_LBUTTONDOWN:
        data->OnLButtonDown(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        data->updatePropsOfCurSel();
        return TRUE;
    case WM_ERASEBKGND: return data->OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(dialog, &paint);
        data->OnPaint(dc);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == kTypeList && code == CBN_SELCHANGE) {
            data->propsOfCurSelUpdated();
            data->updatePropsOfCurSel();
            return TRUE;
        }
        if ((id == kContentsField || id == kListField) && code == EN_CHANGE && !data->isUpdatingProperties()) {
            data->propsOfCurSelUpdated();
            return TRUE;
        }
        return FALSE;
    }
    default: return FALSE;
    }
}

// A 24-bit bottom-up BMP of the given size; pixel(x, y) gives 0xRRGGBB.
template <typename Pixel>
std::string makeBmp(int width, int height, Pixel pixel) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes * height);
    std::string bmp(54 + imageBytes, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bmp[26] = 1;
    bmp[28] = 24;
    put32(34, imageBytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = pixel(x, y);
            const size_t at = 54 + static_cast<size_t>((height - 1 - y) * rowBytes + x * 3);
            bmp[at] = static_cast<char>(rgb & 0xFF);
            bmp[at + 1] = static_cast<char>((rgb >> 8) & 0xFF);
            bmp[at + 2] = static_cast<char>((rgb >> 16) & 0xFF);
        }
    }
    return bmp;
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh library folder for each test, on the module's fixture.
class DesignerTest : public FrameTest {
protected:
    void SetUp() override {
        std::random_device random;
        library_ = std::filesystem::temp_directory_path() /
                   ("kvdesigner-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(templateFolder());
        setenv("KV_LIB_DIR", (library_.string() + "/").c_str(), 1);
        setenv("KV_DIR", (kvSourceDir() + "/install/").c_str(), 1);
        Kv_Texts::reload();
        FrameTest::SetUp();
        forwardedTemplate() = nullptr;
    }
    void TearDown() override {
        forwardedTemplate() = nullptr;
        FrameTest::TearDown();
        std::error_code ec;
        std::filesystem::remove_all(library_, ec);
    }

    std::filesystem::path templateFolder() const { return library_ / "Dialog Templates" / "Dialog Design"; }
    // The package path of a file below the template folder ("sub\\name.txt").
    Kv_String templatePath(const std::string& relative) const { return getDesignerRootFolder() + relative.c_str(); }
    std::filesystem::path hostPath(const std::string& relative) const {
        std::string path = relative;
        for (char& c : path)
            if (c == '\\') c = '/';
        return templateFolder() / path;
    }

    // A picture of the given size, white everywhere but a grey block in the middle.
    void writePicture(const std::string& relative, int width, int height) {
        writeFile(hostPath(relative), makeBmp(width, height, [&](int x, int y) -> uint32_t {
                      return (x > width / 4 && x < width * 3 / 4 && y > height / 4 && y < height * 3 / 4) ? 0x808080u
                                                                                                          : 0xFFFFFFu;
                  }));
    }

    // The host dialog: client area 400 by 300, OK button, and the property panel controls, which
    // lie below that area unless the dialog is made taller (as for tests that edit the panel).
    HWND openHostDialog(int height = 300) {
        win::DialogTemplate t;
        t.id = 9990;
        t.caption = "Template host";
        t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        t.cx = 400;
        t.cy = height;
        t.controls.push_back(
            {IDOK, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 320, 270, 70, 24, "OK"});
        t.controls.push_back(
            {kTypeList, "COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 310, 200, 200, ""});
        t.controls.push_back({kContentsCaption, "STATIC", WS_CHILD | WS_VISIBLE, 0, 0, 340, 80, 16, ""});
        t.controls.push_back({kContentsField, "EDIT", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 90, 340, 100, 20, ""});
        t.controls.push_back({kListCaption, "STATIC", WS_CHILD | WS_VISIBLE, 0, 200, 340, 80, 16, ""});
        t.controls.push_back({kListField, "EDIT", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 290, 340, 100, 20, ""});
        hostTemplate_ = t;
        HWND dialog = CreateDialogIndirectParam(nullptr, &hostTemplate_, nullptr, CALLBACK_hostProc, 0);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    std::filesystem::path library_;
    win::DialogTemplate hostTemplate_;
};

// A control at fractions (x1, y1)-(x2, y2).
inline Kv_DesignerControl makeControl(Kv_ControlType type, double x1, double y1, double x2, double y2,
                                      const char* contents = "") {
    Kv_DesignerControl c;
    c.type = type;
    c.topLeftX = x1;
    c.topLeftY = y1;
    c.bottomRightX = x2;
    c.bottomRightY = y2;
    c.contents = contents;
    return c;
}

inline Kv_String windowTextOf(HWND window) {
    char buffer[512] = {};
    GetWindowText(window, buffer, sizeof buffer);
    return Kv_String(buffer);
}

}  // namespace designer_test
