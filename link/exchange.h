#pragma once
// One exchange with a module: the link, a write, a read or a key read, run byte by
// byte with echo reads on a serial port. The engine knows no thread and no window:
// whoever runs it (the worker thread, the command-line tool, a test) hands it a
// port, a Reporter for the outcomes, a stop flag and the waits.

#include "link/byte_trace.h"
#include "link/exchange_stop.h"
#include "link/frames.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "link/serial_port.h"
#include "link/timing.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pemrix::link {

struct ExchangeRequest {
    ModuleKind moduleKind = ModuleKind::Secure; // the window served: a module's own kind
    Operation operation = Operation::Link;
    // A write: the image to send (the module's image size, low bytes sent).
    // A key read: one entry, the identifier slot 1..8 the key is for. Else empty.
    std::vector<int> data;
};

// Why a request cannot be run, or nothing when it can.
std::optional<std::string> checkExchangeRequest(const ExchangeRequest& request);

enum class ExchangeEnd {
    Succeeded,  // LinkEstablished, WriteDone, ReadDone or the key delivered
    Failed,     // the module failed or did not answer; its report was given
    Stopped,    // a stop request ended it at a checkpoint
    LineFailed, // a frame byte could not be written, or the device has gone
};

class Exchange {
  public:
    // Throws std::invalid_argument when checkExchangeRequest refuses the request.
    Exchange(SerialPort& port, ExchangeRequest request, Reporter& reporter, const StopFlag& stop,
             Timing timing = {}, Sleeper sleep = systemSleeper());

    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    // Runs the operation once, from its first byte to its end.
    ExchangeEnd run();

    // Every byte of the run goes to `trace` as it moves (nullptr: no trace). The
    // trace must outlive the run.
    void setTrace(ByteTrace* trace) { trace_ = trace; }

  private:
    // Every helper that returns bool answers "go on"; false means the operation is
    // over and end_ tells how.
    ExchangeEnd runOperation();
    ExchangeEnd runLink();
    bool sendHeader();
    ExchangeEnd runWrite();
    ExchangeEnd runRead();
    ExchangeEnd runKeyRead();

    // Writes one byte to the module and tells the trace of it; what the line did with it.
    IoResult writeOneByte(std::uint8_t byte, ByteRole role);
    bool sendFrameByte(std::uint8_t byte, ByteRole role, bool paced);
    bool sendVerdict(std::uint8_t verdict);
    bool readOneByte(std::uint8_t& value, ByteRole role, bool& arrived);
    bool readOneByte(std::uint8_t& value, ByteRole role);
    // Tells the trace, if there is one, of one byte that moved or did not.
    void traceOne(Direction direction, std::uint8_t value, bool moved, ByteRole role);
    // ... and of a link request, its echo or the link answer, by position in the frame.
    void traceShortFrame(Direction direction, const ShortFrame& frame, const IoResult& result,
                         ByteRole (*roleAt)(std::size_t));
    // After a port call whose failure matters: a failure after a stop request ends
    // the exchange quietly (the window closed the port on purpose); a device that
    // has gone ends it, telling the window which operation failed and why.
    bool goOnAfter(const IoResult& result);
    bool lineFailed(const PortError& error);

    bool stopRequested() const { return stop_.requested(); }
    // Sleeps `duration` from now, less what the wait before overslept.
    void wait(std::chrono::milliseconds duration);
    void report(int code);
    bool endWith(ExchangeEnd how);

    SerialPort& port_;
    ExchangeRequest request_;
    const ModuleProfile& module_;
    Reporter& reporter_;
    const StopFlag& stop_;
    Timing timing_;
    Sleeper sleep_;
    // How much later than its deadline the last sleep ended.
    WaitClock::duration overslept_{};
    ByteTrace* trace_ = nullptr;
    int attemptNumber_ = 0;
    ExchangeEnd end_ = ExchangeEnd::Failed;
    bool ran_ = false;
};

// The purges a worker makes when it is created and when it is destroyed.
void purgeOnWorkerStart(SerialPort& port);
void purgeOnWorkerEnd(SerialPort& port);

} // namespace pemrix::link
