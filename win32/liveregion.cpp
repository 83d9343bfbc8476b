#include "liveregion.h"

#include "comlibraries.h"
#include "version.h"

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
    const ComLibraries &libraries = ComLibraries::get();
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
    constexpr int actionCompleted = 2, mostRecent = 3;
    const ComLibraries &libraries = ComLibraries::get();
    IRawElementProviderSimple *provider = nullptr;
    if (!libraries.hostProvider || !libraries.raiseNotification || !libraries.allocString ||
        FAILED(libraries.hostProvider(region, &provider)) || !provider)
        return;
    const BSTR said = libraries.allocString(text.c_str());
    const BSTR activity = libraries.allocString(L"" KORVAL_PROGRAM);
    libraries.raiseNotification(provider, actionCompleted, mostRecent, said, activity);
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
