// The Windows front-end in its own process, under Wine in CI: the window is built, shown and
// driven through the same message handling as the program's, keys come as input events.
#include "testing.h"

#include "form1.h"
#include "geometry.h"
#include "text.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Window {
    Form1 form{GetModuleHandleW(nullptr)};
    Window()
    {
        form.show(SW_SHOWNORMAL);
        SetForegroundWindow(form.hwnd());
        pump();
    }
    HWND operator[](std::string_view name) const { return form.control(name); }

    // Runs the queue dry, as the program's loop would; returns the exit status once the
    // program has ended, -1 while it runs.
    int pump()
    {
        MSG message;
        for (int idle = 0; idle < 3; ++idle) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT)
                    return int(message.wParam);
                form.dispatch(message);
                idle = 0;
            }
            Sleep(20);
        }
        return -1;
    }
    std::wstring text(std::string_view box) const { return windowText((*this)[box]); }
    void click(std::string_view button) { SendMessageW((*this)[button], BM_CLICK, 0, 0); }
};

} // namespace

TEST_CASE("starts ready")
{
    Window window;
    CHECK(GetFocus() == window["Command1"]);
    for (const char *button : {"Command1", "Command2", "Command3"})
        CHECK((GetWindowLongW(window[button], GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON);
    // Labels lie under everything: Picture5 covers Label4's last row.
    CHECK(ChildWindowFromPointEx(window.form.hwnd(), {500, 24}, CWP_SKIPINVISIBLE) ==
          window["Picture5"]);
    CHECK(ChildWindowFromPointEx(window.form.hwnd(), {500, 23}, CWP_SKIPINVISIBLE) ==
          window["Label4"]);
}

// A box that cannot be reached is reported in Spanish and ends the program with status 1; the
// boxes judged before it keep their verdicts.
TEST_CASE("run-time error")
{
    static Window window;
    static std::wstring shown, text4, text6;
    DestroyWindow(window["Text5"]);
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        const HWND box = FindWindowW(L"#32770", L"korval2");
        if (!box)
            return;
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256); // the message of a message box
        shown = text;
        text4 = window.text("Text4");
        text6 = window.text("Text6");
        KillTimer(nullptr, timer);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    window.click("Command1");
    CHECK(shown ==
          L"Se ha producido un error en tiempo de ejecución.\n\nNo se encuentra el control Text5.");
    CHECK(text4 == L"ERROR");
    CHECK(text6.empty());
    CHECK(window.pump() == 1);
}

// Colours as the user sees them: the system colours the table names, read off the screen.
TEST_CASE("colours and captions")
{
    Window window;
    const struct {
        const char *control;
        POINT at;
        COLORREF colour;
    } cases[] = {
        {"Text12", {5, 5}, GetSysColor(COLOR_INACTIVECAPTION)},
        {"Label3", {2, 2}, GetSysColor(COLOR_ACTIVEBORDER)},
        {"Label4", {2, 2}, GetSysColor(COLOR_APPWORKSPACE)},
        {"Picture2", {30, 88}, GetSysColor(COLOR_HIGHLIGHTTEXT)},
    };
    const HDC screen = GetDC(window.form.hwnd());
    for (const auto &row : cases) {
        INFO(std::string(row.control));
        POINT at = row.at;
        MapWindowPoints(window[row.control], window.form.hwnd(), &at, 1);
        CHECK(GetPixel(screen, at.x, at.y) == row.colour);
    }
    ReleaseDC(window.form.hwnd(), screen);

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
}

// A move to a screen of another resolution scales the whole window as one.
TEST_CASE("resolution change")
{
    Window window;
    RECT suggested{0, 0, 900, 600};
    SendMessageW(window.form.hwnd(), WM_DPICHANGED, MAKEWPARAM(120, 120), LPARAM(&suggested));
    RECT rect;
    GetWindowRect(window["Text5"], &rect);
    MapWindowPoints(nullptr, window["Picture2"], reinterpret_cast<POINT *>(&rect), 2);
    CHECK(rect.left == 10);
    CHECK(rect.top == 80);
    CHECK(rect.right - rect.left == 71);
    CHECK(rect.bottom - rect.top == 24);
}

// The core's names and descriptions, as a screen reader gets them from the accessible objects.
// Where the system keeps no annotations (Wine 8 answers E_NOTIMPL), there is nothing to read.
TEST_CASE("screen reader")
{
    Window window;
    IAccPropServices *services = nullptr;
    REQUIRE(
        SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void **>(&services))));
    const HRESULT kept = services->SetHwndPropStr(window["Label1"], DWORD(OBJID_CLIENT),
                                                  CHILDID_SELF, PROPID_ACC_NAME, L"KORVAL  2");
    services->Release();
    if (kept == E_NOTIMPL) {
        MESSAGE("this system keeps no accessibility annotations: names not read back");
        return;
    }
    const struct {
        const char *control;
        const wchar_t *name, *description;
    } cases[] = {
        {"Text7", L"Respuesta 6 de 11", L"tabla 2, casilla 3"},
        {"Picture3", L"Tabla 3 de símbolos", nullptr},
        {"Command3", L"Salir", nullptr},
    };
    for (const auto &row : cases) {
        INFO(std::string(row.control));
        IAccessible *accessible = nullptr;
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(window[row.control], DWORD(OBJID_CLIENT),
                                                     __uuidof(IAccessible),
                                                     reinterpret_cast<void **>(&accessible))));
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr, description = nullptr;
        accessible->get_accName(self, &name);
        accessible->get_accDescription(self, &description);
        CHECK(std::wstring(name ? name : L"") == row.name);
        if (row.description)
            CHECK(std::wstring(description ? description : L"") == row.description);
        SysFreeString(name);
        SysFreeString(description);
        accessible->Release();
    }
}

// Read back from the built korval2.exe: the Spanish version block and the three icon images.
TEST_CASE("version block and icon")
{
    const wchar_t *exe = L"korval2.exe";
    DWORD unused = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(exe, &unused));
    REQUIRE(!block.empty());
    REQUIRE(GetFileVersionInfoW(exe, 0, DWORD(block.size()), block.data()));
    void *value = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(block.data(), L"\\", &value, &length));
    const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
    CHECK(fixed->dwFileVersionMS == 0x00010000);
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == 0x00010000);
    CHECK(fixed->dwProductVersionLS == 0);
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
    CHECK(*static_cast<const WORD *>(value) == 0x0C0A); // Spanish (Spain)
    for (const wchar_t *name : {L"\\StringFileInfo\\0C0A04B0\\FileVersion",
                                L"\\StringFileInfo\\0C0A04B0\\ProductVersion"}) {
        REQUIRE(VerQueryValueW(block.data(), name, &value, &length));
        CHECK(std::wstring(static_cast<const wchar_t *>(value)) == L"1.00");
    }

    const HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(module);
    const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    REQUIRE(group);
    const auto *icon = static_cast<const BYTE *>(LockResource(LoadResource(module, group)));
#pragma pack(push, 2)
    struct Entry {
        BYTE width, height, colours, reserved;
        WORD planes, bits;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const WORD count = *reinterpret_cast<const WORD *>(icon + 4);
    REQUIRE(count == 3);
    const auto *entries = reinterpret_cast<const Entry *>(icon + 6);
    const int expected[3][2] = {{32, 1}, {32, 4}, {16, 4}}; // size, bits per pixel
    for (int i = 0; i < 3; ++i) {
        CHECK(entries[i].width == expected[i][0]);
        CHECK(entries[i].height == expected[i][0]);
        CHECK(entries[i].bits == expected[i][1]);
    }
    FreeLibrary(module);
}
