#include "link/module_profile.h"
#include "tests/link/exchange_rig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using namespace pemrix::link;
using namespace pemrix::link::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// The header bytes one by one, each followed by its echo read, then the wait and
// the acknowledgement read.
std::vector<std::string> headerTrace(std::initializer_list<int> header, int acknowledgement) {
    std::vector<std::string> trace;
    for (int byte : header) {
        trace.push_back("W " + hexBytes({byte}));
        trace.push_back("R1 " + hexBytes({byte}));
    }
    trace.push_back("wait 1000");
    trace.push_back("R1 " + hexBytes({acknowledgement}));
    return trace;
}

std::vector<std::uint8_t> concatBytes(std::vector<std::uint8_t> a,
                                      const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ExchangeHeader, WorkedHeadersGoOutByteByByte) {
    // The module refuses each header, so the trace ends right after it.
    const struct {
        ModuleKind kind;
        Operation operation;
        std::initializer_list<int> header;
        std::vector<int> data;
    } rows[] = {
        {ModuleKind::Secure, Operation::Write, {0x55, 0x55, 0x01, 0x98}, countingImage(64)},
        {ModuleKind::FireSecure, Operation::Read, {0x55, 0x55, 0x02, 0x7A}, {}},
        {ModuleKind::Secure, Operation::KeyId, {0x55, 0x55, 0x03, 0x24}, {1}},
        {ModuleKind::Rele8, Operation::ReleWrite, {0x55, 0x55, 0x51, 0x43}, countingImage(66)},
        {ModuleKind::Rele8, Operation::ReleRead, {0x55, 0x55, 0x52, 0xA1}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(operationValue(row.operation));
        ExchangeRig rig;
        headerAnswered(rig.port, 0x01);
        EXPECT_EQ(rig.run(row.kind, row.operation, row.data), ExchangeEnd::Failed);
        EXPECT_THAT(rig.port.trace(), ElementsAreArray(headerTrace(row.header, 0x01)));
        EXPECT_THAT(rig.reporter.events, ElementsAre("report 4"));
    }
}

TEST(ExchangeHeader, MissingAcknowledgementIsATimeOutThenARefusal) {
    ExchangeRig rig;
    rig.port.echo(4).nothing();
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Read), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 6", "report 4"));
}

TEST(ExchangeHeader, MissingEchoIsReportedAndTheHeaderGoesOn) {
    ExchangeRig rig;
    rig.port.echo().nothing().echo(2).serve({0x01});
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Read), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 6", "report 4"));
    EXPECT_EQ(rig.port.written(), bytesOf({0x55, 0x55, 0x02, 0x7A}));
}

TEST(ExchangeWrite, ExpanderImageFrameAndAcknowledgement) {
    ExchangeRig rig;
    auto image = countingImage(64);
    image[0] = 0x1FF; // only the low byte travels
    image[1] = -1;
    headerAnswered(rig.port);
    rig.port.echo(67).serve({0x00});
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Write, image), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 10", "buttons"));
    const auto frame = imageFrame(image);
    ASSERT_EQ(frame.size(), 67U);
    EXPECT_EQ(frame[2], 0xFF);
    EXPECT_EQ(frame[3], 0xFF);
    EXPECT_EQ(rig.port.written(), concatBytes(bytesOf({0x55, 0x55, 0x01, 0x98}), frame));
    // Every byte its own write, each followed by its echo read; no pacing.
    EXPECT_EQ(rig.port.writeCalls(), 4U + 67U);
    const auto& trace = rig.port.trace();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "wait 10"), 0);
    EXPECT_EQ(trace.back(), "R1 00");
}

