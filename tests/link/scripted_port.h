#pragma once
// A serial port for engine tests: every read call is answered from a script, every
// call is written to a trace ("W 55 55 AA AA", "R1 00", "R4 -", "wait 2000"), and
// the script can run actions (such as a stop request) at chosen points.

#include "link/serial_port.h"
#include "link/timing.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace pemrix::link::testing {

inline std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (auto byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        if (!text.empty())
            text += ' ';
        text += digits;
    }
    return text;
}

inline std::string hexBytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return hexBytes(bytes);
}

class ScriptedPort : public SerialPort {
  public:
    using Action = std::function<void()>;

    // Script of the reads, in call order. Reads past the end of the script get
    // nothing, as from a silent line.
    ScriptedPort& serve(std::vector<std::uint8_t> bytes) {
        replies_.push_back({Kind::Bytes, std::move(bytes), {}});
        return *this;
    }
    // One read call per byte.
    ScriptedPort& serveEach(std::span<const std::uint8_t> bytes) {
        for (auto byte : bytes)
            serve({byte});
        return *this;
    }
    // The bytes of the last write come back, as the line echoes them.
    ScriptedPort& echo(int times = 1) { return add(Kind::Echo, times); }
    ScriptedPort& nothing(int times = 1) { return add(Kind::Nothing, times); }
    ScriptedPort& fail(int times = 1) { return add(Kind::Fail, times); }
    // Runs `action` when the read last scripted is served, before it returns.
    ScriptedPort& then(Action action) {
        replies_.back().then = std::move(action);
        return *this;
    }

    // Write call number `index` (from 0) fails, by default as on a device that has
    // gone; so does every one from `firstFailing` on.
    void failWrite(std::size_t index, PortErrorKind kind = PortErrorKind::Gone) {
        failingWrites_[index] = kind;
    }
    void failWritesFrom(std::size_t firstFailing) { firstFailingWrite_ = firstFailing; }
    // Every call fails, as on a port that could not be opened.
    void failEverything() {
        failWritesFrom(0);
        failReadsAfterScript_ = true;
        neverOpened_ = true;
    }
    // Runs `action` as write call number `index` begins.
    void onWrite(std::size_t index, Action action) { writeActions_[index] = std::move(action); }

    // Waits on a clock of the port's own, which moves only when the engine sleeps
    // (by `oversleep` more than asked) or a read is served (by `readTakes`). Each
    // wait is recorded by its length from now to its deadline, in milliseconds.
    Sleeper sleeper() {
        return {[this] { return clock_; },
                [this](WaitClock::time_point deadline) {
                    const auto length =
                        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock_);
                    trace_.push_back("wait " + std::to_string(length.count()));
                    clock_ = std::max(clock_, deadline) + oversleep_;
                    if (onWait_)
                        onWait_(length);
                }};
    }
    void onWait(std::function<void(std::chrono::milliseconds)> action) {
        onWait_ = std::move(action);
    }
    void oversleep(WaitClock::duration late) { oversleep_ = late; }
    void readTakes(WaitClock::duration time) { readTakes_ = time; }
    WaitClock::time_point clock() const { return clock_; }

    IoResult read(std::uint8_t* buffer, std::size_t count) override {
        const std::string call = "R" + std::to_string(count) + " ";
        clock_ += readTakes_;
        if (closed_ || replies_.empty()) {
            const bool failing = closed_ || failReadsAfterScript_;
            trace_.push_back(call + (failing ? "fails" : "-"));
            return failing ? IoResult::failure(neverOpened_ ? notOpened() : closedError())
                           : IoResult::done(0);
        }
        Reply reply = std::move(replies_.front());
        replies_.pop_front();
        IoResult result = IoResult::done(0);
        switch (reply.kind) {
        case Kind::Bytes:
        case Kind::Echo: {
            const auto& bytes = reply.kind == Kind::Echo ? lastWrite_ : reply.bytes;
            const std::size_t n = std::min(count, bytes.size());
            std::copy_n(bytes.begin(), n, buffer);
            trace_.push_back(call + (n ? hexBytes(std::span(bytes).first(n)) : "-"));
            result = IoResult::done(n);
            break;
        }
        case Kind::Nothing:
            trace_.push_back(call + "-");
            break;
        case Kind::Fail:
            trace_.push_back(call + "fails");
            result = IoResult::failure({PortErrorKind::Gone, 5, "gone"});
            break;
        }
        if (reply.then)
            reply.then();
        return result;
    }

    IoResult write(const std::uint8_t* data, std::size_t count) override {
        const std::size_t index = writeCalls_++;
        if (auto action = writeActions_.find(index); action != writeActions_.end())
            action->second();
        std::vector<std::uint8_t> bytes(data, data + count);
        const auto scripted = failingWrites_.find(index);
        const bool failing =
            closed_ || index >= firstFailingWrite_ || scripted != failingWrites_.end();
        trace_.push_back("W " + hexBytes(bytes) + (failing ? " fails" : ""));
        if (failing) {
            lastWrite_.clear();
            if (neverOpened_)
                return IoResult::failure(notOpened());
            if (closed_)
                return IoResult::failure(closedError());
            const auto kind =
                scripted != failingWrites_.end() ? scripted->second : PortErrorKind::Gone;
            return IoResult::failure({kind, 5, "gone"});
        }
        written_.insert(written_.end(), bytes.begin(), bytes.end());
        lastWrite_ = std::move(bytes);
        return IoResult::done(count);
    }

    void purge(Purge what) override {
        static const char* const names[] = {"RxAbort", "TxAbort", "RxClear", "TxClear"};
        trace_.push_back(std::string("purge ") + names[static_cast<int>(what)]);
    }
    void close() override {
        trace_.push_back("close");
        closed_ = true;
    }
    bool isOpen() const override { return !closed_ && !neverOpened_; }

    const std::vector<std::string>& trace() const { return trace_; }
    // Every byte that was written successfully, in order.
    const std::vector<std::uint8_t>& written() const { return written_; }
    std::size_t unserved() const { return replies_.size(); }
    std::size_t writeCalls() const { return writeCalls_; }
    std::size_t readCalls() const {
        std::size_t n = 0;
        for (const auto& line : trace_)
            n += line[0] == 'R';
        return n;
    }

  private:
    enum class Kind { Bytes, Echo, Nothing, Fail };
    struct Reply {
        Kind kind;
        std::vector<std::uint8_t> bytes;
        Action then;
    };
    static PortError closedError() { return {PortErrorKind::Closed, 0, "closed"}; }
    static PortError notOpened() { return {PortErrorKind::NoSuchPort, 2, "no such port"}; }
    ScriptedPort& add(Kind kind, int times) {
        for (int i = 0; i < times; ++i)
            replies_.push_back({kind, {}, {}});
        return *this;
    }

    std::deque<Reply> replies_;
    std::vector<std::string> trace_;
    std::vector<std::uint8_t> written_;
    std::vector<std::uint8_t> lastWrite_;
    std::map<std::size_t, PortErrorKind> failingWrites_;
    std::map<std::size_t, Action> writeActions_;
    std::function<void(std::chrono::milliseconds)> onWait_;
    WaitClock::time_point clock_{};
    WaitClock::duration oversleep_{};
    WaitClock::duration readTakes_{};
    std::size_t firstFailingWrite_ = SIZE_MAX;
    std::size_t writeCalls_ = 0;
    bool failReadsAfterScript_ = false;
    bool neverOpened_ = false;
    bool closed_ = false;
};

} // namespace pemrix::link::testing
