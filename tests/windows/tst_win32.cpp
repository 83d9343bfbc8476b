// The Windows front-end in its own process, under Wine in CI: the window is built, shown and
// driven through the same message handling as the program's, its keys pressed as input events.
// The tests run at whatever resolution Wine's prefix has (KORVAL_DPI), as the program does.
#include "testing.h"

#include "answerkey.h"
#include "dpi.h"
#include "form1.h"
#include "geometry.h"
#include "program.h"
#include "tables.h"
#include "text.h"
#include "version.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// A pixel of a control as the screen shows it, in the control's client coordinates.
COLORREF pixel(HWND control, int x, int y)
{
    const HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return colour;
}

struct Window {
    Form1 form{GetModuleHandleW(nullptr)};
    Window()
    {
        form.show(SW_SHOWNORMAL);
        SetForegroundWindow(form.hwnd());
        pump();
    }
    HWND operator[](std::string_view name) const { return form.control(name); }

    // Runs the queue dry, as the program's loop would.
    void pump()
    {
        MSG message;
        for (int idle = 0; idle < 3; ++idle) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                form.dispatch(message), idle = 0;
            Sleep(20);
        }
    }

    // A key as the keyboard sends it: "Tab", "shift+Tab", "Return", "space", "Escape".
    void press(std::string_view key)
    {
        const std::map<std::string_view, WORD> keys{
            {"Tab", VK_TAB}, {"Return", VK_RETURN}, {"space", VK_SPACE}, {"Escape", VK_ESCAPE}};
        const bool shift = key.starts_with("shift+");
        std::vector<INPUT> inputs;
        const auto add = [&inputs](WORD code, bool up) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = code;
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        };
        const WORD code = keys.at(shift ? key.substr(6) : key);
        if (shift)
            add(VK_SHIFT, false);
        add(code, false);
        add(code, true);
        if (shift)
            add(VK_SHIFT, true);
        SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
        pump();
    }
};

// A length at 96 dpi at the test's resolution.
int scaled(int pixels)
{
    return MulDiv(pixels, systemDpi(), form::designDpi);
}

// The font a control draws with: its height in pixels (the em), weight and slant.
std::tuple<int, bool, bool> fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return {-font.lfHeight, font.lfWeight >= FW_BOLD, font.lfItalic != 0};
}

} // namespace

// The window opens at the resolution of the monitor it is made on, when that is not the
// system's: its first size, places and fonts are the monitor's (144 dpi here), as the window's
// own resolution tells it.
TEST_CASE("opens at its monitor's resolution")
{
    Form1 form(GetModuleHandleW(nullptr), [](HWND) { return 144; });
    RECT client;
    GetClientRect(form.hwnd(), &client);
    CHECK(client.right == 960); // its height depends on a caption Wine draws at its own dpi
    RECT text5;
    GetWindowRect(form.control("Text5"), &text5);
    CHECK(text5.right - text5.left == 86);
    CHECK(std::get<0>(fontOf(form.control("Label1"))) == 20);

    // The real lookup asks the window itself: one that knows nothing of resolutions is at 96
    // dpi, whatever the system's. Only where the system's is not 96 can a skipped lookup show.
    if (systemDpi() == form::designDpi)
        return;
    const DPI_AWARENESS_CONTEXT previous =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    const HWND unaware = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         nullptr, nullptr);
    SetThreadDpiAwarenessContext(previous);
    CHECK(windowDpi(unaware) == 96);
    DestroyWindow(unaware);
}

