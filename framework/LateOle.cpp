#include "LateOle.h"

#include "ProcAddress.h"

namespace wingui::ole {

namespace {

constexpr const char* kOle = "ole32.dll";
constexpr const char* kAutomation = "oleaut32.dll";

DWORD uiThread = 0;
bool uiThreadInitialised = false;

template <class Function>
Function Ole(const char* name) {
    return SystemFunction<Function>(kOle, name);
}

template <class Function>
Function Automation(const char* name) {
    return SystemFunction<Function>(kAutomation, name);
}

}  // namespace

void SetUiThread() { uiThread = GetCurrentThreadId(); }

bool EnsureUiThreadOle() {
    if (GetCurrentThreadId() != uiThread) return false;
    if (!uiThreadInitialised) {
        static const auto initialize = Ole<decltype(&::OleInitialize)>("OleInitialize");
        uiThreadInitialised = initialize && SUCCEEDED(initialize(nullptr));
    }
    return uiThreadInitialised;
}

void EndUiThreadOle() {
    if (!uiThreadInitialised || GetCurrentThreadId() != uiThread) return;
    static const auto uninitialize = Ole<decltype(&::OleUninitialize)>("OleUninitialize");
    if (uninitialize) uninitialize();
    uiThreadInitialised = false;
}

HRESULT CreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId, void** object) {
    static const auto create = Ole<decltype(&::CoCreateInstance)>("CoCreateInstance");
    if (!create) {
        *object = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    return create(classId, outer, context, interfaceId, object);
}

HRESULT StreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream) {
    static const auto create = Ole<decltype(&::CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
    if (!create) {
        *stream = nullptr;
        return E_NOTIMPL;
    }
    return create(memory, deleteOnRelease, stream);
}

HRESULT SetContainedObject(IUnknown* object, BOOL contained) {
    static const auto set = Ole<decltype(&::OleSetContainedObject)>("OleSetContainedObject");
    return set ? set(object, contained) : E_NOTIMPL;
}

HRESULT LoadPicture(IStream* stream, LONG size, BOOL runMode, REFIID interfaceId, void** picture) {
    static const auto load = Automation<decltype(&::OleLoadPicture)>("OleLoadPicture");
    if (!load) {
        *picture = nullptr;
        return E_NOTIMPL;
    }
    return load(stream, size, runMode, interfaceId, picture);
}

BSTR AllocStringLen(const OLECHAR* text, UINT length) {
    static const auto allocate = Automation<decltype(&::SysAllocStringLen)>("SysAllocStringLen");
    return allocate ? allocate(text, length) : nullptr;
}

void FreeString(BSTR text) {
    static const auto release = Automation<decltype(&::SysFreeString)>("SysFreeString");
    if (release && text) release(text);
}

void InitVariant(VARIANTARG* value) {
    // All that VariantInit does, without loading the library for it.
    value->vt = VT_EMPTY;
}

HRESULT ClearVariant(VARIANTARG* value) {
    static const auto clear = Automation<decltype(&::VariantClear)>("VariantClear");
    return clear ? clear(value) : E_NOTIMPL;
}

}  // namespace wingui::ole