TEST(ExchangeWrite, ExpanderAcknowledgementMissingOrRefused) {
    const struct {
        const char* name;
        bool arrives;
        std::uint8_t byte;
    } rows[] = {{"missing: no time-out report", false, 0}, {"01", true, 0x01}, {"FF", true, 0xFF}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        headerAnswered(rig.port);
        rig.port.echo(67);
        if (row.arrives)
            rig.port.serve({row.byte});
        EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::Write, countingImage(64)),
                  ExchangeEnd::Failed);
        EXPECT_THAT(rig.reporter.events, ElementsAre("report 4"));
        EXPECT_EQ(rig.port.readCalls(), 4U + 1U + 67U + 1U); // one acknowledgement read
    }
}

TEST(ExchangeWrite, RelayFrameIsPacedAroundEveryByte) {
    ExchangeRig rig;
    const auto image = countingImage(66);
    headerAnswered(rig.port);
    rig.port.echo(69).serve({0x00});
    EXPECT_EQ(rig.run(ModuleKind::Rele8, Operation::ReleWrite, image), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 10", "buttons"));
    const auto frame = imageFrame(image);
    ASSERT_EQ(frame.size(), 69U);
    EXPECT_EQ(rig.port.written(), concatBytes(bytesOf({0x55, 0x55, 0x51, 0x43}), frame));

    const auto& trace = rig.port.trace();
    const std::size_t frameStart = headerTrace({0x55, 0x55, 0x51, 0x43}, 0).size();
    ASSERT_EQ(trace.size(), frameStart + 69 * 4 + 1);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string byte = hexBytes(std::span(&frame[i], 1));
        EXPECT_EQ(trace[frameStart + i * 4 + 0], "W " + byte);
        EXPECT_EQ(trace[frameStart + i * 4 + 1], "wait 10");
        EXPECT_EQ(trace[frameStart + i * 4 + 2], "R1 " + byte);
        EXPECT_EQ(trace[frameStart + i * 4 + 3], "wait 10");
    }
    EXPECT_EQ(trace.back(), "R1 00");
}

TEST(ExchangeWaits, ASleepThatEndsLateIsMadeUpByTheNextWait) {
    // The relay write: the header wait, then two 10 ms pauses around each of the 69
    // frame bytes. The exchange ends on the clock where its waits and reads add up
    // to, plus the last sleep's lateness only.
    using namespace std::chrono_literals;
    const struct {
        const char* name;
        WaitClock::duration late;
        WaitClock::duration readTakes;
        const char* pause;
        WaitClock::duration over; // the end beyond the waits and reads
    } rows[] = {
        {"every sleep 3 ms late", 3ms, 0ms, "wait 7", 3ms},
        {"reads take time, which no wait makes up", 3ms, 2ms, "wait 7", 3ms},
        {"8 ms late: at most half a wait is made up", 8ms, 0ms, "wait 5", 8ms + 138 * 3ms},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        rig.port.oversleep(row.late);
        rig.port.readTakes(row.readTakes);
        headerAnswered(rig.port);
        rig.port.echo(69).serve({0x00});
        EXPECT_EQ(rig.run(ModuleKind::Rele8, Operation::ReleWrite, countingImage(66)),
                  ExchangeEnd::Succeeded);
        const auto& trace = rig.port.trace();
        EXPECT_EQ(std::count(trace.begin(), trace.end(), "wait 1000"), 1);
        EXPECT_EQ(std::count(trace.begin(), trace.end(), row.pause), 138);
        const auto reads = static_cast<int>(rig.port.readCalls()) * row.readTakes;
        EXPECT_EQ(rig.port.clock().time_since_epoch(), 1000ms + 138 * 10ms + reads + row.over);
    }
}

