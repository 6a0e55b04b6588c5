// Late-bound calls through IDispatch: properties by their dispatch id, methods by name. A failed
// call leaves the result empty (VT_EMPTY); callers read it with the defaults they choose.
//
//   PutProperty(control, 120, IntVariant(2));
//   Variant frames = GetProperty(control, 124);
//   Variant playing = CallMethod(control, L"IsPlaying");
#pragma once

#include <oaidl.h>

#include <string>

// A VARIANT that clears itself.
class Variant {
public:
    Variant() { ::VariantInit(&value); }
    ~Variant() { ::VariantClear(&value); }
    Variant(Variant&& other) noexcept : value(other.value) { ::VariantInit(&other.value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value; }
    // The value as a 32-bit integer; `fallback` when it is empty or does not convert.
    long AsLong(long fallback = 0) const;
    bool AsBool(bool fallback = false) const;

private:
    VARIANT value;
};

Variant IntVariant(long number);
// A wide-string variant; its BSTR is freed with it.
Variant StringVariant(const std::wstring& text);

HRESULT PutProperty(IDispatch* object, DISPID id, Variant& value);
HRESULT GetProperty(IDispatch* object, DISPID id, Variant& result);
// Calls the method `name` without arguments.
HRESULT CallMethod(IDispatch* object, const wchar_t* name, Variant& result);
