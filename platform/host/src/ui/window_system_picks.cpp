// With the window system linked, a pick is answered through the window system's raw input,
// the same path that clicks the dialogs: while the pick waits, the drawing (the main window)
// has the keyboard and reads the typed answer (see host/pick_input.h).  So a scripted test, a
// scenario and a person in a browser answer a pick the way they answer everything else.
#include "host/window_system_picks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/command_line.h"
#include "host/main_window.h"
#include "host/pick_input.h"
#include "host/picks.h"
#include "win/system.h"

namespace host {
namespace {

Point3d pointAt(const std::vector<double>& numbers, std::size_t first) {
    Point3d p;
    if (numbers.size() > first) p.x = numbers[first];
    if (numbers.size() > first + 1) p.y = numbers[first + 1];
    if (numbers.size() > first + 2) p.z = numbers[first + 2];
    return p;
}

Point3d cross(Point3d a, Point3d b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Point3d unit(Point3d a) {
    double length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0 ? Point3d{a.x / length, a.y / length, a.z / length} : a;
}

// Two axes at right angles to the normal, so that a plane given by origin and normal becomes
// the origin and axes the drawing works with.
void axesFromNormal(const Point3d& n, Plane& plane) {
    Point3d normal = unit(n);
    if (normal == Point3d{}) return;
    Point3d helper = std::abs(normal.z) < 0.9 ? Point3d{0, 0, 1} : Point3d{1, 0, 0};
    plane.xAxis = unit(cross(helper, normal));
    plane.yAxis = unit(cross(normal, plane.xAxis));
}

bool readNumbers(const std::string& text, std::vector<double>& numbers) {
    numbers.clear();
    const char* at = text.c_str();
    for (;;) {
        while (*at == ' ') ++at;
        char* end = nullptr;
        const double value = std::strtod(at, &end);
        if (end == at || !std::isfinite(value)) return false;
        numbers.push_back(value);
        at = end;
        while (*at == ' ') ++at;
        if (*at == '\0') return true;
        if (*at != ',') return false;
        ++at;
    }
}

// The typed answer as the pick's kind needs it; false when it cannot be one.
bool answerFromText(const PickRequest& request, const std::string& text, PickAnswer& answer) {
    std::vector<double> numbers;
    if (!readNumbers(text, numbers)) return false;
    answer.picked = true;
    switch (request.kind) {
    case PickKind::Point:
        if (numbers.size() != 2 && numbers.size() != 3) return false;
        answer.point = pointAt(numbers, 0);
        return true;
    case PickKind::Object:
        if ((numbers.size() != 1 && numbers.size() != 4) || numbers[0] != std::floor(numbers[0])) return false;
        answer.object = AcDbObjectId::fromOldId(static_cast<std::int64_t>(numbers[0]));
        answer.point = pointAt(numbers, 1);
        return true;
    case PickKind::Plane:
        if (numbers.size() != 6 && numbers.size() != 9) return false;
        answer.point = pointAt(numbers, 0);
        answer.plane.origin = answer.point;
        if (numbers.size() == 9) {
            answer.plane.xAxis = pointAt(numbers, 3);
            answer.plane.yAxis = pointAt(numbers, 6);
        } else {
            axesFromNormal(pointAt(numbers, 3), answer.plane);
        }
        return true;
    }
    return false;
}

// The pick waiting at the drawing's prompt (one at a time: a pick cannot open another).
struct Prompt {
    const PickRequest* request = nullptr;
    std::string typed;
    bool done = false;
    PickAnswer answer;
    WNDPROC drawingProc = nullptr;
};
Prompt* waiting = nullptr;

LRESULT promptProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Prompt* prompt = waiting;
    if (!prompt) return 0;
    if (msg == WM_CHAR) {
        const char c = static_cast<char>(wParam);
        if (c == '\b' && !prompt->typed.empty())
            prompt->typed.pop_back();
        else if (static_cast<unsigned char>(c) >= ' ')
            prompt->typed += c;
        return 0;
    }
    if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        prompt->answer = PickAnswer{};
        prompt->done = true;
        return 0;
    }
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        PickAnswer answer;
        if (answerFromText(*prompt->request, prompt->typed, answer)) {
            prompt->answer = answer;
            prompt->done = true;
        } else {
            CommandLine::instance().print("*Invalid input* \"" + prompt->typed + "\"\n");
            prompt->typed.clear();
        }
        return 0;
    }
    return CallWindowProc(prompt->drawingProc, hwnd, msg, wParam, lParam);
}

bool promptDone(void* context) { return static_cast<Prompt*>(context)->done; }

PickAnswer askWindowSystem(const PickRequest& request) {
    if (waiting) return PickAnswer{};
    HWND drawing = mainWindowHandle();
    Prompt prompt;
    prompt.request = &request;
    prompt.drawingProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(drawing, GWLP_WNDPROC));
    waiting = &prompt;
    SetWindowLongPtr(drawing, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(promptProc));
    HWND previousFocus = GetFocus();
    SetActiveWindow(drawing);
    SetFocus(drawing);
    const bool answered = win::runLoopUntil(drawing, promptDone, &prompt);
    if (IsWindow(drawing)) SetWindowLongPtr(drawing, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prompt.drawingProc));
    waiting = nullptr;
    if (!answered) {
        if (win::InputSource* source = win::inputSource()) source->abandoned(drawing);
        return PickAnswer{};
    }
    if (previousFocus && IsWindow(previousFocus) && IsWindowVisible(previousFocus)) SetFocus(previousFocus);
    return prompt.answer;
}

// The host program and every test get this source without asking for it.
[[maybe_unused]] const bool installed = (setPickSource(askWindowSystem), true);

}  // namespace

void useWindowSystemPicks() { setPickSource(askWindowSystem); }

const PickRequest* waitingPick() { return waiting ? waiting->request : nullptr; }

std::string pickAnswerText(const std::vector<double>& numbers) {
    std::string text;
    for (double number : numbers) {
        // The shortest text that reads back as the same number.
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", number);
        if (std::strtod(buffer, nullptr) != number) std::snprintf(buffer, sizeof buffer, "%.17g", number);
        text += (text.empty() ? "" : ",") + std::string(buffer);
    }
    return text;
}

void answerPick(win::ScriptedInput& script, const std::vector<double>& numbers) {
    script.type(0, pickAnswerText(numbers) + "\n");  // a line break is typed as Enter
}

void cancelPick(win::ScriptedInput& script) { script.key(0, VK_ESCAPE); }

}  // namespace host
