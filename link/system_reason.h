#pragma once
// The system's error codes in the user's words, in one place: a short Russian reason
// for each code the program meets with devices, files and streams ("нет доступа").
// Any other code keeps its number and the system's own text, so that nothing the
// system said is lost: "системная ошибка 71 (Protocol error)". Standard library only.

#include "language/translate.h"

#include <string>
#include <string_view>

namespace pemrix::os {

// An error number of the C library (errno).
std::string errnoReason(int code);

// A Windows system error code (GetLastError()). `systemText` is the system's own
// text for it, shown for a code without a reason of its own.
std::string windowsErrorReason(unsigned long code, std::string_view systemText);

// A code without a reason of its own: its number, and the system's text if any.
std::string otherErrorReason(long long code, std::string_view systemText);

// The reasons below are the catalog's sources: the functions above give them in the
// user's language, so a text is compared with them translated (translatedReason).

// The reason of a refused access, which a text that says so already leaves out.
inline constexpr std::string_view noPermissionReason = QT_TRANSLATE_NOOP("pemrix", "нет доступа");

// An open device that is no longer there: an adapter pulled out, an emulator gone.
inline constexpr std::string_view deviceGoneReason =
    QT_TRANSLATE_NOOP("pemrix", "устройство отключено");

// A device another program holds, whichever code the system gave for it (a lock
// refused, or "access denied" for a COM port already open).
inline constexpr std::string_view deviceBusyReason =
    QT_TRANSLATE_NOOP("pemrix", "устройство занято");

// One of the reasons above in the user's language, as the functions above give it.
std::string translatedReason(std::string_view reason);

} // namespace pemrix::os
