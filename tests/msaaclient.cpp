// A screen reader's view of a running korval2.exe, from another process, through MSAA as every
// Windows screen reader has it: each answer box and picture box is read by the core's name and
// description (which the core's tests show to give no answer away); every box is filled through
// its accessible value, "PRUEBA" is pressed, and every box then reads "BIEN". Exits 0 when all
// holds.
#include "answerkey.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool ok, const std::wstring &what)
{
    if (!ok) {
        std::fwprintf(stderr, L"FAIL: %ls\n", what.c_str());
        ++failures;
    }
}

struct Control {
    HWND window;
    IAccessible *accessible;
    std::wstring name, description;
    long role;
};

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

BOOL CALLBACK collect(HWND window, LPARAM list)
{
    Control control{window, nullptr, {}, {}, 0};
    if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&control.accessible))))
        return TRUE;
    BSTR text = nullptr;
    control.accessible->get_accName(self(), &text);
    control.name = take(text);
    text = nullptr;
    control.accessible->get_accDescription(self(), &text);
    control.description = take(text);
    VARIANT role{};
    control.accessible->get_accRole(self(), &role);
    control.role = role.vt == VT_I4 ? role.lVal : 0;
    reinterpret_cast<std::vector<Control> *>(list)->push_back(control);
    return TRUE;
}

} // namespace

int wmain()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND form = nullptr;
    for (int tries = 0; !form && tries < 400; ++tries, Sleep(50))
        form = FindWindowW(L"KorvalForm1", L"Form1");
    if (!form) {
        std::fwprintf(stderr, L"FAIL: no window\n");
        return 1;
    }
    std::vector<Control> controls;
    EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&controls));

    // Box k of the key is "Respuesta k de 11", in table t, cell c, as its picture shows it.
    const wchar_t *places[] = {L"tabla 1, casilla 1", L"tabla 3, casilla 1", L"tabla 3, casilla 2",
                               L"tabla 2, casilla 1", L"tabla 2, casilla 2", L"tabla 2, casilla 3",
                               L"tabla 4, casilla 1", L"tabla 4, casilla 2", L"tabla 4, casilla 3",
                               L"tabla 4, casilla 4", L"tabla 4, casilla 5"};
    std::map<std::wstring, const Control *> byName;
    for (const Control &control : controls)
        byName[control.name] = &control;
    for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
        const std::wstring name = L"Respuesta " + std::to_wstring(k + 1) + L" de 11";
        const Control *box = byName.count(name) ? byName[name] : nullptr;
        check(box && box->role == ROLE_SYSTEM_TEXT && box->description == places[k],
              name + L" with its place");
    }
    for (int table = 1; table <= 4; ++table)
        check(byName.count(L"Tabla " + std::to_wstring(table) + L" de s\u00EDmbolos"),
              L"symbol table " + std::to_wstring(table));
    const Control *words = byName.count(L"Lista de palabras correctas")
                               ? byName[L"Lista de palabras correctas"]
                               : nullptr;
    check(words && words->description.find(L"DIODO VARICAP, FOTODIODO") != std::wstring::npos,
          L"the word list's words");
    // The whole drill through the accessible objects.
    for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
        const std::wstring name = L"Respuesta " + std::to_wstring(k + 1) + L" de 11";
        if (!byName.count(name))
            continue;
        const std::wstring answer(quiz::answerKey[k].expected.begin(),
                                  quiz::answerKey[k].expected.end());
        BSTR value = SysAllocString(answer.c_str());
        check(SUCCEEDED(byName[name]->accessible->put_accValue(self(), value)), L"set " + name);
        SysFreeString(value);
    }
    for (const wchar_t *button : {L"PRUEBA", L"Salir"}) {
        if (!byName.count(button)) {
            check(false, std::wstring(L"the button ") + button);
            continue;
        }
        // Wine's standard objects have no default action; the button is then clicked directly.
        if (byName[button]->accessible->accDoDefaultAction(self()) == E_NOTIMPL)
            SendMessageW(byName[button]->window, BM_CLICK, 0, 0);
        if (std::wstring(button) == L"Salir")
            break;
        for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
            const std::wstring name = L"Respuesta " + std::to_wstring(k + 1) + L" de 11";
            BSTR value = nullptr;
            if (byName.count(name))
                byName[name]->accessible->get_accValue(self(), &value);
            check(take(value) == L"BIEN", name + L" reads BIEN after PRUEBA");
        }
    }
    for (Control &control : controls)
        control.accessible->Release();
    CoUninitialize();
    std::fwprintf(stderr, L"msaaclient: %d failures\n", failures);
    return failures ? 1 : 0;
}
