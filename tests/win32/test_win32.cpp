// The Win32 layer on a Windows system (wine in CI): the serial-port map in the registry, the
// decoding of WM_DEVICECHANGE, the microsecond delay. A console program without Qt; exit status
// 0 when every check held. scripts/test_win32.sh builds and runs it.
#include "serial/win32/delay.h"
#include "serial/win32/device_change.h"
#include "serial/win32/serialcomm.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

// dbt.h uses the types of windows.h without including it.
#include <dbt.h>

namespace {

int failures = 0;

void check(bool ok, const std::string &what) {
    if (ok) return;
    ++failures;
    std::fprintf(stderr, "FAILED: %s\n", what.c_str());
}

std::string narrow(const std::wstring &text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

std::string shown(const std::string &text) {
    return text.size() <= 40 ? '"' + text + '"'
                             : '"' + text.substr(0, 20) + "...\" (" + std::to_string(text.size()) +
                                   " characters)";
}

void checkEqual(const std::string &actual, const std::string &expected, const std::string &what) {
    check(actual == expected, what + ": " + shown(actual) + ", expected " + shown(expected));
}

// Serial-port map ------------------------------------------------------------------------------

const wchar_t serialCommKey[] = L"HKLM\\HARDWARE\\DEVICEMAP\\SERIALCOMM";

// Runs the system's own reg.exe, so that the values are written the way the system writes them
// and not by the code under test.
bool reg(const std::wstring &arguments) {
    std::wstring command = L"reg.exe " + arguments;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    DWORD status = 1;
    if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(nul);
    if (status != 0)
        std::fprintf(stderr, "reg %s: status %lu\n", narrow(arguments).c_str(), status);
    return status == 0;
}

bool addValue(const std::wstring &name, const std::wstring &data) {
    return reg(std::wstring(L"add ") + serialCommKey + L" /v \"" + name + L"\" /t REG_SZ /d \"" +
               data + L"\" /f");
}

std::wstring padded(const std::wstring &prefix, size_t length) {
    return prefix + std::wstring(length - prefix.size(), L'x');
}

void serialCommMap() {
    // Only the values written here: the system's own ports do not mix in.
    check(reg(std::wstring(L"delete ") + serialCommKey + L" /va /f"), "reg delete /va");
    struct Value {
        std::wstring name, data;
        std::string kernelName, portName; // as read back
    };
    const std::wstring longestName = padded(L"\\Device\\VCP", 511); // 512 with its NUL
    const std::wstring longestData = padded(L"COM", 127);           // 256 bytes with its NUL
    // Written in name order, which is the order both systems list them in (wine lists by name,
    // Windows as written).
    const Value values[] = {
        {L"\\Device\\PortA\u0141", L"COM2", "\\Device\\PortAA", "COM2"}, // low byte of U+0141
        {L"\\Device\\Serial0", L"COM1", "\\Device\\Serial0", "COM1"},
        {L"\\Device\\Serial1", padded(L"COM", 128), "", " "}, // data of 258 bytes: unreadable
        {L"\\Device\\USBSER000", L"COM5", "\\Device\\USBSER000", "COM5"}, // after it: still found
        {L"\\Device\\USBSER001", L"COM6", "\\Device\\USBSER001", "COM6"},
        {longestName, longestData, narrow(longestName), narrow(longestData)},
        {padded(L"\\Device\\Wide", 512), L"COM8", "", " "}, // name of 513 with its NUL
        {L"\\Device\\Zero", L"", "\\Device\\Zero", ""},
    };
    for (const Value &v : values)
        check(addValue(v.name, v.data), "reg add " + narrow(v.name.substr(0, 20)));

    const win32::SerialCommValues map = win32::Read_SerialComm();
    check(map.opened, "the key opens");
    check(map.values.size() == std::size(values),
          "every value is listed: " + std::to_string(map.values.size()) + " of " +
              std::to_string(std::size(values)));
    for (size_t i = 0; i < std::min(map.values.size(), std::size(values)); ++i) {
        const std::string at = "value " + std::to_string(i);
        checkEqual(map.values[i].kernelName, values[i].kernelName, at + " name");
        checkEqual(map.values[i].portName, values[i].portName, at + " port");
    }

    // Last, since a key under the volatile DEVICEMAP cannot be made again by reg.exe.
    check(reg(std::wstring(L"delete ") + serialCommKey + L" /f"), "reg delete");
    const win32::SerialCommValues absent = win32::Read_SerialComm();
    check(!absent.opened && absent.values.empty(), "a missing key reads as not opened");
}

// WM_DEVICECHANGE ------------------------------------------------------------------------------

// A broadcast as the system builds it: header, then the UTF-16 name with its NUL; `sizeChars`
// (when not -1) is how many name characters dbch_size admits.
std::vector<unsigned char> broadcast(DWORD deviceType, const std::wstring &name,
                                     int sizeChars = -1) {
    constexpr size_t nameOffset = offsetof(DEV_BROADCAST_PORT_W, dbcp_name);
    std::vector<unsigned char> bytes(nameOffset + (name.size() + 1) * sizeof(wchar_t));
    DEV_BROADCAST_HDR header{};
    header.dbch_size =
        DWORD(sizeChars < 0 ? bytes.size() : nameOffset + size_t(sizeChars) * sizeof(wchar_t));
    header.dbch_devicetype = deviceType;
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + nameOffset, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    return bytes;
}

void deviceChange() {
    using win32::DeviceChange;
    const std::vector<unsigned char> port = broadcast(DBT_DEVTYP_PORT, L"COM12");
    const std::vector<unsigned char> cutPort = broadcast(DBT_DEVTYP_PORT, L"COM12", 4);
    const std::vector<unsigned char> volume = broadcast(DBT_DEVTYP_VOLUME, L"COM12");
    const std::vector<unsigned char> deviceInterface =
        broadcast(DBT_DEVTYP_DEVICEINTERFACE, L"\\\\?\\USB#VID_0000");
    struct Case {
        const char *what;
        UINT message;
        WPARAM wParam;
        const void *broadcast;
        DeviceChange change;
        const char *portName;
    };
    const Case cases[] = {
        {"port arrival", WM_DEVICECHANGE, DBT_DEVICEARRIVAL, port.data(), DeviceChange::PortArrived,
         "COM12"},
        {"port removal", WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, port.data(),
         DeviceChange::PortRemoved, "COM12"},
        {"port name cut by its size", WM_DEVICECHANGE, DBT_DEVICEARRIVAL, cutPort.data(),
         DeviceChange::PortArrived, "COM1"},
        {"node change", WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, nullptr,
         DeviceChange::DevNodesChanged, ""},
        {"volume arrival", WM_DEVICECHANGE, DBT_DEVICEARRIVAL, volume.data(), DeviceChange::None,
         ""},
        {"interface removal", WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, deviceInterface.data(),
         DeviceChange::None, ""},
        {"arrival without header", WM_DEVICECHANGE, DBT_DEVICEARRIVAL, nullptr, DeviceChange::None,
         ""},
        {"removal without header", WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, nullptr,
         DeviceChange::None, ""},
        {"query remove of a port", WM_DEVICECHANGE, DBT_DEVICEQUERYREMOVE, port.data(),
         DeviceChange::None, ""},
        {"another message", WM_PAINT, DBT_DEVICEARRIVAL, port.data(), DeviceChange::None, ""},
    };
    for (const Case &c : cases) {
        const win32::DeviceChangeMessage decoded =
            win32::Decode_DeviceChange(c.message, c.wParam, LPARAM(c.broadcast));
        check(decoded.change == c.change, std::string(c.what) + ": change " +
                                              std::to_string(int(decoded.change)) + ", expected " +
                                              std::to_string(int(c.change)));
        checkEqual(narrow(decoded.portName), c.portName, std::string(c.what) + " port name");
    }
}

// Delay ----------------------------------------------------------------------------------------

int64_t counterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double threadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME &t) {
        return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void delay() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const int64_t f = frequency.QuadPart;

    struct Ticks {
        int64_t us, frequency, ticks;
    };
    const Ticks ticks[] = {
        {125, 10000000, 1250},
        {125, 3579545, 447},                       // truncated
        {1000000000000, 10000000, 10000000000000}, // us * frequency overflows 64 bits
        {-5, 10000000, -50},
    };
    for (const Ticks &t : ticks)
        check(win32::Ticks_Of(t.us, t.frequency) == t.ticks,
              "ticks of " + std::to_string(t.us) + " us at " + std::to_string(t.frequency) +
                  " Hz: " + std::to_string(win32::Ticks_Of(t.us, t.frequency)));

    // Never shorter, not once: short waits spin, the 20 ms one sleeps on a timer first.
    for (int64_t us : {1, 125, 130, 20000}) {
        std::vector<int64_t> elapsed;
        for (int i = 0; i < (us < 1000 ? 500 : 5); ++i) {
            const int64_t start = counterNow();
            win32::Delay_us(us);
            elapsed.push_back(counterNow() - start);
        }
        std::sort(elapsed.begin(), elapsed.end());
        auto inUs = [f](int64_t ticks) { return double(ticks) * 1e6 / double(f); };
        std::printf("Delay_us(%lld): %zu waits, min %.1f us, median %.1f us, max %.1f us\n",
                    static_cast<long long>(us), elapsed.size(), inUs(elapsed.front()),
                    inUs(elapsed[elapsed.size() / 2]), inUs(elapsed.back()));
        check(elapsed.front() >= win32::Ticks_Of(us, f),
              "Delay_us(" + std::to_string(us) + ") once took " + std::to_string(elapsed.front()) +
                  " ticks at " + std::to_string(f) + " Hz");
    }

    // A long wait sleeps: its thread spends less than half of the wait on the CPU. A spin takes
    // most of the 500 ms even on a busy machine; a sleep's count comes in steps of 10 ms or so,
    // and under wine on a loaded machine a few of them (50 ms was seen).
    const double cpuBefore = threadCpuMs();
    win32::Delay_us(500000);
    const double cpu = threadCpuMs() - cpuBefore;
    std::printf("Delay_us(500000): %.1f ms of CPU\n", cpu);
    check(cpu < 250, "a 500 ms wait used " + std::to_string(cpu) + " ms of CPU");
}

} // namespace

int main() {
    serialCommMap();
    deviceChange();
    delay();
    if (failures) {
        std::fprintf(stderr, "test_win32: %d checks failed\n", failures);
        return 1;
    }
    std::printf("test_win32: OK\n");
    return 0;
}
