// The engine on its own thread, as the worker runs it: stopped and its port closed
// from another thread, and held up by a report that blocks like a message box.

#include "link/exchange.h"
#include "link/frames.h"
#include "link/module_profile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace pemrix::link;
using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

// A line with a module on it that echoes every byte and answers the link request
// from its `answerOn`-th request on (0: never). A read waits for its bytes until a
// short time-out or until the port is closed from another thread.
class LinePort : public SerialPort {
  public:
    explicit LinePort(int answerOn) : answerOn_(answerOn) {}

    IoResult read(std::uint8_t* buffer, std::size_t count) override {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 5ms, [&] { return closed_ || incoming_.size() >= count; });
        if (closed_)
            return IoResult::failure({PortErrorKind::Closed, 0, "closed"});
        std::size_t n = 0;
        for (; n < count && !incoming_.empty(); ++n) {
            buffer[n] = incoming_.front();
            incoming_.pop_front();
        }
        return IoResult::done(n);
    }
    IoResult write(const std::uint8_t* data, std::size_t count) override {
        std::lock_guard lock(mutex_);
        if (closed_)
            return IoResult::failure({PortErrorKind::Closed, 0, "closed"});
        ++writes_;
        incoming_.insert(incoming_.end(), data, data + count);
        const auto request = linkRequest();
        if (count == request.size() && std::equal(data, data + count, request.begin()) &&
            ++requests_ == answerOn_) {
            const ShortFrame answer{Frame::Sync, Frame::Sync, 0x02, 0x7A}; // an Orvel-416
            incoming_.insert(incoming_.end(), answer.begin(), answer.end());
        }
        changed_.notify_all();
        return IoResult::done(count);
    }
    void purge(Purge) override {}
    void close() override {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }
    bool isOpen() const override {
        std::lock_guard lock(mutex_);
        return !closed_;
    }
    int writes() const {
        std::lock_guard lock(mutex_);
        return writes_;
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::uint8_t> incoming_;
    int answerOn_;
    int requests_ = 0;
    int writes_ = 0;
    bool closed_ = false;
};

// Records reports under a lock; can hold the worker inside one report until released.
class SharedReporter : public Reporter {
  public:
    void report(int code, int attemptNumber) override {
        std::unique_lock lock(mutex_);
        events_.push_back(code == ReportCode::LinkAttempt
                              ? "report 7 attempt " + std::to_string(attemptNumber)
                              : "report " + std::to_string(code));
        changed_.notify_all();
        if (holdInFirstReport_ && events_.size() == 1) {
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [&] { return released_; });
        }
    }
    void linkAnswered(ModuleKind kind) override {
        add("variant " + std::to_string(kindValue(kind)));
    }
    void linkUp() override { add("linkUp"); }
    void enableTransferButtons() override { add("buttons"); }
    void deliverImage(const std::vector<int>&) override { add("image"); }
    void deliverKey(std::uint64_t, int) override { add("key"); }

    void holdInFirstReport() { holdInFirstReport_ = true; }
    bool waitUntilHeld() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 60s, [&] { return held_; });
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    bool waitForEventCount(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 60s, [&] { return events_.size() >= count; });
    }
    std::vector<std::string> events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

  private:
    void add(std::string event) {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> events_;
    bool holdInFirstReport_ = false;
    bool held_ = false;
    bool released_ = false;
};

Timing shortTiming() {
    Timing timing;
    timing.linkAnswerWait = 2ms;
    timing.headerAckWait = 1ms;
    return timing;
}

} // namespace

TEST(ExchangeThread, StopAndCloseFromAnotherThreadEndALinkInProgress) {
    LinePort port(0);
    SharedReporter reporter;
    StopFlag stop;
    ExchangeEnd end = ExchangeEnd::Succeeded;
    std::thread worker([&] {
        Exchange exchange(port, {ModuleKind::Secure, Operation::Link, {}}, reporter, stop,
                          shortTiming());
        end = exchange.run();
    });
    ASSERT_TRUE(reporter.waitForEventCount(2));
    // What breaking the link does: ask for the stop, close the port, never wait.
    stop.request();
    port.close();
    worker.join();

    EXPECT_EQ(end, ExchangeEnd::Stopped);
    const auto events = reporter.events();
    EXPECT_THAT(events, Not(Contains("report 1")));
    EXPECT_THAT(events, Not(Contains("report 6")));
    EXPECT_THAT(events, Not(Contains("report 14")));
}

TEST(ExchangeThread, WorkerWaitsWhileAReportIsBeingShown) {
    LinePort port(1);
    SharedReporter reporter;
    reporter.holdInFirstReport();
    StopFlag stop;
    ExchangeEnd end = ExchangeEnd::Failed;
    std::thread worker([&] {
        Exchange exchange(port, {ModuleKind::Secure, Operation::Link, {}}, reporter, stop,
                          shortTiming());
        end = exchange.run();
    });
    ASSERT_TRUE(reporter.waitUntilHeld());
    // Held inside the LinkAttempt report: the request has not gone out yet.
    EXPECT_EQ(port.writes(), 0);
    reporter.release();
    worker.join();

    EXPECT_EQ(end, ExchangeEnd::Succeeded);
    EXPECT_THAT(reporter.events(),
                ElementsAre("report 7 attempt 1", "variant 2", "report 8", "linkUp"));
}