namespace {

struct Run {
    int status;
    std::wstring report;             // what a message box said, if one showed
    std::vector<std::wstring> boxes; // the answer boxes in key order, as the report showed
};

// A control of the program's window, found as any program could: by its id, its place in the
// table from 1, among the window's children and theirs.
HWND controlOf(HWND form, std::string_view name)
{
    struct Search {
        int id;
        HWND found;
    } search{int(form::findControl(name) - form::controls.data()) + 1, nullptr};
    EnumChildWindows(
        form,
        [](HWND child, LPARAM lParam) CALLBACK -> BOOL {
            auto &search = *reinterpret_cast<Search *>(lParam);
            search.found = GetDlgCtrlID(child) == search.id ? child : nullptr;
            return !search.found;
        },
        LPARAM(&search));
    return search.found;
}

// What the callbacks below share with the test that set them: a thread timer and a hook are
// given no pointer of their own.
struct Watch {
    void (*act)(HWND);      // to do to the program's window once it is up
    Run run;                // what the run showed
    const wchar_t *refused; // the class of windows that cannot be made
} watch;

// Runs the program as wWinMain does, doing `act` to its window once it is up. A message box it
// shows is read, with the boxes behind it, and closed.
Run runProgramWith(void (*act)(HWND))
{
    watch.act = act;
    watch.run = {};
    MSG quit; // left by the windows of earlier tests
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        continue;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
        const HWND form = FindWindowW(Form1::className, nullptr);
        if (const HWND box = FindWindowW(L"#32770", L"" KORVAL_PROGRAM)) {
            wchar_t text[256] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 256); // the message of a message box
            watch.run.report = text;
            for (const quiz::AnswerSlot &slot : quiz::answerKey)
                watch.run.boxes.push_back(form ? windowText(controlOf(form, slot.box)) : L"");
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        } else if (form && watch.act) {
            std::exchange(watch.act, nullptr)(form);
        }
    });
    watch.run.status = runProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    KillTimer(nullptr, timer);
    return watch.run;
}

// Refuses to make windows of one class, as a system short of resources would.
HHOOK refuseWindowsOf(const wchar_t *className)
{
    watch.refused = className;
    return SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) CALLBACK -> LRESULT {
            wchar_t name[64] = {};
            if (code == HCBT_CREATEWND && GetClassNameW(HWND(wParam), name, 64) &&
                std::wstring_view(name) == watch.refused)
                return 1;
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
}

} // namespace

// The program's own loop ends with the status its window leaves (0 after "Salir", which the
// real-window scenario shows): 1 after a run-time error, reported in Spanish, the boxes judged
// before it keeping their verdicts; 1 when the window or a control cannot be made, reported the
// same way.
TEST_CASE("the program's loop and its status")
{
    const Run failed = runProgramWith([](HWND form) {
        DestroyWindow(controlOf(form, "Text5"));
        SendMessageW(controlOf(form, "Command1"), BM_CLICK, 0, 0);
    });
    CHECK(failed.status == 1);
    CHECK(failed.report ==
          L"Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5.");
    REQUIRE(failed.boxes.size() == 11);
    CHECK(failed.boxes[2] == L"ERROR"); // Text4, judged before Text5
    CHECK(failed.boxes[4].empty());     // Text6, after it

    const std::pair<const wchar_t *, const wchar_t *> refusals[] = {
        {Form1::className, L"No se puede crear la ventana Form1."},
        {PictureBox::className, L"No se puede crear el control Picture1."},
    };
    for (auto [className, description] : refusals) {
        const HHOOK hook = refuseWindowsOf(className);
        const Run refused = runProgramWith(nullptr);
        UnhookWindowsHookEx(hook);
        CHECK(refused.status == 1);
        CHECK(refused.report ==
              L"Se ha producido un error en tiempo de ejecución.\n\n" + std::wstring(description));
    }
}

