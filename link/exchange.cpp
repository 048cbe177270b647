#include "link/exchange.h"

#include "link/module_profile.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace pemrix::link {

namespace {

std::string operationText(Operation operation) {
    return "operation " + std::to_string(operationValue(operation));
}

const ModuleProfile& servedModule(const ExchangeRequest& request) {
    if (auto problem = checkExchangeRequest(request))
        throw std::invalid_argument(*problem);
    return *profileOf(request.moduleKind);
}

} // namespace

std::optional<std::string> checkExchangeRequest(const ExchangeRequest& request) {
    const ModuleProfile* module = profileOf(request.moduleKind);
    if (module == nullptr)
        return "module kind " + std::to_string(kindValue(request.moduleKind)) + " is not served";
    const Operation operation = request.operation;
    if (operation == Operation::Link)
        return std::nullopt;
    if (operation == Operation::KeyId) {
        if (!module->readsKeys)
            return operationText(operation) + " is not served by " + std::string(module->name);
        if (request.data.size() != 1 || request.data[0] < 1 || request.data[0] > 8)
            return "a key read needs one identifier slot 1..8";
        return std::nullopt;
    }
    if (operation != module->write && operation != module->read)
        return operationText(operation) + " is not served by " + std::string(module->name);
    if (operation == module->write &&
        request.data.size() != static_cast<std::size_t>(module->imageSize))
        return "an image of " + std::string(module->name) + " has " +
               std::to_string(module->imageSize) + " entries, not " +
               std::to_string(request.data.size());
    return std::nullopt;
}

Exchange::Exchange(SerialPort& port, ExchangeRequest request, Reporter& reporter,
                   const StopFlag& stop, Timing timing, Sleeper sleep)
    : port_(port), request_(std::move(request)), module_(servedModule(request_)),
      reporter_(reporter), stop_(stop), timing_(timing),
      sleep_(sleep.now && sleep.until ? std::move(sleep) : systemSleeper()) {}

ExchangeEnd Exchange::run() {
    if (ran_)
        throw std::logic_error("an exchange runs once");
    ran_ = true;
    if (trace_)
        trace_->exchangeBegan(request_.moduleKind, request_.operation);
    const ExchangeEnd end = runOperation();
    if (trace_)
        trace_->exchangeEnded(end);
    return end;
}

ExchangeEnd Exchange::runOperation() {
    const Operation operation = request_.operation;
    if (operation == Operation::Link)
        return runLink();
    if (!sendHeader())
        return end_;
    if (operation == module_.write)
        return runWrite();
    if (operation == module_.read)
        return runRead();
    return runKeyRead();
}

// A sleep that ends late is made up by the next wait, so that over an exchange of
// many waits the late wake-ups do not add up: each wait ends where it would have had
// every sleep before ended on time. The time spent on the line between two waits is
// not taken off: the module gets every wait in full after its bytes. A wait is
// shortened by at most half its length, so a long stall of the whole system (the
// rest of it is forgotten) never runs the bytes after it together.
void Exchange::wait(std::chrono::milliseconds duration) {
    const WaitClock::duration length = duration;
    const auto deadline = sleep_.now() + length - std::min(overslept_, length / 2);
    sleep_.until(deadline);
    overslept_ = std::max(sleep_.now() - deadline, WaitClock::duration::zero());
}

void Exchange::report(int code) {
    reporter_.report(code, attemptNumber_);
}

bool Exchange::endWith(ExchangeEnd how) {
    end_ = how;
    return false;
}

bool Exchange::goOnAfter(const IoResult& result) {
    if (!result.failed)
        return true;
    // Breaking the link closes the port under a running exchange: that is no line
    // fault, and the window has already said the link is gone.
    if (stopRequested())
        return endWith(ExchangeEnd::Stopped);
    // A write that ran out of time may go through next time. A port that never
    // opened fails every call; the user learns of it as a module that never answers.
    if (result.error.kind == PortErrorKind::TimedOut || !port_.isOpen())
        return true;
    // The device has gone (adapter unplugged, terminal hung up): every further call
    // would fail too, and going on would only show time-outs and checksum errors of
    // a module that is not there.
    return lineFailed(result.error);
}

bool Exchange::lineFailed(const PortError& error) {
    reporter_.lineFailed(request_.operation, error);
    return endWith(ExchangeEnd::LineFailed);
}

IoResult Exchange::writeOneByte(std::uint8_t byte, ByteRole role) {
    const IoResult written = port_.write(&byte, 1);
    traceOne(Direction::ToModule, byte, written.ok() && written.transferred == 1, role);
    return written;
}

// One byte of a header or frame: a byte the module does not get spoils the frame,
// so a failed write ends the operation.
bool Exchange::sendFrameByte(std::uint8_t byte, ByteRole role, bool paced) {
    const IoResult written = writeOneByte(byte, role);
    if (written.failed || written.transferred != 1) {
        if (stopRequested())
            return endWith(ExchangeEnd::Stopped);
        return lineFailed(written.error);
    }
    if (paced)
        wait(timing_.releBytePause);
    std::uint8_t echo = 0;
    if (!readOneByte(echo, ByteRole::Echo))
        return false;
    if (paced)
        wait(timing_.releBytePause);
    return true;
}

// A verdict is sent once and not repeated, so its write is not examined; its echo
// is read like any other, and on a line that has gone that read fails in its turn.
bool Exchange::sendVerdict(std::uint8_t verdict) {
    writeOneByte(verdict, ByteRole::Verdict);
    std::uint8_t echo = 0;
    return readOneByte(echo, ByteRole::Echo);
}

bool Exchange::readOneByte(std::uint8_t& value, ByteRole role, bool& arrived) {
    std::uint8_t byte = 0;
    const IoResult result = port_.read(&byte, 1);
    traceOne(Direction::FromModule, byte, result.transferred >= 1, role);
    if (!goOnAfter(result))
        return false;
    arrived = result.transferred >= 1;
    if (arrived) {
        value = byte;
        return true;
    }
    report(ReportCode::TimeOut);
    value = 0xFF;
    return true;
}

bool Exchange::readOneByte(std::uint8_t& value, ByteRole role) {
    bool arrived = false;
    return readOneByte(value, role, arrived);
}

void Exchange::traceOne(Direction direction, std::uint8_t value, bool moved, ByteRole role) {
    if (!trace_)
        return;
    if (moved)
        trace_->byte(direction, value, role);
    else
        trace_->missing(direction, role, 1);
}

void purgeOnWorkerStart(SerialPort& port) {
    port.purge(Purge::RxAbort);
    port.purge(Purge::TxAbort);
    port.purge(Purge::RxClear);
    port.purge(Purge::TxClear);
}

void purgeOnWorkerEnd(SerialPort& port) {
    port.purge(Purge::RxClear);
    port.purge(Purge::TxClear);
}

} // namespace pemrix::link
