#include "serial/win32/device_change.h"

#include <cstddef>
#include <cstring>
#include <windows.h>

// dbt.h uses the types of windows.h without including it.
#include <dbt.h>

namespace win32 {

DeviceChangeMessage Decode_DeviceChange(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message != WM_DEVICECHANGE) return {};
    if (wParam == DBT_DEVNODES_CHANGED) return {DeviceChange::DevNodesChanged, {}};
    if (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE) return {};
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_PORT) return {};

    DeviceChangeMessage decoded;
    decoded.change =
        wParam == DBT_DEVICEARRIVAL ? DeviceChange::PortArrived : DeviceChange::PortRemoved;
    // The name runs past the declared one-character array, as far as dbch_size says.
    const auto *bytes = reinterpret_cast<const unsigned char *>(header);
    for (size_t at = offsetof(DEV_BROADCAST_PORT_W, dbcp_name);
         at + sizeof(wchar_t) <= header->dbch_size; at += sizeof(wchar_t)) {
        wchar_t c;
        std::memcpy(&c, bytes + at, sizeof c);
        if (c == L'\0') break;
        decoded.portName += c;
    }
    return decoded;
}

} // namespace win32
