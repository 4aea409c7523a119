#include "serial/win32/serialcomm.h"

#include <windows.h>

namespace win32 {

namespace {

const wchar_t SerialCommKey[] = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr DWORD NameCapacity = 512; // characters, with the terminating NUL
constexpr DWORD DataCapacity = 256; // bytes

SerialCommValue readValue(HKEY key, DWORD index) {
    wchar_t name[NameCapacity];
    DWORD nameLength = NameCapacity;
    BYTE data[DataCapacity];
    DWORD dataLength = DataCapacity;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, data, &dataLength) !=
        ERROR_SUCCESS)
        return {std::string(), " "};
    SerialCommValue value;
    for (DWORD i = 0; i < nameLength && i < NameCapacity; ++i)
        value.kernelName += char(name[i] & 0xFF);
    for (DWORD i = 0; i < dataLength && i < DataCapacity; ++i)
        if (data[i] != 0) value.portName += char(data[i]);
    return value;
}

} // namespace

SerialCommValues Read_SerialComm() {
    SerialCommValues map;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, SerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
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
