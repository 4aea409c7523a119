#pragma once

#include <cstdint>
#include <string>

namespace win32 {

enum class DeviceChange { None, PortArrived, PortRemoved, DevNodesChanged };

struct DeviceChangeMessage {
    DeviceChange change = DeviceChange::None;
    std::wstring portName; // of PortArrived and PortRemoved
};

// Decodes a window message: WM_DEVICECHANGE with DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE
// for a port broadcast (lParam points to its DEV_BROADCAST_PORT), or with DBT_DEVNODES_CHANGED.
// Everything else, a null broadcast and broadcasts of other device types included, is None. The
// port name is read up to its NUL and never past the size the broadcast header gives.
DeviceChangeMessage Decode_DeviceChange(uint32_t message, uintptr_t wParam, intptr_t lParam);

} // namespace win32
