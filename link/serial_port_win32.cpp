// The serial port on Windows: a COM device opened for synchronous input and output,
// whose reads and writes the driver bounds with the port's time-outs.

#include "link/port_timeouts.h"
#include "link/system_reason.h"
#include "link/system_serial_port.h"

#include <algorithm>
#include <chrono>

#include <windows.h>

namespace pemrix::link {
namespace {

using Clock = std::chrono::steady_clock;

// The system's own text for a code, as UTF-8 (the ANSI texts of a Russian Windows
// are not), without the trailing line end and full stop.
std::string systemText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string result;
    if (length != 0) {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr,
                                               0, nullptr, nullptr);
        result.resize(static_cast<std::size_t>(size > 0 ? size : 0));
        if (size > 0)
            ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), result.data(), size,
                                  nullptr, nullptr);
    }
    ::LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                               result.back() == ' ' || result.back() == '.')) {
        result.pop_back();
    }
    return result;
}

enum class Stage { Opening, Transfer };

// The one place where a system error code becomes a port error.
PortError portError(DWORD code, Stage stage) {
    PortErrorKind kind = PortErrorKind::Other;
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        kind = PortErrorKind::NoSuchPort;
        break;
    // A COM port that another program holds answers "access denied" to a second
    // opener, since the port is never shared; a device that another program has
    // locked answers "lock violation".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
        kind = stage == Stage::Opening ? PortErrorKind::InUse : PortErrorKind::Other;
        break;
    // An unplugged USB adapter: missing when opened, gone when already open.
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_DEVICE_REMOVED:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
        kind = stage == Stage::Opening ? PortErrorKind::NoSuchPort : PortErrorKind::Gone;
        break;
    case ERROR_TIMEOUT:
    case ERROR_SEM_TIMEOUT:
        kind = PortErrorKind::TimedOut;
        break;
    case ERROR_OPERATION_ABORTED:
        kind = PortErrorKind::Closed;
        break;
    default:
        break;
    }
    // A device gone or held is said so, whichever code told of it.
    std::string reason = kind == PortErrorKind::Gone ? os::translatedReason(os::deviceGoneReason)
                         : kind == PortErrorKind::InUse
                             ? os::translatedReason(os::deviceBusyReason)
                             : os::windowsErrorReason(code, systemText(code));
    return PortError{kind, static_cast<int>(code), std::move(reason)};
}

PortError closedError() {
    return portError(ERROR_OPERATION_ABORTED, Stage::Transfer);
}

DWORD clampedCount(std::size_t count) {
    return static_cast<DWORD>(std::min<std::size_t>(count, MAXDWORD));
}

// Raised once and never lowered; failures are of no consequence.
void raiseModemLines(HANDLE handle) {
    (void)::EscapeCommFunction(handle, SETDTR);
    (void)::EscapeCommFunction(handle, SETRTS);
}

void setTimeouts(HANDLE handle) {
    COMMTIMEOUTS timeouts{};
    (void)::GetCommTimeouts(handle, &timeouts);
    timeouts.ReadIntervalTimeout = port_timeouts::readIntervalMs;
    timeouts.ReadTotalTimeoutMultiplier = port_timeouts::readTotalMultiplierMs;
    timeouts.ReadTotalTimeoutConstant = port_timeouts::readTotalConstantMs;
    timeouts.WriteTotalTimeoutMultiplier = port_timeouts::writeTotalMultiplierMs;
    timeouts.WriteTotalTimeoutConstant = port_timeouts::writeTotalConstantMs;
    (void)::SetCommTimeouts(handle, &timeouts);
}

// 1200 baud, one stop bit, 8 data bits, no parity; every other field (flow control,
// modem-line modes, XON/XOFF limits and characters) stays as the port reported it.
void setLine(HANDLE handle) {
    DCB settings{};
    settings.DCBlength = sizeof settings;
    if (!::GetCommState(handle, &settings)) {
        return; // writing back a record never read would set garbage
    }
    settings.BaudRate = CBR_1200;
    settings.StopBits = ONESTOPBIT;
    settings.ByteSize = 8;
    settings.Parity = NOPARITY;
    (void)::SetCommState(handle, &settings);
}

class Win32SerialPort final : public SystemSerialPort {
  public:
    explicit Win32SerialPort(PortError openFailure)
        : state_(State::FailedToOpen), openError_(std::move(openFailure)) {}

    Win32SerialPort(HANDLE handle, HANDLE closeEvent, Clock::time_point settledAt)
        : state_(State::Open), handle_(handle), closeEvent_(closeEvent), settledAt_(settledAt) {}

    ~Win32SerialPort() override { close(); }

    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    IoResult read(std::uint8_t* buffer, std::size_t count) override;
    IoResult write(const std::uint8_t* data, std::size_t count) override;
    void purge(Purge what) override;
    void close() override;

    bool isOpen() const override {
        ::AcquireSRWLockShared(&lock_);
        const bool open = state_ == State::Open;
        ::ReleaseSRWLockShared(&lock_);
        return open;
    }
    std::optional<PortError> openError() const override { return openError_; }

  private:
    enum class State { Open, Closing, Closed, FailedToOpen };

