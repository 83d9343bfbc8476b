#include "comlibraries.h"

#include "lookup.h"

#include <initializer_list>

ComLibraries::ComLibraries()
    : m_ole32(LoadLibraryW(L"ole32.dll")), m_oleaut32(LoadLibraryW(L"oleaut32.dll")),
      m_oleacc(LoadLibraryW(L"oleacc.dll")), m_automation(LoadLibraryW(L"uiautomationcore.dll"))
{
    createStandardObject =
        lookUp<decltype(CreateStdAccessibleObject)>(m_oleacc, "CreateStdAccessibleObject");
    lresultFromObject = lookUp<decltype(LresultFromObject)>(m_oleacc, "LresultFromObject");
    allocString = lookUp<decltype(SysAllocString)>(m_oleaut32, "SysAllocString");
    freeString = lookUp<decltype(SysFreeString)>(m_oleaut32, "SysFreeString");
    createInstance = lookUp<decltype(CoCreateInstance)>(m_ole32, "CoCreateInstance");
    hostProvider = lookUp<HostProvider>(m_automation, "UiaHostProviderFromHwnd");
    raiseNotification = lookUp<RaiseNotification>(m_automation, "UiaRaiseNotificationEvent");
    if (const auto initialize = lookUp<decltype(CoInitializeEx)>(m_ole32, "CoInitializeEx"))
        com = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
}

ComLibraries::~ComLibraries()
{
    if (com)
        lookUp<decltype(CoUninitialize)>(m_ole32, "CoUninitialize")();
    for (HMODULE library : {m_automation, m_oleacc, m_oleaut32, m_ole32})
        if (library)
            FreeLibrary(library);
}

const ComLibraries &ComLibraries::get()
{
    static const ComLibraries loaded;
    return loaded;
}
