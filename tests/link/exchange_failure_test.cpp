// Every way an exchange can end early: what is reported, what is sent afterwards,
// and how the exchange ends.

#include "link/frames.h"
#include "link/module_profile.h"
#include "tests/link/exchange_rig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace pemrix::link;
using namespace pemrix::link::testing;
using ::testing::ElementsAreArray;

namespace {

struct FailureRow {
    const char* name;
    ModuleKind kind;
    Operation operation;
    std::vector<int> data;
    std::function<void(ExchangeRig&)> script;
    std::vector<std::string> events;
    // The last entries of the port's trace: what was sent (and read) at the end.
    std::vector<std::string> traceTail;
    ExchangeEnd end;
};

void silentLink(ExchangeRig& rig, int attempts) {
    for (int n = 0; n < attempts; ++n)
        attemptWithoutAnswer(rig.port);
}

std::vector<std::string> attempts(int count, std::vector<std::string> after) {
    std::vector<std::string> events;
    for (int n = 1; n <= count; ++n)
        events.push_back("report 7 attempt " + std::to_string(n));
    events.insert(events.end(), after.begin(), after.end());
    return events;
}

// A frame that checks out, and one whose byte `missing` will not arrive although an
// FF in its place would satisfy the CRC.
std::vector<std::uint8_t> frameWithFfAt(std::size_t imageSize, std::size_t missing) {
    auto image = countingImage(static_cast<int>(imageSize));
    image[missing - 2] = 0xFF;
    return imageFrame(image);
}

void serveFrameMissing(ExchangeRig& rig, const std::vector<std::uint8_t>& frame,
                       std::size_t missing) {
    rig.port.serveEach(std::span(frame).first(missing));
    rig.port.nothing();
    rig.port.serveEach(std::span(frame).subspan(missing + 1));
}

const auto badKey = [] {
    auto answer = withCrc(bytesOf({0x00, 0x01, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));
    answer[8] ^= 0x01;
    return answer;
}();

std::vector<FailureRow> failureRows() {
    const auto image64 = countingImage(64);
    const auto image66 = countingImage(66);
    const auto frame64 = imageFrame(image64);
    const auto frame66 = imageFrame(image66);
    return {
        {"stop before the link starts",
         ModuleKind::Secure,
         Operation::Link,
         {},
         [](ExchangeRig& rig) { rig.stop.request(); },
         {"report 13"},
         {},
         ExchangeEnd::Stopped},
        {"stop inside the loop before the request",
         ModuleKind::FireSecure,
         Operation::Link,
         {},
         [](ExchangeRig& rig) {
             silentLink(rig, 1);
             rig.port.onWait([&rig](auto) { rig.stop.request(); });
         },
         attempts(2, {"report 13"}),
         {"wait 2000", "R4 -"},
         ExchangeEnd::Stopped},
        {"no answer after ten attempts",
         ModuleKind::Rele8,
         Operation::Link,
         {},
         [](ExchangeRig& rig) { silentLink(rig, 10); },
         attempts(10, {"report 1"}),
         {"R4 -", "W FF"},
         ExchangeEnd::Failed},
        {"link answer of another kind",
         ModuleKind::FireSecure,
         Operation::Link,
         {},
         [](ExchangeRig& rig) {
             attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x02, 0x7A}));
             rig.port.echo();
         },
         attempts(1, {"report 2"}),
         {"W FF", "R1 FF"},
         ExchangeEnd::Failed},
        {"link answer CRC wrong",
         ModuleKind::Rele8,
         Operation::Link,
         {},
         [](ExchangeRig& rig) {
             attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x05, 0xF8}));
             rig.port.echo();
         },
         attempts(1, {"variant 5", "report 3"}),
         {"W FF", "R1 FF"},
         ExchangeEnd::Failed},
        {"a missing echo: FF stands in, the write goes on",
         ModuleKind::Secure,
         Operation::Write,
         image64,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.echo(30).nothing().echo(36).serve({0x00});
         },
         {"report 6", "report 10", "buttons"},
         {"R1 00"},
         ExchangeEnd::Succeeded},
        {"header acknowledgement not 00",
         ModuleKind::FireSecure,
         Operation::Read,
         {},
         [](ExchangeRig& rig) { headerAnswered(rig.port, 0x80); },
         {"report 4"},
         {"wait 1000", "R1 80"},
         ExchangeEnd::Failed},
        {"configuration frame CRC wrong",
         ModuleKind::Secure,
         Operation::Read,
         {},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             auto frame = imageFrame(countingImage(64));
             frame.back() ^= 0x01;
             rig.port.serveEach(frame).echo();
         },
         {"report 4"},
         {"W FF", "R1 FF"},
         ExchangeEnd::Failed},
        {"relay configuration frame CRC wrong",
         ModuleKind::Rele8,
         Operation::ReleRead,
         {},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             auto frame = imageFrame(countingImage(66));
             frame[40] ^= 0x10;
             rig.port.serveEach(frame).echo();
         },
         {"report 4"},
         {"W FF", "R1 FF"},
         ExchangeEnd::Failed},
        {"write acknowledgement missing",
         ModuleKind::Secure,
         Operation::Write,
         image64,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.echo(67);
         },
         {"report 4"},
         {"R1 -"},
         ExchangeEnd::Failed},
        {"relay write acknowledgement not 00",
         ModuleKind::Rele8,
         Operation::ReleWrite,
         image66,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.echo(69);
             for (int i = 0; i < 10; ++i)
                 rig.port.serve({0x01});
         },
         {"report 4"},
         {"R1 01", "wait 1"},
         ExchangeEnd::Failed},
        {"key answer starts with FF",
         ModuleKind::Secure,
         Operation::KeyId,
         {4},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.serve({0xFF});
         },
         {"report 5"},
         {"wait 1000", "R1 00", "R1 FF"},
         ExchangeEnd::Failed},
        {"key answer CRC wrong",
         ModuleKind::FireSecure,
         Operation::KeyId,
         {4},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.serveEach(badKey);
         },
         {"report 4"},
         {"R1 66", "R1 " + hexBytes(std::span(badKey).last(1))},
         ExchangeEnd::Failed},
        {"first header byte cannot be written",
         ModuleKind::Secure,
         Operation::Read,
         {},
         [](ExchangeRig& rig) { rig.port.failWrite(0); },
         {"line failed 2: gone"},
         {"W 55 fails"},
         ExchangeEnd::LineFailed},
        {"a frame byte cannot be written",
         ModuleKind::FireSecure,
         Operation::Write,
         image64,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.echo(20);
             rig.port.failWritesFrom(4 + 20);
         },
         {"line failed 1: gone"},
         {"W " + hexBytes({image64[18]}) + " fails"},
         ExchangeEnd::LineFailed},
        {"the last relay frame byte cannot be written",
         ModuleKind::Rele8,
         Operation::ReleWrite,
         image66,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.echo(68);
             rig.port.failWrite(4 + 68);
         },
         {"line failed 81: gone"},
         {"R1 " + hexBytes({image66[65]}), "wait 10",
          "W " + hexBytes(std::span(frame66).last(1)) + " fails"},
         ExchangeEnd::LineFailed},
        {"a write failing after a stop request is the stop's doing",
         ModuleKind::Secure,
         Operation::Read,
         {},
         [](ExchangeRig& rig) {
             rig.port.echo().then([&rig] {
                 rig.stop.request();
                 rig.port.close();
             });
         },
         {},
         {"W 55 fails"},
         ExchangeEnd::Stopped},
        {"stop before the header",
         ModuleKind::Secure,
         Operation::Write,
         image64,
         [](ExchangeRig& rig) { rig.stop.request(); },
         {},
         {},
         ExchangeEnd::Stopped},
        {"stop while the header goes out",
         ModuleKind::Rele8,
         Operation::ReleRead,
         {},
         [](ExchangeRig& rig) { rig.port.echo(3).echo().then(rig.stopAction()); },
         {},
         {"W A1", "R1 A1"},
         ExchangeEnd::Stopped},
        {"stop during the acknowledgement wait",
         ModuleKind::Secure,
         Operation::Write,
         image64,
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.onWait([&rig](auto) { rig.stop.request(); });
         },
         {},
         {"wait 1000", "R1 00"},
         ExchangeEnd::Stopped},
        {"stop during the frame of a read",
         ModuleKind::Secure,
         Operation::Read,
         {},
         [frame64](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.serveEach(std::span(frame64).first(60)).then(rig.stopAction());
             rig.port.serveEach(std::span(frame64).subspan(60));
         },
         {},
         {"R1 " + hexBytes(std::span(frame64).last(1))},
         ExchangeEnd::Stopped},
        // Mended: a key code of all ones is what the reader gives with no key on it.
        {"key code of all ones",
         ModuleKind::Secure,
         Operation::KeyId,
         {2},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.serveEach(keyAnswer(NoKeyCode));
         },
         {"report 5"},
         {},
         ExchangeEnd::Failed},
        // Mended: a frame that lost a byte is refused even when the FF standing in
        // for it satisfies the CRC.
        {"frame with a lost byte that FF would complete",
         ModuleKind::Secure,
         Operation::Read,
         {},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             serveFrameMissing(rig, frameWithFfAt(64, 30), 30);
             rig.port.echo();
         },
         {"report 6", "report 4"},
         {"W FF", "R1 FF"},
         ExchangeEnd::Failed},
        {"key answer with a lost byte that FF would complete",
         ModuleKind::FireSecure,
         Operation::KeyId,
         {1},
         [](ExchangeRig& rig) {
             headerAnswered(rig.port);
             const auto answer = keyAnswer(0x0000FF000000ull);
             rig.port.serveEach(std::span(answer).first(5)).nothing();
             rig.port.serveEach(std::span(answer).subspan(6));
         },
         {"report 6", "report 4"},
         {},
         ExchangeEnd::Failed},
        // Mended: a device that has gone (an unplugged adapter) ends the exchange at
        // once, whichever call finds it gone, instead of ten attempts or time-outs.
        // Every one-byte read (echoes, acknowledgement, frames, key) goes one way.
        // clang-format off
        {"gone: the link request cannot be written", ModuleKind::Secure, Operation::Link, {},
         [](ExchangeRig& rig) { rig.port.failWrite(0); },
         attempts(1, {"line failed 0: gone"}), {"W 55 55 AA AA fails"}, ExchangeEnd::LineFailed},
        {"gone: the echo of the link request", ModuleKind::FireSecure, Operation::Link, {},
         [](ExchangeRig& rig) { rig.port.fail(); },
         attempts(1, {"line failed 0: gone"}), {"W 55 55 AA AA", "R4 fails"}, ExchangeEnd::LineFailed},
        {"gone: the link answer of attempt 3", ModuleKind::Rele8, Operation::Link, {},
         [](ExchangeRig& rig) { silentLink(rig, 2); rig.port.echo().fail(); },
         attempts(3, {"line failed 0: gone"}), {"wait 2000", "R4 fails"}, ExchangeEnd::LineFailed},
        {"gone: in the frame of a read", ModuleKind::Secure, Operation::Read, {},
         [frame64](ExchangeRig& rig) {
             headerAnswered(rig.port);
             rig.port.serveEach(std::span(frame64).first(30)).fail();
         },
         {"line failed 2: gone"}, {"R1 fails"}, ExchangeEnd::LineFailed},
        {"gone: the write acknowledgement", ModuleKind::Secure, Operation::Write, image64,
         [](ExchangeRig& rig) { headerAnswered(rig.port); rig.port.echo(67).fail(); },
         {"line failed 1: gone"}, {"R1 fails"}, ExchangeEnd::LineFailed},
        {"a link request that runs out of time is tried again", ModuleKind::Secure, Operation::Link, {},
         [](ExchangeRig& rig) {
             rig.port.failWrite(0, PortErrorKind::TimedOut);
             silentLink(rig, 1);
             attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x02, 0x7A}));
             rig.port.echo();
         },
         attempts(2, {"variant 2", "report 8", "linkUp"}), {"W 00", "R1 00"}, ExchangeEnd::Succeeded},
        // clang-format on
    };
}

} // namespace

