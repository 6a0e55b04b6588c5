#include "ControlSite.h"

Microsoft::WRL::ComPtr<CControlSite> CControlSite::Make(HWND parent)
{
    Microsoft::WRL::ComPtr<CControlSite> site;
    site.Attach(new CControlSite(parent));  // takes the creation's reference
    return site;
}

STDMETHODIMP CControlSite::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CControlSite::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&references));
}

STDMETHODIMP_(ULONG) CControlSite::Release()
{
    const LONG left = ::InterlockedDecrement(&references);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP CControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CControlSite::GetContainer(IOleContainer** container)
{
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CControlSite::GetWindow(HWND* window)
{
    if (!window) return E_POINTER;
    *window = parent;
    return S_OK;
}

STDMETHODIMP CControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                            LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
    *frame = this;
    AddRef();
    *document = nullptr;  // the frame is the document window too
    ::GetClientRect(parent, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = parent;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}
