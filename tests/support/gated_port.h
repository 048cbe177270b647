#pragma once
// A serial port under watch for tests of the link's life: a real port behind a
// decorator that counts the closes made on this port object, logs every call, and
// can hold the worker at a chosen call until released, or only note that it got
// there. Also the calls of each exchange, as the worker makes them.

#include "link/serial_port.h"

#include <cstdint>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::testing {

using link::IoResult;

enum class CallKind { Read, Write };

// A call of the worker on its port: the `nth` call of that kind and size counted
// from when the port was armed, just before it is made or just after it returned.
struct PhasePoint {
    CallKind kind;
    std::size_t size;
    int nth;
    bool afterCall = false;
};

class GatedPort : public link::SerialPort {
  public:
    explicit GatedPort(std::unique_ptr<link::SerialPort> inner) : inner_(std::move(inner)) {}

    IoResult read(std::uint8_t* buffer, std::size_t count) override {
        const int nth = before(CallKind::Read, count);
        const IoResult result = inner_->read(buffer, count);
        after(CallKind::Read, count, nth, result);
        return result;
    }
    IoResult write(const std::uint8_t* data, std::size_t count) override {
        const int nth = before(CallKind::Write, count);
        {
            std::lock_guard lock(mutex_);
            if (verdictArmed_ && count == 1 && data[0] == 0x00) {
                verdictArmed_ = false;
                verdictWritten_ = true;
            }
        }
        const IoResult result = inner_->write(data, count);
        after(CallKind::Write, count, nth, result);
        return result;
    }
    void purge(link::Purge what) override { inner_->purge(what); }
    void close() override {
        {
            std::lock_guard lock(mutex_);
            ++closes_;
            log_.push_back("close");
        }
        inner_->close();
    }
    bool isOpen() const override { return inner_->isOpen(); }

    // Counts calls from now on; `hold` keeps the worker at the point until release().
    void arm(PhasePoint point, bool hold) {
        std::lock_guard lock(mutex_);
        point_ = point;
        hold_ = hold;
        counts_.clear();
    }
    // Holds the worker just after it has read back the echo of its next verdict byte
    // 00 (the host's acceptance of a link answer or of a read frame), right before
    // it reports.
    void armAtVerdict() {
        std::lock_guard lock(mutex_);
        verdictArmed_ = true;
        hold_ = true;
    }
    bool reached() const {
        std::lock_guard lock(mutex_);
        return reached_;
    }
    bool held() const {
        std::lock_guard lock(mutex_);
        return holding_;
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    int closes() const {
        std::lock_guard lock(mutex_);
        return closes_;
    }
    std::vector<std::string> log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    bool innerOpen() const { return inner_->isOpen(); }

  private:
    static std::string nameOf(CallKind kind, std::size_t size) {
        return (kind == CallKind::Read ? "read " : "write ") + std::to_string(size);
    }
    int before(CallKind kind, std::size_t size) {
        std::unique_lock lock(mutex_);
        const int nth = ++counts_[{kind, size}];
        if (point_ && !point_->afterCall && matches(kind, size, nth))
            reach(lock);
        return nth;
    }
    void after(CallKind kind, std::size_t size, int nth, const IoResult& result) {
        std::unique_lock lock(mutex_);
        log_.push_back(nameOf(kind, size) + (result.failed ? " failed" : " moved ") +
                       (result.failed ? "" : std::to_string(result.transferred)));
        if (kind == CallKind::Read && verdictWritten_) {
            verdictWritten_ = false;
            reach(lock);
        } else if (point_ && point_->afterCall && matches(kind, size, nth)) {
            reach(lock);
        }
    }
    bool matches(CallKind kind, std::size_t size, int nth) const {
        return point_->kind == kind && point_->size == size && point_->nth == nth;
    }
    void reach(std::unique_lock<std::mutex>& lock) {
        reached_ = true;
        log_.push_back("reached");
        if (!hold_)
            return;
        holding_ = true;
        changed_.wait(lock, [this] { return released_; });
        holding_ = false;
    }

    std::unique_ptr<link::SerialPort> inner_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<PhasePoint> point_;
    bool hold_ = false;
    bool verdictArmed_ = false;
    bool verdictWritten_ = false;
    bool reached_ = false;
    bool holding_ = false;
    bool released_ = false;
    int closes_ = 0;
    std::map<std::pair<CallKind, std::size_t>, int> counts_;
    std::vector<std::string> log_;
};

// The calls of one exchange, counted from its start (after the link).
namespace calls {
// The header's bytes go out one by one, each followed by the read of its echo.
inline PhasePoint headerByte(int n) {
    return {CallKind::Write, 1, n};
}
// After the header's four echoes and its acknowledgement: the frame's bytes.
inline PhasePoint readFrameByte(int n) {
    return {CallKind::Read, 1, 4 + 1 + n};
}
inline PhasePoint writeFrameByte(int n) {
    return {CallKind::Write, 1, 4 + n};
}
inline PhasePoint keyAnswerByte(int n) {
    return {CallKind::Read, 1, 4 + 1 + n};
}
// The link: one write of the request and a read of its echo, the wait, then a read
// of the answer, per attempt.
inline PhasePoint linkRequest(int attempt) {
    return {CallKind::Write, 4, attempt};
}
inline PhasePoint linkEchoRead(int attempt) {
    return {CallKind::Read, 4, 2 * attempt - 1, true};
}
} // namespace calls

} // namespace pemrix::testing