TEST(ExchangeWrite, RelayAcknowledgementIsPolledUpToTenTimes) {
    const struct {
        const char* name;
        std::vector<int> replies; // -1: nothing arrives
        std::vector<std::string> tail;
        ExchangeEnd end;
    } rows[] = {
        {"00 at once", {0x00}, {"R1 00"}, ExchangeEnd::Succeeded},
        {"silent twice, 01, then 00",
         {-1, -1, 0x01, 0x00},
         {"R1 -", "wait 1", "R1 -", "wait 1", "R1 01", "wait 1", "R1 00"},
         ExchangeEnd::Succeeded},
        {"00 on the tenth poll",
         {-1, -1, -1, -1, -1, -1, -1, -1, -1, 0x00},
         {"R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1",
          "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 00"},
         ExchangeEnd::Succeeded},
        {"never",
         {},
         {"R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1",
          "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1", "R1 -", "wait 1"},
         ExchangeEnd::Failed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        headerAnswered(rig.port);
        rig.port.echo(69);
        for (int reply : row.replies) {
            if (reply < 0)
                rig.port.nothing();
            else
                rig.port.serve({static_cast<std::uint8_t>(reply)});
        }
        EXPECT_EQ(rig.run(ModuleKind::Rele8, Operation::ReleWrite, countingImage(66)), row.end);
        const auto& trace = rig.port.trace();
        ASSERT_GE(trace.size(), row.tail.size());
        EXPECT_THAT(
            std::vector<std::string>(trace.end() - static_cast<long>(row.tail.size()), trace.end()),
            ElementsAreArray(row.tail));
        const std::vector<std::string> events =
            row.end == ExchangeEnd::Succeeded ? std::vector<std::string>{"report 10", "buttons"}
                                              : std::vector<std::string>{"report 4"};
        EXPECT_EQ(rig.reporter.events, events);
    }
}

TEST(ExchangeRead, ImageIsDeliveredAfterTheVerdict) {
    const struct {
        ModuleKind kind;
        Operation operation;
        int imageSize;
        std::initializer_list<int> header;
    } rows[] = {
        {ModuleKind::Secure, Operation::Read, 64, {0x55, 0x55, 0x02, 0x7A}},
        {ModuleKind::Rele8, Operation::ReleRead, 66, {0x55, 0x55, 0x52, 0xA1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(operationValue(row.operation));
        ExchangeRig rig;
        const auto image = countingImage(row.imageSize);
        auto frame = imageFrame(image);
        frame[0] = 0x00; // the two leading bytes are not examined
        frame[1] = 0x13;
        frame.back() = crc8(std::span(frame).first(frame.size() - 1));
        headerAnswered(rig.port);
        rig.port.serveEach(frame).echo();
        EXPECT_EQ(rig.run(row.kind, row.operation), ExchangeEnd::Succeeded);
        EXPECT_THAT(rig.reporter.events,
                    ElementsAre("image " + std::to_string(row.imageSize), "report 11", "buttons"));
        ASSERT_EQ(rig.reporter.images.size(), 1U);
        EXPECT_EQ(rig.reporter.images[0], image);
        // 67 or 69 one-byte reads, then the verdict 00 and its echo.
        const auto& trace = rig.port.trace();
        EXPECT_EQ(rig.port.readCalls(), 4U + 1U + frame.size() + 1U);
        EXPECT_EQ(trace[trace.size() - 2], "W 00");
        EXPECT_EQ(rig.port.written(), concatBytes(bytesOf(row.header), {0x00}));
    }
}

TEST(ExchangeRead, AllByteValuesComeThroughUnsigned) {
    ExchangeRig rig;
    std::vector<int> image;
    for (int i = 0; i < 64; ++i)
        image.push_back(255 - i);
    headerAnswered(rig.port);
    rig.port.serveEach(imageFrame(image)).echo();
    EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::Read), ExchangeEnd::Succeeded);
    ASSERT_EQ(rig.reporter.images.size(), 1U);
    EXPECT_EQ(rig.reporter.images[0], image);
}

TEST(ExchangeRead, StopDuringTheFrameEndsAfterAllBytesWithoutVerdict) {
    ExchangeRig rig;
    const auto frame = imageFrame(countingImage(64));
    headerAnswered(rig.port);
    rig.port.serveEach(std::span(frame).first(10)).then(rig.stopAction());
    rig.port.serveEach(std::span(frame).subspan(10));
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Read), ExchangeEnd::Stopped);
    EXPECT_TRUE(rig.reporter.events.empty());
    EXPECT_EQ(rig.port.unserved(), 0U);
    EXPECT_EQ(rig.port.written(), bytesOf({0x55, 0x55, 0x02, 0x7A}));
}

