// Feeds arbitrary module answers to every operation, with zero waits: whatever the
// line brings, the engine ends, reports only known codes and delivers only
// well-formed images and key codes.

#include "link/exchange.h"
#include "link/key_code.h"
#include "link/module_profile.h"
#include "link/reports.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

using namespace pemrix::link;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// The fuzzer's bytes, taken from the front.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::uint8_t take() { return empty() ? 0 : data_[pos_++]; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Every read is decided by the input: nothing, a failure, or some of the input's
// bytes as the module's answer. Writes succeed except the one the input names.
class FuzzPort : public SerialPort {
  public:
    FuzzPort(Input& input, int failingWrite, int stopAtCall, StopFlag& stop)
        : input_(input), failingWrite_(failingWrite), stopAtCall_(stopAtCall), stop_(stop) {}

    IoResult read(std::uint8_t* buffer, std::size_t count) override {
        check(count >= 1 && count <= 4);
        tick();
        if (closed_ || input_.empty())
            return closed_ ? IoResult::failure({PortErrorKind::Closed, 0, "closed"})
                           : IoResult::done(0);
        const std::uint8_t control = input_.take();
        switch (control & 3U) {
        case 0:
            return IoResult::done(0);
        case 1:
            return IoResult::failure({PortErrorKind::Gone, 5, "gone"});
        default: {
            const std::size_t n = 1 + (control >> 2) % count;
            for (std::size_t i = 0; i < n; ++i)
                buffer[i] = input_.take();
            return IoResult::done(n);
        }
        }
    }
    IoResult write(const std::uint8_t* data, std::size_t count) override {
        check(data != nullptr && count >= 1 && count <= 4);
        tick();
        if (closed_ || writes_++ == failingWrite_)
            return IoResult::failure({PortErrorKind::Gone, 5, "gone"});
        return IoResult::done(count);
    }
    void purge(Purge) override {}
    void close() override { closed_ = true; }
    bool isOpen() const override { return !closed_; }

  private:
    // Breaking the link: the stop request, then the port closed under the worker.
    void tick() {
        check(++calls_ < 2000); // every operation is bounded
        if (calls_ == stopAtCall_) {
            stop_.request();
            close();
        }
    }

    Input& input_;
    int failingWrite_;
    int stopAtCall_;
    StopFlag& stop_;
    int writes_ = 0;
    int calls_ = 0;
    bool closed_ = false;
};

class CheckingReporter : public Reporter {
  public:
    explicit CheckingReporter(const ExchangeRequest& request) : request_(request) {}

    void report(int code, int attemptNumber) override {
        check(code >= ReportCode::NoAnswer && code <= ReportCode::LineFailed);
        if (code == ReportCode::LinkAttempt) {
            check(request_.operation == Operation::Link);
            check(attemptNumber == lastAttempt_ + 1 && attemptNumber <= LinkAttempts);
            lastAttempt_ = attemptNumber;
        }
        lastReport_ = code;
    }
    void linkAnswered(ModuleKind kind) override {
        check(variantOf(*profileOf(request_.moduleKind), kind) != nullptr);
    }
    void linkUp() override {
        check(request_.operation == Operation::Link && lastReport_ == ReportCode::LinkEstablished);
        succeeded_ = true;
    }
    void enableTransferButtons() override {
        check(lastReport_ == ReportCode::WriteDone || lastReport_ == ReportCode::ReadDone);
        succeeded_ = true;
    }
    void deliverImage(const std::vector<int>& image) override {
        const std::size_t expected = request_.operation == Operation::Read       ? 64
                                     : request_.operation == Operation::ReleRead ? 66
                                                                                 : 0;
        check(expected != 0 && image.size() == expected);
        for (int value : image)
            check(value >= 0 && value <= 255);
    }
    void deliverKey(std::uint64_t keyCode, int slot) override {
        check(request_.operation == Operation::KeyId);
        check(keyCode <= KeyCodeMask && !isNoKey(keyCode) && slot == request_.data[0]);
        succeeded_ = true;
    }
    bool succeeded() const { return succeeded_; }

