#include "accessibility.h"

#include "text.h"

#include <iterator>

namespace {

const MSAAPROPID annotated[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

// COM comes from ole32, which the program loads only here, after its first frame: importing it
// would load it, and what it needs, before the window shows.
template <typename Function> Function *fromOle32(HMODULE ole32, const char *name)
{
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(ole32 ? GetProcAddress(ole32, name) : nullptr));
}

} // namespace

ScreenReaderTexts::ScreenReaderTexts() : m_ole32(LoadLibraryW(L"ole32.dll"))
{
    const auto initialize = fromOle32<decltype(CoInitializeEx)>(m_ole32, "CoInitializeEx");
    const auto create = fromOle32<decltype(CoCreateInstance)>(m_ole32, "CoCreateInstance");
    if (!initialize || !create)
        return;
    m_com = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void **>(&m_services))))
        m_services = nullptr;
}

ScreenReaderTexts::~ScreenReaderTexts()
{
    if (m_services)
        m_services->Release();
    if (m_com)
        fromOle32<decltype(CoUninitialize)>(m_ole32, "CoUninitialize")();
    if (m_ole32)
        FreeLibrary(m_ole32);
}

void ScreenReaderTexts::annotate(HWND control, std::string_view name, std::string_view description)
{
    if (!m_services)
        return;
    m_services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                               wide(name).c_str());
    if (!description.empty())
        m_services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_DESCRIPTION, wide(description).c_str());
}

void ScreenReaderTexts::clear(HWND control)
{
    if (m_services)
        m_services->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, annotated,
                                   int(std::size(annotated)));
}
