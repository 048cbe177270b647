// The worker thread end to end: TComThread runs each operation against an emulated
// module on a real pseudo-terminal, and every outcome reaches the window on the
// user-interface thread, in order, while that thread runs its event loop.

#include "link/module_profile.h"
#include "tests/support/com_thread_rig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace pemrix::link;
using namespace pemrix::link::testing;
using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Runs one exchange from start to end against the module.
std::optional<ExchangeEnd> exchange(const Emulator& module, ExchangeRequest request,
                                    RecordingTarget& target) {
    WorkerRun run(openPort(module), std::move(request), target);
    run.start();
    EXPECT_TRUE(run.waitForEnd()) << "the worker did not end";
    EXPECT_EQ(target.callsFromOtherThreads, 0);
    return run.outcome();
}

std::vector<std::uint8_t> patternBytes(std::size_t size, int first) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + 37 * static_cast<int>(i));
    return bytes;
}

std::vector<int> cellsOf(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(ComThreadEmulator, LinksWithEachModuleAndTellsTheWindowTheKindAnswered) {
    const struct {
        ModuleKind model;
        ModuleKind windowKind;
    } rows[] = {
        {ModuleKind::Secure, ModuleKind::Secure},
        {ModuleKind::FireSecure, ModuleKind::FireSecure},
        {ModuleKind::Rele8, ModuleKind::Rele8},
        {ModuleKind::Rele4, ModuleKind::Rele8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(pemrix::emulator::modelName(row.model)));
        auto module = startModule(row.model);
        RecordingTarget window(row.windowKind);
        EXPECT_EQ(exchange(*module, {row.windowKind, Operation::Link, {}}, window),
                  ExchangeEnd::Succeeded);

        Expected expected(row.windowKind);
        expected.attempts(1, 1).variant(row.model).report(ReportCode::LinkEstablished).linkUp();
        EXPECT_THAT(window.calls, ElementsAreArray(expected.calls()));
        EXPECT_EQ(module->stats().verdictsAccepted, 1);
    }
}

TEST(ComThreadEmulator, ReadDeliversTheModulesImageToTheWindow) {
    const struct {
        pemrix::link::ModuleKind model;
        ModuleKind windowKind;
        Operation operation;
        std::size_t imageSize;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, ModuleKind::Secure, Operation::Read, 64},
        {pemrix::link::ModuleKind::FireSecure, ModuleKind::FireSecure, Operation::Read, 64},
        {pemrix::link::ModuleKind::Rele8, ModuleKind::Rele8, Operation::ReleRead, 66},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(pemrix::emulator::modelName(row.model)));
        const auto stored = patternBytes(row.imageSize, 200);
        auto module = startModule(row.model, {}, stored);
        RecordingTarget window(row.windowKind);
        EXPECT_EQ(exchange(*module, {row.windowKind, row.operation, {}}, window),
                  ExchangeEnd::Succeeded);

        const auto image = cellsOf(stored);
        EXPECT_THAT(window.images, ElementsAreArray({image}));
        Expected expected(row.windowKind);
        expected.image(image).report(ReportCode::ReadDone).linkUp();
        EXPECT_THAT(window.calls, ElementsAreArray(expected.calls()));
        EXPECT_EQ(module->stats().framesSent, 1);
        EXPECT_EQ(module->stats().verdictsAccepted, 1);
    }
}

TEST(ComThreadEmulator, WriteLeavesExactlyTheImageInTheModule) {
    const struct {
        pemrix::link::ModuleKind model;
        ModuleKind windowKind;
        Operation operation;
        std::size_t imageSize;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, ModuleKind::Secure, Operation::Write, 64},
        {pemrix::link::ModuleKind::FireSecure, ModuleKind::FireSecure, Operation::Write, 64},
        {pemrix::link::ModuleKind::Rele8, ModuleKind::Rele8, Operation::ReleWrite, 66},
        {pemrix::link::ModuleKind::Rele4, ModuleKind::Rele8, Operation::ReleWrite, 66},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(pemrix::emulator::modelName(row.model)));
        auto module = startModule(row.model);
        auto wanted = patternBytes(row.imageSize, 3);
        auto image = cellsOf(wanted);
        // Only the low byte of an entry goes on the line.
        image[1] = 0x100 | wanted[1];
        RecordingTarget window(row.windowKind);
        EXPECT_EQ(exchange(*module, {row.windowKind, row.operation, image}, window),
                  ExchangeEnd::Succeeded);

        EXPECT_EQ(module->image(), wanted);
        EXPECT_THAT(window.calls,
                    ElementsAreArray(
                        Expected(row.windowKind).report(ReportCode::WriteDone).linkUp().calls()));
        EXPECT_EQ(module->stats().writesStored, 1);
    }
}

