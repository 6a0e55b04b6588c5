#include "TestFlashControl.h"

#include <ole2.h>
#include <olectl.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {
TestControlState state;
LONG serverLocks = 0;
HINSTANCE module = nullptr;

// Dispatch ids: the properties the host sets by number, the methods it calls by name.
enum : DISPID { kMovie = 102, kScaleMode = 120, kAlignMode = 121, kTotalFrames = 124 };
enum : DISPID { kPlay = 1001, kStopPlay, kCurrentFrame, kIsPlaying };

void LoadMovie(const wchar_t* path)
{
    state.totalFrames = state.step = state.loops = state.frame = state.playing = 0;
    FILE* file = _wfopen(path, L"r");
    if (!file) return;
    char end[16] = {};
    if (std::fscanf(file, "frames=%d step=%d end=%15s", &state.totalFrames, &state.step, end) == 3)
        state.loops = std::strcmp(end, "loop") == 0;
    std::fclose(file);
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE) ++state.mouseMoves;
    if (message >= WM_LBUTTONDOWN && message <= WM_LBUTTONDBLCLK) ++state.leftButtons;
    if (message >= WM_RBUTTONDOWN && message <= WM_RBUTTONDBLCLK) ++state.rightButtons;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class Control : public IOleObject, public IOleInPlaceObject, public IDispatch {
public:
    Control() { ++state.liveObjects; }
    virtual ~Control()
    {
        if (window) ::DestroyWindow(window);
        --state.liveObjects;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleObject)
            *object = static_cast<IOleObject*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
            *object = static_cast<IOleInPlaceObject*>(this);
        else if (iid == IID_IDispatch && state.failAt != 2)
            *object = static_cast<IDispatch*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = --references;
        if (left == 0) delete this;
        return left;
    }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* newSite) override
    {
        if (site) site->Release();
        site = newSite;
        if (site) site->AddRef();
        state.holdsSite = site != nullptr;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** out) override
    {
        *out = site;
        if (site) site->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override { return S_OK; }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND parent, LPCRECT bounds) override
    {
        if (verb != OLEIVERB_INPLACEACTIVATE || state.failAt == 1 || !activeSite) return E_FAIL;
        IOleInPlaceSite* inPlaceSite = nullptr;
        if (FAILED(activeSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite))))
            return E_FAIL;
        IOleInPlaceFrame* frame = nullptr;
        IOleInPlaceUIWindow* document = nullptr;
        RECT position{}, clip{};
        OLEINPLACEFRAMEINFO info{};
        info.cb = sizeof info;
        HRESULT hr = inPlaceSite->CanInPlaceActivate();
        if (hr == S_OK) hr = inPlaceSite->GetWindowContext(&frame, &document, &position, &clip, &info);
        if (SUCCEEDED(hr)) {
            inPlaceSite->OnInPlaceActivate();
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = ControlWindowProc;
            windowClass.hInstance = module;
            windowClass.lpszClassName = L"TestMovieControl";
            ::RegisterClassW(&windowClass);
            window = ::CreateWindowExW(0, L"TestMovieControl", L"", WS_CHILD | WS_VISIBLE, bounds->left, bounds->top,
                                       bounds->right - bounds->left, bounds->bottom - bounds->top, parent, nullptr,
                                       module, nullptr);
            state.window = window;
        }
        if (frame) frame->Release();
        if (document) document->Release();
        inPlaceSite->Release();
        return window ? S_OK : E_FAIL;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* out) override
    {
        *out = window;
        return window ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override
    {
        if (window) ::DestroyWindow(window);
        window = nullptr;
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT, LPCRECT) override { return S_OK; }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        static const struct {
            const wchar_t* name;
            DISPID id;
        } methods[] = {
            {L"Play", kPlay}, {L"StopPlay", kStopPlay}, {L"CurrentFrame", kCurrentFrame}, {L"IsPlaying", kIsPlaying}};
        if (count != 1) return E_INVALIDARG;
        for (const auto& method : methods)
            if (std::wcscmp(method.name, names[0]) == 0) {
                ids[0] = method.id;
                return S_OK;
            }
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        if (flags & DISPATCH_PROPERTYPUT) {
            if (parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;
            const VARIANT& value = parameters->rgvarg[0];
            if (id == kMovie && value.vt == VT_BSTR) {
                std::wcsncpy(state.movie, value.bstrVal, MAX_PATH - 1);
                LoadMovie(state.movie);
            } else if (id == kScaleMode && value.vt == VT_I4) {
                state.scaleMode = value.lVal;
            } else if (id == kAlignMode && value.vt == VT_I4) {
                state.alignMode = value.lVal;
            } else {
                return DISP_E_MEMBERNOTFOUND;
            }
            return S_OK;
        }
        long answer = 0;
        switch (id) {
            case kTotalFrames:
                answer = state.totalFrames;
                break;
            case kPlay:
                ++state.plays;
                state.playing = state.totalFrames > 0 && state.step > 0;  // a step of 0: it never starts
                break;
            case kStopPlay:
                ++state.stops;
                state.playing = 0;
                break;
            case kCurrentFrame:
                if (state.playing) Advance();
                answer = state.frame;
                break;
            case kIsPlaying:
                answer = state.playing;
                break;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
        if (result) {
            result->vt = id == kIsPlaying ? VT_BOOL : VT_I4;
            if (id == kIsPlaying)
                result->boolVal = answer ? VARIANT_TRUE : VARIANT_FALSE;
            else
                result->lVal = answer;
        }
        return S_OK;
    }

private:
    static void Advance()
    {
        state.frame += state.step;
        if (state.frame < state.totalFrames) return;
        if (state.loops) {
            state.frame -= state.totalFrames;
        } else {
            state.frame = state.totalFrames - 1;
            state.playing = 0;
        }
    }

    ULONG references = 1;
    IOleClientSite* site = nullptr;
    HWND window = nullptr;
};

class Factory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *object = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        Control* control = new Control();
        const HRESULT hr = control->QueryInterface(iid, object);
        control->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        serverLocks += lock ? 1 : -1;
        return S_OK;
    }
};
Factory factory;
}  // namespace

extern "C" __declspec(dllexport) TestControlState* TestControl()
{
    return &state;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID iid, void** object)
{
    return factory.QueryInterface(iid, object);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow()
{
    return S_FALSE;  // the tests read the state after the host let go
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) module = instance;
    return TRUE;
}
