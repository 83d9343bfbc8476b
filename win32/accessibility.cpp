#include "accessibility.h"

#include "form1.h"
#include "lookup.h"
#include "resolved.h"
#include "text.h"

#include <oleacc.h>
#include <uiautomationcore.h>

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

// An accessible object that is another one, the system's standard object for a control, in
// every respect that a derived class does not change: each member of IAccessible and of the
// IDispatch below it is handed on, written once here.
class ForwardingAccessible : public IAccessible, public IOleWindow {
public:
    ForwardingAccessible(HWND window, IAccessible *standard)
        : m_window(window), m_standard(standard)
    {
    }
    ForwardingAccessible(const ForwardingAccessible &) = delete;
    ForwardingAccessible &operator=(const ForwardingAccessible &) = delete;

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
    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override
    {
        return window ? (*window = m_window, S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

#define KORVAL_FORWARD(member, parameters, arguments)                                              \
    HRESULT STDMETHODCALLTYPE member parameters override                                           \
    {                                                                                              \
        return m_standard->member arguments;                                                       \
    }
    KORVAL_FORWARD(GetTypeInfoCount, (UINT * count), (count))
    KORVAL_FORWARD(GetTypeInfo, (UINT index, LCID locale, ITypeInfo **info), (index, locale, info))
    KORVAL_FORWARD(GetIDsOfNames,
                   (REFIID id, LPOLESTR *names, UINT count, LCID locale, DISPID *ids),
                   (id, names, count, locale, ids))
    KORVAL_FORWARD(Invoke,
                   (DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS *parameters,
                    VARIANT *result, EXCEPINFO *exception, UINT *argument),
                   (member, id, locale, flags, parameters, result, exception, argument))
    KORVAL_FORWARD(get_accParent, (IDispatch * *parent), (parent))
    KORVAL_FORWARD(get_accChildCount, (long *count), (count))
    KORVAL_FORWARD(get_accChild, (VARIANT child, IDispatch **object), (child, object))
    KORVAL_FORWARD(get_accName, (VARIANT child, BSTR *name), (child, name))
    KORVAL_FORWARD(get_accValue, (VARIANT child, BSTR *value), (child, value))
    KORVAL_FORWARD(get_accDescription, (VARIANT child, BSTR *description), (child, description))
    KORVAL_FORWARD(get_accRole, (VARIANT child, VARIANT *role), (child, role))
    KORVAL_FORWARD(get_accState, (VARIANT child, VARIANT *state), (child, state))
    KORVAL_FORWARD(get_accHelp, (VARIANT child, BSTR *help), (child, help))
    KORVAL_FORWARD(get_accHelpTopic, (BSTR * file, VARIANT child, long *topic),
                   (file, child, topic))
    KORVAL_FORWARD(get_accKeyboardShortcut, (VARIANT child, BSTR *shortcut), (child, shortcut))
    KORVAL_FORWARD(get_accFocus, (VARIANT * child), (child))
    KORVAL_FORWARD(get_accSelection, (VARIANT * children), (children))
    KORVAL_FORWARD(get_accDefaultAction, (VARIANT child, BSTR *action), (child, action))
    KORVAL_FORWARD(accSelect, (long flags, VARIANT child), (flags, child))
    KORVAL_FORWARD(accLocation, (long *left, long *top, long *width, long *height, VARIANT child),
                   (left, top, width, height, child))
    KORVAL_FORWARD(accNavigate, (long direction, VARIANT start, VARIANT *end),
                   (direction, start, end))
    KORVAL_FORWARD(accHitTest, (long left, long top, VARIANT *child), (left, top, child))
    KORVAL_FORWARD(accDoDefaultAction, (VARIANT child), (child))
    KORVAL_FORWARD(put_accName, (VARIANT child, BSTR name), (child, name))
    KORVAL_FORWARD(put_accValue, (VARIANT child, BSTR value), (child, value))
#undef KORVAL_FORWARD

protected:
    virtual ~ForwardingAccessible()
    {
        m_standard->Release();
    }
    IAccessible *standard() const
    {
        return m_standard;
    }

private:
    ULONG m_references = 1;
    HWND m_window;
    IAccessible *m_standard;
};

// The standard object with the core's name, description and role for the control.
class NamedAccessible final : public ForwardingAccessible {
public:
    NamedAccessible(HWND window, IAccessible *standard, const form::ControlSpec &row)
        : ForwardingAccessible(window, standard), m_identity(form::resolve(row))
    {
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        return isSelf(child) ? text(m_identity.name, name)
                             : ForwardingAccessible::get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (!isSelf(child) || m_identity.description.empty())
            return ForwardingAccessible::get_accDescription(child, description);
        return text(m_identity.description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        if (!isSelf(child))
            return ForwardingAccessible::get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = msaaRole(m_identity.role);
        return S_OK;
    }

private:
    static HRESULT text(const std::string &from, BSTR *to)
    {
        if (!to)
            return E_POINTER;
        *to = AccessibilityLibraries::get().allocString(wide(from).c_str());
        return *to ? S_OK : E_OUTOFMEMORY;
    }

    const form::ResolvedControl m_identity; // resolved now: a client may hold the object past
                                            // the window
};

// A control's own window procedure is its class's: the identity is found from the control
// when a client asks, and nothing is stored with the window.
LRESULT CALLBACK identifiedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto original = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    if (message == WM_GETOBJECT && DWORD(lParam) == DWORD(OBJID_CLIENT)) {
        const AccessibilityLibraries &libraries = AccessibilityLibraries::get();
        const form::ControlSpec *row = Form1::rowOf(window);
        IAccessible *standard = nullptr;
        if (row && libraries.usable() &&
            SUCCEEDED(libraries.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void **>(&standard)))) {
            auto *accessible = new NamedAccessible(window, standard, *row);
            const LRESULT result = libraries.lresultFromObject(
                __uuidof(IAccessible), wParam, static_cast<IAccessible *>(accessible));
            accessible->Release();
            return result;
        }
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

} // namespace

void giveAccessibleIdentity(HWND control)
{
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(identifiedWindowProc));
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
