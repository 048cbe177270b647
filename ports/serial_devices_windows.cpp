// The COM ports of a Windows system: the serial port drivers register each port
// under HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, one value per port, its name the
// driver's device (\Device\Serial0) and its data the port's name (COM3).

#include "ports/serial_devices.h"

#include <algorithm>

#include <windows.h>

namespace pemrix::ports {

namespace {

std::string utf8(const wchar_t* text, int length) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace

std::vector<SerialDevice> listSerialDevices(const std::filesystem::path&) {
    std::vector<SerialDevice> devices;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS)
        return devices;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        wchar_t data[256];
        DWORD nameLength = 256;
        DWORD dataBytes = sizeof(data);
        DWORD type = 0;
        const LONG status = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        // The data need not end in a terminator.
        int dataLength = static_cast<int>(dataBytes / sizeof(wchar_t));
        while (dataLength > 0 && data[dataLength - 1] == L'\0')
            --dataLength;
        const std::string port = utf8(data, dataLength);
        devices.push_back({"//./" + port, {}, utf8(name, static_cast<int>(nameLength))});
    }
    ::RegCloseKey(key);
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return naturalLess(a.path, b.path);
    });
    return devices;
}

} // namespace pemrix::ports