TEST(ExchangeFailures, EveryRowOfTheFailureTable) {
    for (const auto& row : failureRows()) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        row.script(rig);
        EXPECT_EQ(rig.run(row.kind, row.operation, row.data), row.end);
        EXPECT_THAT(rig.reporter.events, ElementsAreArray(row.events));
        const auto& trace = rig.port.trace();
        ASSERT_GE(trace.size(), row.traceTail.size());
        EXPECT_THAT(std::vector<std::string>(trace.end() - static_cast<long>(row.traceTail.size()),
                                             trace.end()),
                    ElementsAreArray(row.traceTail));
    }
}

TEST(ExchangeFailures, KeyCodeOfAllOnesIsNeverDelivered) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.serveEach(keyAnswer(NoKeyCode, 0x00, 0x01));
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::KeyId, {2}), ExchangeEnd::Failed);
    for (const auto& event : rig.reporter.events)
        EXPECT_EQ(event.rfind("key ", 0), std::string::npos) << event;
}

TEST(ExchangeFailures, FailedWriteEndsAtOnceWithNothingMoreOnTheLine) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.failWrite(1);
    EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::KeyId, {1}), ExchangeEnd::LineFailed);
    EXPECT_EQ(rig.port.writeCalls(), 2U);
    EXPECT_EQ(rig.port.readCalls(), 1U);
}

TEST(ExchangeFailures, FailedVerdictWriteIsNotExamined) {
    ExchangeRig rig;
    headerAnswered(rig.port);
    rig.port.serveEach(imageFrame(countingImage(64))).nothing();
    rig.port.failWrite(4); // the verdict 00
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Read), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events,
                ElementsAreArray({"report 6", "image 64", "report 11", "buttons"}));
}
