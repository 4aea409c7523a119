#pragma once

#include <string>
#include <vector>

namespace win32 {

// One value of the registry's serial-port map HKLM\HARDWARE\DEVICEMAP\SERIALCOMM.
struct SerialCommValue {
    std::string kernelName; // low byte of each UTF-16 character of the value name
    std::string portName;   // the data's non-zero bytes ("COM3" from its UTF-16 string)
};

struct SerialCommValues {
    bool opened = false; // the key could be opened for reading
    std::vector<SerialCommValue> values;
};

// Every value of the map, in the system's enumeration order. A value whose name does not fit
// 512 characters or whose data does not fit 256 bytes keeps its place with an empty kernel name
// and the port name " ", so that the values after it are still listed at their own index.
SerialCommValues Read_SerialComm();

} // namespace win32
