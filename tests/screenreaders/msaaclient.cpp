// A screen reader's view of a running korval2.exe, from another process, through MSAA as every
// Windows screen reader has it. It prints what it finds, a control a line (kind|name|description,
// in UTF-8), for the caller to compare with what must be heard. Then it works the drill through
// the accessible objects alone: every box filled through its value, "PRUEBA" pressed, every box
// read back as "BIEN", "BORRAR" pressed, and "Salir". Meanwhile it hooks the program's live-region
// changes, as NVDA does, and reads what each says: after "PRUEBA" and "BORRAR" what they did,
// with the focus still on the button. Exits 0 when the drill holds.
#include "answerkey.h"
#include "tables.h"
#include "text.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

struct Control {
    HWND window;
    IAccessible *accessible;
};
using Controls = std::map<std::wstring, Control>;

int failures = 0;
std::vector<std::wstring> liveTexts; // what the live-region changes said, in order

void check(bool ok, const std::wstring &what)
{
    if (!ok) {
        std::fwprintf(stderr, L"FAIL: %ls\n", what.c_str());
        ++failures;
    }
}

VARIANT self()
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

std::wstring take(BSTR text)
{
    std::wstring taken = text ? text : L"";
    SysFreeString(text);
    return taken;
}

// The roles that a screen reader tells apart here.
const char *kind(const VARIANT &role)
{
    static const std::map<LONG, const char *> kinds{{ROLE_SYSTEM_TEXT, "box"},
                                                    {ROLE_SYSTEM_PUSHBUTTON, "button"},
                                                    {ROLE_SYSTEM_STATICTEXT, "label"},
                                                    {ROLE_SYSTEM_GROUPING, "group"},
                                                    {ROLE_SYSTEM_GRAPHIC, "image"}};
    const auto found = kinds.find(role.vt == VT_I4 ? role.lVal : 0);
    return found == kinds.end() ? "other" : found->second;
}

BOOL CALLBACK collect(HWND window, LPARAM controls)
{
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&accessible))))
        return TRUE;
    BSTR name = nullptr, description = nullptr;
    VARIANT role{};
    accessible->get_accName(self(), &name);
    accessible->get_accDescription(self(), &description);
    accessible->get_accRole(self(), &role);
    const std::wstring named = take(name);
    std::wprintf(L"%hs|%ls|%ls\n", kind(role), named.c_str(), take(description).c_str());
    Control &slot = (*reinterpret_cast<Controls *>(controls))[named];
    if (slot.accessible) // another control of the same name, an unnamed label say
        slot.accessible->Release();
    slot = {window, accessible};
    return TRUE;
}

const Control *find(const Controls &controls, const std::wstring &name)
{
    const auto found = controls.find(name);
    check(found != controls.end(), L"no control named " + name);
    return found == controls.end() ? nullptr : &found->second;
}

std::wstring boxName(std::size_t k)
{
    return L"Respuesta " + std::to_wstring(k + 1) + L" de 11";
}

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD)
{
    IAccessible *accessible = nullptr;
    VARIANT which{};
    BSTR name = nullptr;
    if (SUCCEEDED(
            AccessibleObjectFromEvent(window, DWORD(object), DWORD(child), &accessible, &which))) {
        accessible->get_accName(which, &name);
        accessible->Release();
    }
    liveTexts.push_back(take(name));
}

void press(const Controls &controls, const wchar_t *button)
{
    // Wine's standard objects have no default action; the button is then clicked directly.
    if (const Control *control = find(controls, button);
        control && FAILED(control->accessible->accDoDefaultAction(self())))
        SendMessageW(control->window, BM_CLICK, 0, 0);
}

// Presses a button, then waits for the live-region change, which must say that text, and finds
// the focus still on the button.
void pressAndHear(const Controls &controls, const wchar_t *button, const std::wstring &said)
{
    liveTexts.clear();
    press(controls, button);
    // The click has been handled when press() returns, and every change it made is queued here
    // by then: once the first has come, so has any second.
    MSG message;
    for (int tries = 0; liveTexts.empty() && tries < 100; ++tries) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    check(liveTexts.size() == 1 && liveTexts.front() == said,
          std::wstring(button) + L" announces " + said);
    const Control *pressed = find(controls, button);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    check(pressed &&
              GetGUIThreadInfo(GetWindowThreadProcessId(pressed->window, nullptr), &thread) &&
              thread.hwndFocus == pressed->window,
          L"the focus stays on " + std::wstring(button));
}

// What is heard after a button, with the boxes before it as said.txt gives them.
std::wstring saidAfter(std::string_view button, std::string_view boxes)
{
    for (const auto &row : table("said.txt"))
        if (row[0] == button && row[1] == boxes)
            return wide(joined(row, 2));
    check(false, L"said.txt has no row for this");
    return {};
}

} // namespace

int wmain()
{
    _setmode(_fileno(stdout), _O_U8TEXT);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND form = nullptr;
    for (int tries = 0; !form && tries < 400; ++tries, Sleep(50))
        form = FindWindowW(L"KorvalForm1", L"Form1");
    if (!form) {
        std::fwprintf(stderr, L"FAIL: no window\n");
        return 1;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(form, &process);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        liveRegionChanged, process, 0, WINEVENT_OUTOFCONTEXT);
    Controls controls;
    EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&controls));
    std::fflush(stdout);

    for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
        BSTR value = SysAllocString(std::wstring(wide(quiz::answerKey[k].expected)).c_str());
        if (const Control *box = find(controls, boxName(k)))
            check(SUCCEEDED(box->accessible->put_accValue(self(), value)), L"set " + boxName(k));
        SysFreeString(value);
    }
    pressAndHear(controls, L"PRUEBA", saidAfter("Command1", "+++++++++++"));
    for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
        BSTR value = nullptr;
        if (const Control *box = find(controls, boxName(k)))
            box->accessible->get_accValue(self(), &value);
        check(take(value) == L"BIEN", boxName(k) + L" reads BIEN after PRUEBA");
    }
    pressAndHear(controls, L"BORRAR", saidAfter("Command2", "+++++++++++"));
    UnhookWinEvent(hook);
    press(controls, L"Salir");
    for (auto &[name, control] : controls)
        control.accessible->Release();
    CoUninitialize();
    std::fwprintf(stderr, L"msaaclient: %d failures\n", failures);
    return failures ? 1 : 0;
}
