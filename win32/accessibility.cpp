#include "accessibility.h"

#include "text.h"

namespace {

const MSAAPROPID annotated[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

} // namespace

ScreenReaderTexts::ScreenReaderTexts()
    : m_com(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&m_services))))
        m_services = nullptr;
}

ScreenReaderTexts::~ScreenReaderTexts()
{
    if (m_services)
        m_services->Release();
    if (m_com)
        CoUninitialize();
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
