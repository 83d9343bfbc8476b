#pragma once

#include <oleacc.h>
#include <uiautomationcore.h>

// The libraries that screen readers' requests need, loaded the first time one is made and kept
// until the program ends: importing them would load them, and COM with them, before the window's
// first frame. A function the system lacks is nullptr (UI Automation's notifications before
// Windows 10 1709, and under Wine).
struct ComLibraries {
    using HostProvider = HRESULT WINAPI(HWND, IRawElementProviderSimple **);
    using RaiseNotification = HRESULT WINAPI(IRawElementProviderSimple *, int kind, int processing,
                                             BSTR text, BSTR activity);

    decltype(CreateStdAccessibleObject) *createStandardObject = nullptr;
    decltype(LresultFromObject) *lresultFromObject = nullptr;
    decltype(SysAllocString) *allocString = nullptr;
    decltype(SysFreeString) *freeString = nullptr;
    decltype(CoCreateInstance) *createInstance = nullptr;
    HostProvider *hostProvider = nullptr;
    RaiseNotification *raiseNotification = nullptr;
    bool com = false; // COM is initialised on this thread

    static const ComLibraries &get();

private:
    ComLibraries();
    ~ComLibraries();

    HMODULE m_ole32, m_oleaut32, m_oleacc, m_automation;
};
