#include "annotation.h"

#include <oleacc.h>

namespace vellwin {

bool annotateName(HWND control, const std::wstring& name) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return false;
    const HRESULT set = services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                 CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
    services->Release();
    return SUCCEEDED(set);
}

}  // namespace vellwin
