#include "platform/windows/com_ptr.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <dxgi.h>

namespace platform::windowsbackend {

namespace {

// IDXGIFactory1, spelled out so that no GUID library is needed.
constexpr GUID kIidDxgiFactory1 = {
    0x770AAE78, 0xF26F, 0x4DBA, {0xA8, 0x29, 0x25, 0x3C, 0x83, 0xD1, 0xB3, 0x87}};

} // namespace

std::vector<GraphicsAdapter> WindowsSource::graphicsAdapters()
{
    std::vector<GraphicsAdapter> adapters;
    ComPtr<IDXGIFactory1> factory;
    if (FAILED(CreateDXGIFactory1(kIidDxgiFactory1, factory.putVoid())) || !factory)
        return adapters;
    for (UINT index = 0;; ++index) {
        ComPtr<IDXGIAdapter1> adapter;
        if (FAILED(factory->EnumAdapters1(index, adapter.put())) || !adapter)
            break;
        DXGI_ADAPTER_DESC1 description{};
        if (SUCCEEDED(adapter->GetDesc1(&description))) {
            GraphicsAdapter entry;
            entry.description = utf8(description.Description);
            entry.dedicatedVideoMemory = description.DedicatedVideoMemory;
            entry.flags = description.Flags;
            adapters.push_back(std::move(entry));
        }
    }
    return adapters;
}

} // namespace platform::windowsbackend