TEST(ComThreadEmulator, KeyReadPutsTheTwelveDigitTextIntoTheSlot) {
    const struct {
        pemrix::link::ModuleKind model;
        ModuleKind windowKind;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, ModuleKind::Secure},
        {pemrix::link::ModuleKind::FireSecure, ModuleKind::FireSecure},
    };
    constexpr std::uint64_t key = 0x00000000ABCDull;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(pemrix::emulator::modelName(row.model)));
        auto module = startModule(row.model, {}, {}, key);
        RecordingTarget window(row.windowKind);
        EXPECT_EQ(exchange(*module, {row.windowKind, Operation::KeyId, {5}}, window),
                  ExchangeEnd::Succeeded);

        EXPECT_EQ(window.identifiers[4], "00000000ABCD");
        EXPECT_THAT(
            window.calls,
            ElementsAreArray(
                Expected(row.windowKind).key(key, 5).report(ReportCode::KeyReadDone).calls()));
    }
}

TEST(ComThreadEmulator, EachFaultOfTheModuleEndsWithItsReports) {
    namespace R = ReportCode;
    using Stats = pemrix::emulator::ModuleStats;
    const auto M416 = pemrix::link::ModuleKind::Secure;
    const auto M427 = pemrix::link::ModuleKind::Rele8;
    const auto Secure = ModuleKind::Secure;
    const auto Rele = ModuleKind::Rele8;
    const struct {
        const char* name;
        pemrix::link::ModuleKind model;
        std::optional<Fault> fault;
        ModuleKind windowKind;
        Operation operation;
        int attempts;             // link attempts shown first
        std::vector<int> reports; // then these reports
        int Stats::*count;        // and this count of the module's, if any
        int countValue;
    } rows[] = {
        // clang-format off
        // Timing::zero(): ten silent attempts cost only the port's read time-outs.
        {"silent", M416, Fault::Silent, Secure, Operation::Link, 10, {R::NoAnswer}, nullptr, 0},
        {"wrong kind", pemrix::link::ModuleKind::FireSecure, {}, Secure, Operation::Link, 1, {R::OtherKind},
         &Stats::verdictsRejected, 1},
        {"a relay module to the Orvel-416 window", pemrix::link::ModuleKind::Rele4, {}, Secure,
         Operation::Link, 1, {R::OtherKind}, &Stats::verdictsRejected, 1},
        {"bad link CRC", M416, Fault::BadLinkCrc, Secure, Operation::Link, 1, {R::LinkCrcError},
         &Stats::verdictsRejected, 1},
        {"refused header of a read", M416, Fault::RefusedHeader, Secure, Operation::Read, 0,
         {R::CrcError}, &Stats::framesSent, 0},
        {"refused header of a relay write", M427, Fault::RefusedHeader, Rele,
         Operation::ReleWrite, 0, {R::CrcError}, &Stats::writesStored, 0},
        // The frame is refused with FF.
        {"bad frame CRC of a read", M416, Fault::BadFrameCrc, Secure, Operation::Read, 0,
         {R::CrcError}, &Stats::verdictsRejected, 1},
        {"bad frame CRC of a relay read", M427, Fault::BadFrameCrc, Rele, Operation::ReleRead,
         0, {R::CrcError}, &Stats::verdictsRejected, 1},
        {"written frame refused", M416, Fault::BadFrameCrc, Secure, Operation::Write, 0,
         {R::CrcError}, &Stats::writesRejected, 1},
        // The acknowledgement is polled directly: its absence is no time-out report.
        {"missing write acknowledgement", M416, Fault::NoWriteAck, Secure, Operation::Write, 0,
         {R::CrcError}, &Stats::writesStored, 1},
        {"missing relay write acknowledgement", M427, Fault::NoWriteAck, Rele,
         Operation::ReleWrite, 0, {R::CrcError}, &Stats::writesStored, 1},
        {"dropped byte of a read frame", M416, Fault::DroppedByte, Secure, Operation::Read, 0,
         {R::TimeOut, R::CrcError}, &Stats::verdictsRejected, 1},
        {"dropped byte of a key answer", M416, Fault::DroppedByte, Secure, Operation::KeyId, 0,
         {R::TimeOut, R::CrcError}, nullptr, 0},
        {"no key", M416, Fault::NoKey, Secure, Operation::KeyId, 0, {R::NoKey}, nullptr, 0},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto module =
            startModule(row.model, row.fault ? std::vector{*row.fault} : std::vector<Fault>{});
        std::vector<int> data;
        if (row.operation == Operation::Write || row.operation == Operation::ReleWrite)
            data = cellsOf(patternBytes(row.windowKind == Rele ? 66 : 64, 9));
        if (row.operation == Operation::KeyId)
            data = {2};
        const auto before = module->image();
        RecordingTarget window(row.windowKind);
        EXPECT_EQ(exchange(*module, {row.windowKind, row.operation, data}, window),
                  ExchangeEnd::Failed);

        Expected expected(row.windowKind);
        expected.attempts(1, row.attempts);
        // A link answer of the right kind reaches the window before its checksum fails.
        if (row.reports.front() == R::LinkCrcError)
            expected.variant(row.model);
        for (int code : row.reports)
            expected.report(code);
        EXPECT_THAT(window.calls, ElementsAreArray(expected.calls()));
        EXPECT_TRUE(window.images.empty()) << "no image from a failed read";
        if (row.count != nullptr) {
            EXPECT_EQ(module->stats().*row.count, row.countValue);
        }
        if (row.operation != Operation::Write && row.operation != Operation::ReleWrite) {
            EXPECT_EQ(module->image(), before);
        }
    }
}

