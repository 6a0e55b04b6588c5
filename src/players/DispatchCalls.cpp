#include "DispatchCalls.h"

#include <oleauto.h>

long Variant::AsLong(long fallback) const
{
    VARIANT converted;
    ::VariantInit(&converted);
    const long number =
        SUCCEEDED(::VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_I4)) ? converted.lVal : fallback;
    ::VariantClear(&converted);
    return number;
}

bool Variant::AsBool(bool fallback) const
{
    if (value.vt == VT_EMPTY) return fallback;
    return AsLong(fallback ? 1 : 0) != 0;
}

Variant IntVariant(long number)
{
    Variant v;
    v.get()->vt = VT_I4;
    v.get()->lVal = number;
    return v;
}

Variant StringVariant(const std::wstring& text)
{
    Variant v;
    v.get()->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (v.get()->bstrVal) v.get()->vt = VT_BSTR;
    return v;
}

HRESULT PutProperty(IDispatch* object, DISPID id, Variant& value)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{value.get(), &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                          nullptr);
}

HRESULT GetProperty(IDispatch* object, DISPID id, Variant& result)
{
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result.get(), nullptr,
                          nullptr);
}

HRESULT CallMethod(IDispatch* object, const wchar_t* name, Variant& result)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, result.get(), nullptr, nullptr);
}
