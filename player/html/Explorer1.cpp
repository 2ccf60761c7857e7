#include "Explorer1.h"

#include <oleauto.h>

#include "AnsiText.h"
#include "LateOle.h"

namespace {

BSTR WideStringFromAnsi(const std::string& text) {
    const std::wstring wide = wingui::WideFromAnsi(text);
    return wingui::ole::AllocStringLen(wide.data(), UINT(wide.size()));
}

}  // namespace

void CExplorer1::Reset(IDispatch* control) {
    if (control) control->AddRef();
    if (control_) control_->Release();
    control_ = control;
}

HRESULT CExplorer1::Navigate(const std::string& address, long flags) {
    if (!control_) return E_UNEXPECTED;
    // The optional arguments go by reference, as the control declares them.
    VARIANT flagsValue, frame, postData, headers;
    wingui::ole::InitVariant(&flagsValue);
    V_VT(&flagsValue) = VT_I4;
    V_I4(&flagsValue) = flags;
    wingui::ole::InitVariant(&frame);
    wingui::ole::InitVariant(&postData);
    wingui::ole::InitVariant(&headers);

    VARIANT arguments[5];
    for (VARIANT& argument : arguments) wingui::ole::InitVariant(&argument);
    // Last argument first.
    V_VT(&arguments[0]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[0]) = &headers;
    V_VT(&arguments[1]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[1]) = &postData;
    V_VT(&arguments[2]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[2]) = &frame;
    V_VT(&arguments[3]) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&arguments[3]) = &flagsValue;
    V_VT(&arguments[4]) = VT_BSTR;
    V_BSTR(&arguments[4]) = WideStringFromAnsi(address);
    if (!V_BSTR(&arguments[4])) return E_OUTOFMEMORY;

    DISPPARAMS parameters = {arguments, nullptr, 5, 0};
    const HRESULT result =
        control_->Invoke(kNavigate, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
    wingui::ole::FreeString(V_BSTR(&arguments[4]));
    return result;
}

IDispatch* CExplorer1::Document() {
    if (!control_) return nullptr;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT value;
    wingui::ole::InitVariant(&value);
    if (FAILED(control_->Invoke(kDocument, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value,
                                nullptr, nullptr))) {
        return nullptr;
    }
    IDispatch* document = nullptr;
    if (V_VT(&value) == VT_DISPATCH && V_DISPATCH(&value)) {
        document = V_DISPATCH(&value);
        document->AddRef();
    }
    wingui::ole::ClearVariant(&value);
    return document;
}

HRESULT CExplorer1::PutLong(DISPID id, long value) {
    if (!control_) return E_UNEXPECTED;
    VARIANT argument;
    wingui::ole::InitVariant(&argument);
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    return control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                            nullptr);
}

HRESULT CExplorer1::SetLeft(long value) { return PutLong(kLeft, value); }
HRESULT CExplorer1::SetTop(long value) { return PutLong(kTop, value); }
HRESULT CExplorer1::SetWidth(long value) { return PutLong(kWidth, value); }
HRESULT CExplorer1::SetHeight(long value) { return PutLong(kHeight, value); }

HRESULT CExplorer1::Refresh() {
    if (!control_) return E_UNEXPECTED;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return control_->Invoke(kRefresh, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                            nullptr);
}