TEST(ComThreadEmulator, AModuleThatAnswersLateIsLinkedOnThatAttempt) {
    EmulatorConfig config;
    config.faults.set(Fault::AnswerOnAttempt, 3);
    Emulator module(config);
    module.start();
    RecordingTarget window(ModuleKind::Secure);
    EXPECT_EQ(exchange(module, {ModuleKind::Secure, Operation::Link, {}}, window),
              ExchangeEnd::Succeeded);
    EXPECT_THAT(window.calls, ElementsAreArray(Expected(ModuleKind::Secure)
                                                   .attempts(1, 3)
                                                   .variant(ModuleKind::Secure)
                                                   .report(ReportCode::LinkEstablished)
                                                   .linkUp()
                                                   .calls()));
}

TEST(ComThreadEmulator, AStopBeforeTheStartEndsTheLinkWithReport13) {
    auto module = startModule(pemrix::link::ModuleKind::Secure);
    RecordingTarget window(ModuleKind::Secure);
    WorkerRun run(openPort(*module), {ModuleKind::Secure, Operation::Link, {}}, window);
    run.worker().requestStop();
    run.start();
    ASSERT_TRUE(run.waitForEnd());
    EXPECT_EQ(run.outcome(), ExchangeEnd::Stopped);
    EXPECT_THAT(
        window.calls,
        ElementsAreArray(Expected(ModuleKind::Secure).report(ReportCode::LinkStopped).calls()));
    EXPECT_EQ(module->stats().bytesReceived, 0u);
}

TEST(ComThreadEmulator, StopAndCloseUnderASilentLinkEndTheWorkerQuietly) {
    auto module = startModule(pemrix::link::ModuleKind::Secure, {Fault::Silent});
    RecordingTarget window(ModuleKind::Secure);
    WorkerRun run(openPort(*module), {ModuleKind::Secure, Operation::Link, {}}, window);
    run.start();
    // The second attempt has been shown: the worker now either is about to write its
    // request or waits in a read for an echo that never comes.
    ASSERT_TRUE(runEventsUntil([&] { return window.calls.size() >= 2; }, NoHangLimit));
    // What breaking the link does: ask for the stop, close the port, never wait.
    run.worker().requestStop();
    run.port().close();
    ASSERT_TRUE(run.waitForEnd());

    EXPECT_EQ(run.outcome(), ExchangeEnd::Stopped);
    // A stop seen before the request went out is reported; one that finds the port
    // closed under a read ends the worker without a word.
    Expected stoppedInRead(ModuleKind::Secure);
    stoppedInRead.attempts(1, 2);
    Expected stoppedBeforeRequest(ModuleKind::Secure);
    stoppedBeforeRequest.attempts(1, 2).report(ReportCode::LinkStopped);
    EXPECT_THAT(window.calls, AnyOf(ElementsAreArray(stoppedInRead.calls()),
                                    ElementsAreArray(stoppedBeforeRequest.calls())));
    EXPECT_EQ(TComThread::liveCount(), 0);
}

TEST(ComThreadEmulator, AnAdapterPulledDuringAReadEndsItAtOnceWithTheLayoutOfNoLink) {
    EmulatorConfig config;
    // The link takes five bytes (request and verdict); the read's last header byte
    // arrives as the adapter is pulled, so its echo never comes.
    config.faults.set(Fault::Unplug, 9);
    Emulator module(config);
    module.start();
    RecordingTarget linking(ModuleKind::Secure);
    ASSERT_EQ(exchange(module, {ModuleKind::Secure, Operation::Link, {}}, linking),
              ExchangeEnd::Succeeded);

    RecordingTarget window(ModuleKind::Secure);
    EXPECT_EQ(exchange(module, {ModuleKind::Secure, Operation::Read, {}}, window),
              ExchangeEnd::LineFailed);
    EXPECT_THAT(window.calls,
                ElementsAre("status Нет связи с расширителем: чтение не выполнено — устройство "
                            "отключено",
                            "down", "line lost устройство отключено"));
    EXPECT_EQ(module.stats().bytesReceived, 8U);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
