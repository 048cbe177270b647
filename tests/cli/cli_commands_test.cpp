// The commands run in-process, where the line can be made to fail under them.

#include "cli/commands.h"
#include "emulator/emulator.h"
#include "link/module_profile.h"
#include "link/reporter.h"
#include "tests/cli/in_process_run.h"
#include "tests/cli/report_texts.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace pemrix::cli;
using namespace pemrix::emulator;
using pemrix::cli::testing::InProcessRun;
using pemrix::cli::testing::reportText;
using pemrix::cli::testing::runInProcess;
namespace plink = pemrix::link;
namespace R = pemrix::link::ReportCode;

namespace {

// The real port to the emulator, whose writes start failing after a number of them,
// as when the adapter is pulled in the middle of an exchange.
class PortFailingAfter : public plink::SystemSerialPort {
  public:
    PortFailingAfter(std::unique_ptr<plink::SystemSerialPort> port, int goodWrites)
        : port_(std::move(port)), goodWrites_(goodWrites) {}

    plink::IoResult read(std::uint8_t* buffer, std::size_t count) override {
        return port_->read(buffer, count);
    }
    plink::IoResult write(const std::uint8_t* data, std::size_t count) override {
        if (goodWrites_-- > 0)
            return port_->write(data, count);
        return plink::IoResult::failure({plink::PortErrorKind::Gone, EIO, "устройство отключено"});
    }
    void purge(plink::Purge what) override { port_->purge(what); }
    void close() override { port_->close(); }
    bool isOpen() const override { return port_->isOpen(); }
    std::optional<plink::PortError> openError() const override { return port_->openError(); }

  private:
    std::unique_ptr<plink::SystemSerialPort> port_;
    int goodWrites_;
};

ModuleConfig configOf(pemrix::link::ModuleKind model) {
    ModuleConfig config;
    config.model = model;
    return config;
}

} // namespace

TEST(CliCommands, AWriteToTheLineThatFailsEndsWithExitCodeSixAndTheReason) {
    Emulator module(configOf(pemrix::link::ModuleKind::Secure));
    module.start();
    // The link takes two writes (the request and the verdict); the read's header fails.
    const PortOpener failingAfterLink = [](const std::string& device,
                                           const plink::OpenOptions& options) {
        return std::make_unique<PortFailingAfter>(plink::SystemSerialPort::open(device, options),
                                                  2);
    };
    const plink::StopFlag stop;
    const InProcessRun run =
        runInProcess({"--device", module.devicePath(), "read", "--module", "416", "--fast-timing"},
                     stop, failingAfterLink);
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_EQ(run.out, "");
    const auto kind = plink::ModuleKind::Secure;
    EXPECT_EQ(run.err, reportText(kind, R::LinkAttempt, 1) + reportText(kind, R::LinkEstablished) +
                           "Нет связи с расширителем: чтение не выполнено — устройство "
                           "отключено\n");
}

TEST(CliCommands, AStopBeforeTheLinkSendsNothing) {
    Emulator module(configOf(pemrix::link::ModuleKind::Rele8));
    module.start();
    plink::StopFlag stop;
    stop.request();
    const InProcessRun run = runInProcess(
        {"--device", module.devicePath(), "link", "--module", "relay", "--fast-timing"}, stop);
    EXPECT_EQ(run.exitCode, 130);
    EXPECT_EQ(run.err, reportText(plink::ModuleKind::Rele8, R::LinkStopped));
    EXPECT_EQ(module.stats().bytesReceived, 0U);
}