TEST(ExchangeKey, KeyCodeIsBytesSevenToTwoMostSignificantFirst) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.serveEach(withCrc(bytesOf({0x00, 0x01, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06})));
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::KeyId, {5}), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events, ElementsAre("key 060504030201 slot 5", "report 12"));
    // No verdict follows a key answer.
    EXPECT_EQ(rig.port.written(), bytesOf({0x55, 0x55, 0x03, 0x24}));
    EXPECT_EQ(rig.port.readCalls(), 4U + 1U + 9U);
}

TEST(ExchangeKey, FfFirstMeansNoKeyAndNothingMoreIsRead) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.serve({0xFF}).serveEach(bytesOf({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::KeyId, {8}), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 5"));
    EXPECT_EQ(rig.port.unserved(), 8U);
}

TEST(ExchangeKey, StopDuringDeliverySkipsReport12) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.serveEach(withCrc(bytesOf({0x00, 0x01, 0xCD, 0xAB, 0, 0, 0, 0})));
    rig.reporter.onEvent = [&](const std::string& event) {
        if (event.rfind("key ", 0) == 0)
            rig.stop.request();
    };
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::KeyId, {3}), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events, ElementsAre("key 00000000ABCD slot 3"));
}

TEST(ExchangeRequestCheck, BadRequestsAreRefusedBeforeAnyByteMoves) {
    const struct {
        const char* name;
        ExchangeRequest request;
    } rows[] = {
        {"unknown kind", {static_cast<ModuleKind>(3), Operation::Link, {}}},
        {"kind 6 is only an answer", {ModuleKind::Rele4, Operation::Link, {}}},
        {"unknown operation", {ModuleKind::Secure, static_cast<Operation>(4), {}}},
        {"relay operation for an expander", {ModuleKind::Secure, Operation::ReleRead, {}}},
        {"expander operation for the relay", {ModuleKind::Rele8, Operation::Read, {}}},
        {"short image", {ModuleKind::Secure, Operation::Write, std::vector<int>(63)}},
        {"relay image of 64", {ModuleKind::Rele8, Operation::ReleWrite, std::vector<int>(64)}},
        {"no slot", {ModuleKind::Secure, Operation::KeyId, {}}},
        {"slot 0", {ModuleKind::Secure, Operation::KeyId, {0}}},
        {"slot 9", {ModuleKind::FireSecure, Operation::KeyId, {9}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(checkExchangeRequest(row.request).has_value());
        ScriptedPort port;
        RecordingReporter reporter;
        StopFlag stop;
        EXPECT_THROW(Exchange(port, row.request, reporter, stop, Timing::zero(), port.sleeper()),
                     std::invalid_argument);
        EXPECT_TRUE(port.trace().empty());
    }
}

TEST(ExchangeRequestCheck, AnExchangeRunsOnce) {
    ExchangeRig rig;
    rig.stop.request();
    Exchange exchange(rig.port, {ModuleKind::Secure, Operation::Read, {}}, rig.reporter, rig.stop);
    EXPECT_EQ(exchange.run(), ExchangeEnd::Stopped);
    EXPECT_THROW(exchange.run(), std::logic_error);
}

TEST(ExchangePurges, WorkerStartAndEnd) {
    ScriptedPort port;
    purgeOnWorkerStart(port);
    purgeOnWorkerEnd(port);
    EXPECT_THAT(port.trace(), ElementsAre("purge RxAbort", "purge TxAbort", "purge RxClear",
                                          "purge TxClear", "purge RxClear", "purge TxClear"));
}
