#include "accessibility.h"

#include "lookup.h"
#include "screenreader.h"
#include "text.h"

#include <oleacc.h>
#include <uiautomationcore.h>

#include <memory>
#include <string>

namespace {

// oleacc, ole32 and oleaut32, loaded on the first request of a screen reader: importing them
// would load them, and COM, before the window's first frame.
struct AccessibilityLibraries {
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    HMODULE oleaut32 = LoadLibraryW(L"oleaut32.dll");
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    decltype(CreateStdAccessibleObject) *createStandard =
        lookUp<decltype(CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject");
    decltype(LresultFromObject) *lresultFromObject =
        lookUp<decltype(LresultFromObject)>(oleacc, "LresultFromObject");
    decltype(SysAllocString) *allocString =
        lookUp<decltype(SysAllocString)>(oleaut32, "SysAllocString");
    decltype(SysFreeString) *freeString =
        lookUp<decltype(SysFreeString)>(oleaut32, "SysFreeString");
    decltype(CoCreateInstance) *createInstance =
        lookUp<decltype(CoCreateInstance)>(ole32, "CoCreateInstance");
    bool com = false;

    AccessibilityLibraries()
    {
        if (const auto initialize = lookUp<decltype(CoInitializeEx)>(ole32, "CoInitializeEx"))
            com = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~AccessibilityLibraries()
    {
        if (com)
            lookUp<decltype(CoUninitialize)>(ole32, "CoUninitialize")();
        for (HMODULE library : {oleacc, oleaut32, ole32})
            if (library)
                FreeLibrary(library);
    }
    bool usable() const { return createStandard && lresultFromObject && allocString && com; }

    static const AccessibilityLibraries &get()
    {
        static const AccessibilityLibraries libraries;
        return libraries;
    }
};

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// What the core calls a control, as MSAA says it. The system's own objects would take a picture
// box for a plain client area, and under Wine a button too.
long msaaRole(form::Role role)
{
    switch (role) {
    case form::Role::Text:
        return ROLE_SYSTEM_TEXT;
    case form::Role::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case form::Role::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case form::Role::Group:
        return ROLE_SYSTEM_GROUPING;
    case form::Role::Image:
        break;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

// What a control tells a screen reader: its texts, its role and the window procedure it had.
struct Identity {
    std::wstring name, description;
    long role;
    WNDPROC original;
};

// The system's standard object for the control, with the name, description and role of our own.
class NamedAccessible final : public IAccessible, public IOleWindow {
public:
    NamedAccessible(HWND window, IAccessible *standard, const Identity &identity)
        : m_window(window), m_standard(standard), m_identity(identity)
    {
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
            *object = static_cast<IAccessible *>(this);
        else if (id == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow *>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (!left)
            delete this;
        return left;
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override
    {
        return window ? (*window = m_window, S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: the name, the description and the role are ours, all else the standard
    // object's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return isSelf(child) ? text(m_identity.name, name) : m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (!isSelf(child) || m_identity.description.empty())
            return m_standard->get_accDescription(child, description);
        return text(m_identity.description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        if (!isSelf(child))
            return m_standard->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = m_identity.role;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override
    {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                                     UINT *argument) override
    {
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                  argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override
    {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override
    {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height,
                                          VARIANT child) override
    {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override
    {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { m_standard->Release(); }

    static HRESULT text(const std::wstring &from, BSTR *to)
    {
        if (!to)
            return E_POINTER;
        *to = AccessibilityLibraries::get().allocString(from.c_str());
        return *to ? S_OK : E_OUTOFMEMORY;
    }

    ULONG m_references = 1;
    HWND m_window;
    IAccessible *m_standard;
    const Identity m_identity; // a copy: a client may hold the object past the window
};

constexpr const wchar_t *identityProperty = L"KorvalAccessibleIdentity";

LRESULT CALLBACK identifiedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *identity = static_cast<Identity *>(GetPropW(window, identityProperty));
    const WNDPROC original = identity->original;
    if (message == WM_GETOBJECT && DWORD(lParam) == DWORD(OBJID_CLIENT)) {
        const AccessibilityLibraries &libraries = AccessibilityLibraries::get();
        IAccessible *standard = nullptr;
        if (libraries.usable() &&
            SUCCEEDED(libraries.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void **>(&standard)))) {
            auto *accessible = new NamedAccessible(window, standard, *identity);
            const LRESULT result = libraries.lresultFromObject(
                __uuidof(IAccessible), wParam, static_cast<IAccessible *>(accessible));
            accessible->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(window, identityProperty);
        delete identity;
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

} // namespace

void giveAccessibleIdentity(HWND control, const form::ControlSpec &spec)
{
    auto identity = std::make_unique<Identity>(
        Identity{wide(form::screenReaderName(spec)), wide(form::screenReaderDescription(spec)),
                 msaaRole(form::screenReaderRole(spec)), nullptr});
    if (!SetPropW(control, identityProperty, identity.get()))
        return;
    identity->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(identifiedWindowProc)));
    identity.release();
}

LiveRegion::LiveRegion(HWND parent)
    : m_hwnd(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr))
{
}

namespace {

// UI Automation's property, and its value, that make an element a polite live region.
constexpr GUID liveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long politeLiveSetting = 1;

void makePolite(HWND region)
{
    const AccessibilityLibraries &libraries = AccessibilityLibraries::get();
    IAccPropServices *services = nullptr;
    if (!libraries.createInstance || !libraries.com ||
        FAILED(libraries.createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IAccPropServices,
                                        reinterpret_cast<void **>(&services))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    services->SetHwndProp(region, DWORD(OBJID_CLIENT), CHILDID_SELF, liveSettingProperty, polite);
    services->Release();
}

// Windows 10 1709 and later; looked up, since older systems and Wine may not have it.
void raiseNotification(HWND region, const std::wstring &text)
{
    using HostProvider = HRESULT WINAPI(HWND, IRawElementProviderSimple **);
    using RaiseNotification = HRESULT WINAPI(IRawElementProviderSimple *, int kind, int processing,
                                             BSTR text, BSTR activity);
    constexpr int actionCompleted = 2, mostRecent = 3;
    static const HMODULE automation = LoadLibraryW(L"uiautomationcore.dll");
    static const auto hostProvider = lookUp<HostProvider>(automation, "UiaHostProviderFromHwnd");
    static const auto raise = lookUp<RaiseNotification>(automation, "UiaRaiseNotificationEvent");
    const AccessibilityLibraries &libraries = AccessibilityLibraries::get();
    IRawElementProviderSimple *provider = nullptr;
    if (!hostProvider || !raise || !libraries.allocString ||
        FAILED(hostProvider(region, &provider)) || !provider)
        return;
    const BSTR said = libraries.allocString(text.c_str());
    const BSTR activity = libraries.allocString(L"korval2");
    raise(provider, actionCompleted, mostRecent, said, activity);
    libraries.freeString(said);
    libraries.freeString(activity);
    provider->Release();
}

} // namespace

void LiveRegion::announce(const std::wstring &text)
{
    if (!m_hwnd)
        return;
    if (!m_polite) {
        makePolite(m_hwnd);
        m_polite = true;
    }
    SetWindowTextW(m_hwnd, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
    raiseNotification(m_hwnd, text);
}