    // Admits one call while the port is open and keeps the handle alive until the
    // call has left: close() waits for every admitted call, so a handle value is
    // never used after it has been closed and perhaps handed out again.
    class Call {
      public:
        explicit Call(Win32SerialPort& port) : port_(port) {
            ::AcquireSRWLockExclusive(&port.lock_);
            if (port.state_ == State::Open) {
                ++port.callsInFlight_;
                admitted_ = true;
                handle = port.handle_;
                closeEvent = port.closeEvent_;
            }
            ::ReleaseSRWLockExclusive(&port.lock_);
        }
        ~Call() {
            if (!admitted_) {
                return;
            }
            ::AcquireSRWLockExclusive(&port_.lock_);
            if (--port_.callsInFlight_ == 0) {
                ::WakeAllConditionVariable(&port_.idle_);
            }
            ::ReleaseSRWLockExclusive(&port_.lock_);
        }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

        bool admitted() const { return admitted_; }
        HANDLE handle = INVALID_HANDLE_VALUE;
        HANDLE closeEvent = nullptr;

      private:
        Win32SerialPort& port_;
        bool admitted_ = false;
    };

    PortError refusal() const { return openError_ ? *openError_ : closedError(); }

    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE idle_ = CONDITION_VARIABLE_INIT;
    State state_;
    int callsInFlight_ = 0;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    HANDLE closeEvent_ = nullptr; // set by close(): ends the settle wait early
    const Clock::time_point settledAt_{};
    const std::optional<PortError> openError_;
};

IoResult Win32SerialPort::read(std::uint8_t* buffer, std::size_t count) {
    Call call(*this);
    if (!call.admitted()) {
        return IoResult::failure(refusal());
    }
    DWORD received = 0;
    if (!::ReadFile(call.handle, buffer, clampedCount(count), &received, nullptr)) {
        return IoResult::failure(portError(::GetLastError(), Stage::Transfer), received);
    }
    return IoResult::done(received); // fewer than asked: the time-out ran out
}

IoResult Win32SerialPort::write(const std::uint8_t* data, std::size_t count) {
    Call call(*this);
    if (!call.admitted()) {
        return IoResult::failure(refusal());
    }
    const auto settleLeft = std::chrono::ceil<std::chrono::milliseconds>(settledAt_ - Clock::now());
    if (settleLeft.count() > 0 &&
        ::WaitForSingleObject(call.closeEvent, static_cast<DWORD>(settleLeft.count())) ==
            WAIT_OBJECT_0) {
        return IoResult::failure(closedError());
    }
    DWORD sent = 0;
    if (!::WriteFile(call.handle, data, clampedCount(count), &sent, nullptr)) {
        return IoResult::failure(portError(::GetLastError(), Stage::Transfer), sent);
    }
    if (sent < count) {
        return IoResult::failure(portError(ERROR_TIMEOUT, Stage::Transfer), sent);
    }
    return IoResult::done(sent);
}

void Win32SerialPort::purge(Purge what) {
    Call call(*this);
    if (!call.admitted()) {
        return;
    }
    DWORD flag = 0;
    switch (what) {
    case Purge::RxAbort:
        flag = PURGE_RXABORT;
        break;
    case Purge::TxAbort:
        flag = PURGE_TXABORT;
        break;
    case Purge::RxClear:
        flag = PURGE_RXCLEAR;
        break;
    case Purge::TxClear:
        flag = PURGE_TXCLEAR;
        break;
    }
    (void)::PurgeComm(call.handle, flag);
}

void Win32SerialPort::close() {
    ::AcquireSRWLockExclusive(&lock_);
    if (state_ != State::Open) {
        ::ReleaseSRWLockExclusive(&lock_);
        return;
    }
    state_ = State::Closing;
    (void)::SetEvent(closeEvent_);
    while (callsInFlight_ > 0) {
        // Cancels a read or write that another thread has pending on this handle.
        // A call admitted but not yet inside the driver misses the cancel, so it is
        // repeated until every call has left; the port's time-outs bound each call
        // even if cancelling never took.
        (void)::CancelIoEx(handle_, nullptr);
        (void)::SleepConditionVariableSRW(&idle_, &lock_, 1, 0);
    }
    (void)::CloseHandle(handle_);
    (void)::CloseHandle(closeEvent_);
    handle_ = INVALID_HANDLE_VALUE;
    closeEvent_ = nullptr;
    state_ = State::Closed;
    ::ReleaseSRWLockExclusive(&lock_);
}

} // namespace

std::unique_ptr<SystemSerialPort> SystemSerialPort::open(const std::string& device) {
    return open(device, OpenOptions{});
}

std::unique_ptr<SystemSerialPort> SystemSerialPort::open(const std::string& device,
                                                         const OpenOptions& options) {
    // Read and write, never shared, an existing device only, synchronous I/O.
    const HANDLE handle = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::make_unique<Win32SerialPort>(portError(::GetLastError(), Stage::Opening));
    }
    raiseModemLines(handle);
    setTimeouts(handle);
    setLine(handle);

    const HANDLE closeEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (closeEvent == nullptr) {
        const DWORD code = ::GetLastError();
        (void)::CloseHandle(handle);
        return std::make_unique<Win32SerialPort>(portError(code, Stage::Opening));
    }
    return std::make_unique<Win32SerialPort>(handle, closeEvent, Clock::now() + options.settleTime);
}

std::string defaultDeviceForPort(int portNumber) {
    // Numbers below 1 name no port; the empty name then fails to open.
    if (portNumber < 1) {
        return {};
    }
    return "//./COM" + std::to_string(portNumber);
}

} // namespace pemrix::link
