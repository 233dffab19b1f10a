// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/accessibility.hpp"

#include <objbase.h>
#include <oleacc.h>

#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

// Defined here: MinGW's import library gives some of these names as thunks,
// not as the identifiers themselves.
constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kDescription{
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};

using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFunction = void(WINAPI*)();
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

template <typename Function>
Function find(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

Descriptions::~Descriptions() {
    if (services_)
        services_->Release();
    if (comStarted_) {
        if (auto uninitialize = find<CoUninitializeFunction>(ole32_, "CoUninitialize"))
            uninitialize();
    }
    if (ole32_)
        FreeLibrary(ole32_);
}

void Descriptions::asked(const ControlWindows& windows, const View& view) {
    if (started_)
        return;
    started_ = true;
    ole32_ = LoadLibraryW(L"ole32.dll");
    if (!ole32_)
        return;
    const auto initialize = find<CoInitializeExFunction>(ole32_, "CoInitializeEx");
    const auto create = find<CoCreateInstanceFunction>(ole32_, "CoCreateInstance");
    if (!initialize || !create)
        return;
    comStarted_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    void* services = nullptr;
    if (SUCCEEDED(
            create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices, &services)))
        services_ = static_cast<IAccPropServices*>(services);
    for (const design::Control& control : design::kControls) {
        if (!view[control.id].description.empty())
            annotate(windows[control.id], view[control.id].description);
    }
}

void Descriptions::changed(HWND control, const std::string& description) {
    annotate(control, description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Descriptions::annotate(HWND control, const std::string& description) {
    if (services_)
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  kDescription, widen(description).c_str());
}

}  // namespace lnb::win32