  private:
    const ExchangeRequest& request_;
    int lastAttempt_ = 0;
    int lastReport_ = 0;
    bool succeeded_ = false;
};

// The report routines run on the same outcomes against a window that shows nothing.
class SilentTarget : public ReportTarget {
  public:
    explicit SilentTarget(ModuleKind kind) : kind_(kind) {}
    ModuleKind moduleKind() const override { return kind_; }
    void showStatus(const std::string& text) override { check(!text.empty()); }
    void showMessage(const std::string& text) override { check(!text.empty()); }
    void setButtonEnabled(LinkButton, bool) override {}
    void applyImage(const std::vector<int>&) override {}
    std::string identifierText(int slot) const override {
        check(slot >= 1 && slot <= 8);
        return slot == 3 ? "00000000ABCD" : "";
    }
    void setIdentifierText(int slot, const std::string& text) override {
        check(slot >= 1 && slot <= 8 && parseKeyCode(text).has_value());
    }
    void setLinkPending() override {}
    void setLinkDown() override {}
    void closeWindow() override {}

  private:
    ModuleKind kind_;
};

class BothReporters : public Reporter {
  public:
    BothReporters(Reporter& first, Reporter& second) : first_(first), second_(second) {}
    void report(int code, int attempt) override {
        first_.report(code, attempt);
        second_.report(code, attempt);
    }
    void linkAnswered(ModuleKind kind) override {
        first_.linkAnswered(kind);
        second_.linkAnswered(kind);
    }
    void linkUp() override {
        first_.linkUp();
        second_.linkUp();
    }
    void enableTransferButtons() override {
        first_.enableTransferButtons();
        second_.enableTransferButtons();
    }
    void deliverImage(const std::vector<int>& image) override {
        first_.deliverImage(image);
        second_.deliverImage(image);
    }
    void deliverKey(std::uint64_t keyCode, int slot) override {
        first_.deliverKey(keyCode, slot);
        second_.deliverKey(keyCode, slot);
    }

  private:
    Reporter& first_;
    Reporter& second_;
};

ExchangeRequest requestFor(std::uint8_t selector, std::uint8_t detail) {
    const ModuleKind expander = (detail & 1U) ? ModuleKind::Secure : ModuleKind::FireSecure;
    std::vector<int> image(66);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<int>((i * 7 + detail) & 0xFF);
    switch (selector % 7) {
    case 0:
        return {expander, Operation::Link, {}};
    case 1:
        return {ModuleKind::Rele8, Operation::Link, {}};
    case 2:
        image.resize(64);
        return {expander, Operation::Write, image};
    case 3:
        return {expander, Operation::Read, {}};
    case 4:
        return {expander, Operation::KeyId, {1 + detail % 8}};
    case 5:
        return {ModuleKind::Rele8, Operation::ReleWrite, image};
    default:
        return {ModuleKind::Rele8, Operation::ReleRead, {}};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::uint8_t selector = input.take();
    const std::uint8_t detail = input.take();
    const std::uint8_t failingWrite = input.take(); // 255: every write succeeds
    const std::uint8_t stopAt = input.take();       // 0: nobody breaks the link

    const ExchangeRequest request = requestFor(selector, detail);
    StopFlag stop;
    FuzzPort port(input, failingWrite == 255 ? -1 : failingWrite, stopAt, stop);
    CheckingReporter checking(request);
    SilentTarget window(request.moduleKind);
    TargetReporter routines([&window]() -> ReportTarget* { return &window; });
    BothReporters reporter(checking, routines);

    Exchange exchange(port, request, reporter, stop, Timing::zero(),
                      {[] { return WaitClock::time_point{}; }, [](auto) {}});
    const ExchangeEnd end = exchange.run();
    check((end == ExchangeEnd::Succeeded) == checking.succeeded());
    return 0;
}
