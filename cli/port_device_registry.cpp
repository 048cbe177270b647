// COMn on Windows without Qt: the same registry value the configurator's settings
// keep, HKEY_CURRENT_USER\Software\Pemrix\Devices, string value COMn (for example
// COM1 = \\.\COM7 for a USB adapter on COM7), read with the registry calls; else
// the port's own device //./COMn.

#include "cli/port_device.h"

#include "link/system_serial_port.h"

#include <string>

#include <windows.h>

namespace pemrix::cli {

namespace {

constexpr const wchar_t* DevicesKey = L"Software\\Pemrix\\Devices";

std::string utf8Of(const std::wstring& text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    (void)::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), size, nullptr,
                                nullptr);
    return utf8;
}

// Leading and trailing blanks are no part of a device name (as the settings read it).
std::string trimmed(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(text[first]))
        ++first;
    return text.substr(first);
}

// The string value, or empty when it is missing or not a string.
std::string mappedDevice(int portNumber) {
    const std::wstring name = L"COM" + std::to_wstring(portNumber);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, DevicesKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t))
        return {};
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(HKEY_CURRENT_USER, DevicesKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                       value.data(), &bytes) != ERROR_SUCCESS)
        return {};
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return trimmed(utf8Of(value));
}

} // namespace

std::string deviceForPortNumber(int portNumber) {
    const std::string mapped = mappedDevice(portNumber);
    return mapped.empty() ? link::defaultDeviceForPort(portNumber) : mapped;
}

} // namespace pemrix::cli