// The window as the user sees it, from the table every front-end shows: fonts, colours read off
// the screen (the system's own for system colours), what lies where; every caption whole, the
// text of a box, a label and a button centred, a box's text on its own colour; the dotted focus
// rectangle on "PRUEBA" while it has the focus, and only then.
TEST_CASE("the window as it shows")
{
    Window window;
    for (const auto &row : table("shows.txt")) {
        INFO(row[0], " ", row[1]);
        if (row[0] == "classic" || row[0] == "faces")
            continue; // the system's own colours and face
        if (row[0] == "at") {
            const POINT at{scaled(std::stoi(row[1])), scaled(std::stoi(row[2]))};
            CHECK(ChildWindowFromPointEx(window.form.hwnd(), at, CWP_SKIPINVISIBLE) ==
                  window[row[3]]);
            continue;
        }
        if (row[1] != "-")
            CHECK(fontOf(window[row[0]]) ==
                  std::tuple(scaled(std::stoi(row[1])), row[2] == "1", row[3] == "1"));
        const COLORREF colour = row[4][0] == '#' ? RGB(std::stoi(row[4].substr(1, 2), nullptr, 16),
                                                       std::stoi(row[4].substr(3, 2), nullptr, 16),
                                                       std::stoi(row[4].substr(5, 2), nullptr, 16))
                                                 : GetSysColor(std::stoi(row[4].substr(3)));
        CHECK(pixel(window[row[0]], scaled(std::stoi(row[5])), scaled(std::stoi(row[6]))) ==
              colour);
    }

    // Every caption fits its control.
    for (const form::ControlSpec &spec : form::controls) {
        const std::wstring caption = windowText(window[spec.name]);
        const HDC dc = GetDC(window[spec.name]);
        const HGDIOBJ old = SelectObject(
            dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window[spec.name], WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(window[spec.name], dc);
        RECT client;
        GetClientRect(window[spec.name], &client);
        INFO(std::string(spec.name));
        CHECK(extent.cx + 2 <= client.right);
        CHECK(extent.cy <= client.bottom);
    }

    // The text of a box on the box's own colour; the texts of a box, a label and a button
    // centred across them.
    SetWindowTextW(window["Text3"], L"MM");
    window.pump();
    for (const std::string name : {"Text3", "Label1", "Command1"}) {
        RECT client;
        GetClientRect(window[name], &client);
        int ink = 0, windowColour = 0, left = client.right, right = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                const COLORREF seen = pixel(window[name], x, y);
                if (seen == GetSysColor(COLOR_WINDOWTEXT))
                    ++ink, left = std::min(left, x), right = std::max(right, x);
                windowColour += seen == GetSysColor(COLOR_WINDOW);
            }
        INFO(name);
        CHECK(ink > 10);
        CHECK((name != "Text3" || windowColour == 0));
        CHECK(std::abs(left + right + 1 - client.right) <= 3);
    }

    RECT button;
    GetClientRect(window["Command1"], &button);
    const COLORREF face = pixel(window["Command1"], scaled(8), scaled(8));
    const auto marked = [&] {
        int dots = 0;
        for (int x = 4; x < button.right - 4; ++x)
            dots += pixel(window["Command1"], x, 4) != face;
        return dots;
    };
    CHECK(marked() > 10);
    SetFocus(window["Command2"]);
    window.pump();
    CHECK(marked() == 0);
}

