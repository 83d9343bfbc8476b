#include "accessibleobject.h"

#include "comlibraries.h"
#include "text.h"

#include <string>
#include <utility>

namespace {

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

private:
    ULONG m_references = 1;
    HWND m_window;
    IAccessible *m_standard;
};

// The standard object with the core's name, description and role for the control.
class NamedAccessible final : public ForwardingAccessible {
public:
    NamedAccessible(HWND window, IAccessible *standard, form::Identity identity)
        : ForwardingAccessible(window, standard), m_identity(std::move(identity))
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
        *to = ComLibraries::get().allocString(wide(from).c_str());
        return *to ? S_OK : E_OUTOFMEMORY;
    }

    const form::Identity m_identity; // a copy: a client may hold the object past the window
};

// The identity, and the procedure the window had before, are properties of the window.
constexpr const wchar_t *identityProperty = L"KorvalIdentity";
constexpr const wchar_t *previousProperty = L"KorvalPreviousProcedure";

LRESULT CALLBACK identifiedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, previousProperty));
    if (message == WM_NCDESTROY) {
        RemovePropW(window, identityProperty);
        RemovePropW(window, previousProperty);
    }
    const auto *identity =
        message == WM_GETOBJECT && DWORD(lParam) == DWORD(OBJID_CLIENT)
            ? static_cast<const form::Identity *>(GetPropW(window, identityProperty))
            : nullptr;
    if (identity) {
        const ComLibraries &libraries = ComLibraries::get();
        IAccessible *standard = nullptr;
        if (libraries.createStandardObject && libraries.lresultFromObject &&
            libraries.allocString && libraries.com &&
            SUCCEEDED(libraries.createStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                     reinterpret_cast<void **>(&standard)))) {
            auto *accessible = new NamedAccessible(window, standard, *identity);
            const LRESULT result = libraries.lresultFromObject(
                __uuidof(IAccessible), wParam, static_cast<IAccessible *>(accessible));
            accessible->Release();
            return result;
        }
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

} // namespace

void giveAccessibleIdentity(HWND control, const form::Identity &identity)
{
    SetPropW(control, identityProperty, const_cast<form::Identity *>(&identity));
    // Whatever procedure the window has, its class's or an earlier subclass's, is chained.
    SetPropW(control, previousProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(identifiedWindowProc));
}
