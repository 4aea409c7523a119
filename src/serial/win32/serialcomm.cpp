#include "serial/win32/serialcomm.h"

#include <windows.h>

namespace win32 {

namespace {

const wchar_t serialCommKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr DWORD nameCapacity = 512; // characters, with the terminating NUL
constexpr DWORD dataCapacity = 256; // bytes

SerialCommValue readValue(HKEY key, DWORD index) {
    wchar_t name[nameCapacity];
    DWORD nameLength = nameCapacity;
    BYTE data[dataCapacity];
    DWORD dataLength = dataCapacity;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, data, &dataLength) !=
        ERROR_SUCCESS)
        return {std::string(), " "};
    SerialCommValue value;
    for (DWORD i = 0; i < nameLength && i < nameCapacity; ++i)
        value.kernelName += char(name[i] & 0xFF);
    for (DWORD i = 0; i < dataLength && i < dataCapacity; ++i)
        if (data[i] != 0) value.portName += char(data[i]);
    return value;
}

} // namespace

SerialCommValues Read_SerialComm() {
    SerialCommValues map;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, serialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return map;
    map.opened = true;
    DWORD count = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        for (DWORD index = 0; index < count; ++index)
            map.values.push_back(readValue(key, index));
    RegCloseKey(key);
    return map;
}

} // namespace win32