// What each key does on each control, from the table every front-end follows, every box holding
// "X" before it.
TEST_CASE("keys")
{
    std::optional<Window> window;
    for (const auto &row : table("keys.txt")) {
        INFO(row[0], " ", row[1]);
        if (!window || !IsWindow(window->form.hwnd()))
            window.emplace();
        for (const quiz::AnswerSlot &slot : quiz::answerKey)
            SetWindowTextW((*window)[slot.box], L"X");
        SetFocus((*window)[row[0]]);
        window->press(row[1]);
        if (row[3] == "ended") {
            CHECK(!IsWindow(window->form.hwnd()));
            continue;
        }
        CHECK(GetFocus() == (*window)[row[2]]);
        DWORD start = 1, end = 0;
        SendMessageW(GetFocus(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
        if (row[2].starts_with("Text") && row[1].ends_with("Tab"))
            CHECK((start == 0 && end == 1));
        const wchar_t *expected = row[3] == "judged" ? L"ERROR" : row[3] == "emptied" ? L"" : L"X";
        for (const quiz::AnswerSlot &slot : quiz::answerKey)
            CHECK(windowText((*window)[slot.box]) == expected);
    }
}

// Another window takes the focus and gives it back: the focus is where the learner left it.
TEST_CASE("focus comes back")
{
    Window window;
    SetFocus(window["Text7"]);
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    window.pump();
    CHECK(GetFocus() != window["Text7"]);
    SetForegroundWindow(window.form.hwnd());
    window.pump();
    CHECK(GetFocus() == window["Text7"]);
    DestroyWindow(other);
}

// A move to a screen of another resolution scales the whole window as one: its frame where the
// system suggests, places, fonts and pictures.
TEST_CASE("resolution change")
{
    Window window;
    const int dpi = systemDpi() == 96 ? 120 : 96;
    const form::PixelRect form = form::formClientArea(dpi);
    RECT suggested{0, 0, form.width + 40, form.height + 60};
    SendMessageW(window.form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    window.pump();

    RECT rect;
    GetWindowRect(window.form.hwnd(), &rect);
    CHECK(std::array{rect.left, rect.top, rect.right, rect.bottom} ==
          std::array{suggested.left, suggested.top, suggested.right, suggested.bottom});
    GetWindowRect(window["Text5"], &rect);
    MapWindowPoints(nullptr, window["Picture2"], reinterpret_cast<POINT *>(&rect), 2);
    const form::PixelRect text5 =
        dpi == 120 ? form::PixelRect{10, 80, 71, 24} : form::PixelRect{8, 64, 57, 19};
    CHECK(form::PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top} ==
          text5);
    CHECK(std::get<0>(fontOf(window["Text5"])) == (dpi == 120 ? 14 : 11));

    // Picture2's middle grid line, dark on image row 54, follows to its scaled row.
    const int row = MulDiv(54, dpi, 96), column = MulDiv(4, dpi, 96);
    int darkest = 255;
    for (int y = row - 2; y <= row + 2; ++y)
        darkest = std::min(darkest, int(GetRValue(pixel(window["Picture2"], column, y))));
    CHECK(darkest < 0xA0);
}

// Read back from the built korval2.exe, whose path the test is given in KORVAL2_EXE: the Spanish
// version block, and every resource in Spanish.
TEST_CASE("version block and icon")
{
    const char *path = std::getenv("KORVAL2_EXE");
    REQUIRE(path);
    const std::wstring exe = wide(path);
    DWORD unused = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), &unused));
    REQUIRE(!block.empty());
    REQUIRE(GetFileVersionInfoW(exe.c_str(), 0, DWORD(block.size()), block.data()));
    void *value = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(block.data(), L"\\", &value, &length));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
    const DWORD high = KORVAL_VERSION_MAJOR << 16 | KORVAL_VERSION_MINOR,
                low = KORVAL_VERSION_PATCH << 16;
    CHECK(std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                     fixed->dwProductVersionLS} == std::array{high, low, high, low});
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
    CHECK(*static_cast<const WORD *>(value) == 0x0C0A); // Spanish (Spain)
    // What Explorer shows of the file.
    for (const auto &[name, shown] :
         {std::pair(L"FileVersion", L"" KORVAL_VERSION_TEXT),
          std::pair(L"ProductVersion", L"" KORVAL_VERSION_TEXT),
          std::pair(L"ProductName", L"KORVAL 2"), std::pair(L"CompanyName", L"Korval"),
          std::pair(L"FileDescription",
                    L"KORVAL 2: nombres de los s\u00EDmbolos electr\u00F3nicos"),
          std::pair(L"OriginalFilename", L"korval2.exe")}) {
        INFO(std::string(name, name + std::wcslen(name)));
        REQUIRE(VerQueryValueW(block.data(),
                               (std::wstring(L"\\StringFileInfo\\0C0A04B0\\") + name).c_str(),
                               &value, &length));
        CHECK(std::wstring(static_cast<const wchar_t *>(value)) == shown);
    }

    const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module);
    // Every resource is in Spanish (Spain) and in no other language.
    using Resource = std::pair<LPCWSTR, LPCWSTR>;
    for (const auto &[type, name] :
         {Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1)), Resource(RT_VERSION, MAKEINTRESOURCEW(1)),
          Resource(RT_MANIFEST, MAKEINTRESOURCEW(1)), Resource(RT_BITMAP, L"FORM1")}) {
        std::vector<WORD> languages;
        EnumResourceLanguagesW(
            module, type, name,
            [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) CALLBACK {
                reinterpret_cast<std::vector<WORD> *>(found)->push_back(language);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&languages));
        CHECK(languages == std::vector<WORD>{0x0C0A});
    }
    FreeLibrary(module);
}
