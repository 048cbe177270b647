#include "link/module_profile.h"
#include "tests/link/exchange_rig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace pemrix::link;
using namespace pemrix::link::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<std::string> attemptReports(int first, int last) {
    std::vector<std::string> events;
    for (int n = first; n <= last; ++n)
        events.push_back("report 7 attempt " + std::to_string(n));
    return events;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ExchangeLink, EachKindLinksOnItsWorkedAnswer) {
    const struct {
        ModuleKind kind;
        std::vector<std::uint8_t> answer;
        std::vector<std::string> events;
    } rows[] = {
        {ModuleKind::FireSecure,
         bytesOf({0x55, 0x55, 0x01, 0x98}),
         {"report 7 attempt 1", "variant 1", "report 8", "linkUp"}},
        {ModuleKind::Secure,
         bytesOf({0x55, 0x55, 0x02, 0x7A}),
         {"report 7 attempt 1", "variant 2", "report 8", "linkUp"}},
        {ModuleKind::Rele8,
         bytesOf({0x55, 0x55, 0x05, 0xF9}),
         {"report 7 attempt 1", "variant 5", "report 8", "linkUp"}},
        {ModuleKind::Rele8,
         bytesOf({0x55, 0x55, 0x06, 0x1B}),
         {"report 7 attempt 1", "variant 6", "report 8", "linkUp"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("kind " + std::to_string(kindValue(row.kind)) + " answer " +
                     hexBytes(row.answer));
        ExchangeRig rig;
        attemptAnswered(rig.port, row.answer);
        rig.port.echo();
        EXPECT_EQ(rig.run(row.kind, Operation::Link), ExchangeEnd::Succeeded);
        EXPECT_THAT(rig.reporter.events, ElementsAreArray(row.events));
        // One write of the request, its echo in one four-byte read, the wait, the
        // answer in one read, then the verdict 00 with its echo.
        EXPECT_THAT(rig.port.trace(), ElementsAre("W 55 55 AA AA", "R4 55 55 AA AA", "wait 2000",
                                                  "R4 " + hexBytes(row.answer), "W 00", "R1 00"));
    }
}

TEST(ExchangeLink, WrongKindOrCrcIsRefusedWithFf) {
    const struct {
        const char* name;
        ModuleKind kind;
        std::vector<std::uint8_t> answer;
        std::vector<std::string> events;
    } rows[] = {
        {"Orvel-416 window, relay answers",
         ModuleKind::Secure,
         withCrc(bytesOf({0x55, 0x55, 0x05})),
         {"report 7 attempt 1", "report 2"}},
        {"Orvel-416 window, Orvel-426 answers",
         ModuleKind::Secure,
         withCrc(bytesOf({0x55, 0x55, 0x06})),
         {"report 7 attempt 1", "report 2"}},
        {"Orvel-417 window, Orvel-416 answers",
         ModuleKind::FireSecure,
         withCrc(bytesOf({0x55, 0x55, 0x02})),
         {"report 7 attempt 1", "report 2"}},
        {"relay window, Orvel-416 answers",
         ModuleKind::Rele8,
         withCrc(bytesOf({0x55, 0x55, 0x02})),
         {"report 7 attempt 1", "report 2"}},
        {"two bytes 55 55: the kind byte reads 00",
         ModuleKind::Secure,
         bytesOf({0x55, 0x55}),
         {"report 7 attempt 1", "report 2"}},
        {"one byte 55 is an answer too",
         ModuleKind::FireSecure,
         bytesOf({0x55}),
         {"report 7 attempt 1", "report 2"}},
        {"right kind, wrong CRC",
         ModuleKind::Secure,
         bytesOf({0x55, 0x55, 0x02, 0x7B}),
         {"report 7 attempt 1", "variant 2", "report 3"}},
        {"any four bytes are an answer",
         ModuleKind::Secure,
         bytesOf({0x12, 0x34, 0x02, 0x56}),
         {"report 7 attempt 1", "variant 2", "report 3"}},
        {"relay, variant set before the CRC is looked at",
         ModuleKind::Rele8,
         bytesOf({0x55, 0x55, 0x06, 0x00}),
         {"report 7 attempt 1", "variant 6", "report 3"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        attemptAnswered(rig.port, row.answer);
        rig.port.echo();
        EXPECT_EQ(rig.run(row.kind, Operation::Link), ExchangeEnd::Failed);
        EXPECT_THAT(rig.reporter.events, ElementsAreArray(row.events));
        const auto& trace = rig.port.trace();
        ASSERT_EQ(trace.size(), 6U);
        EXPECT_EQ(trace[4], "W FF");
        EXPECT_EQ(trace[5], "R1 FF"); // the verdict's echo is read
    }
}

TEST(ExchangeLink, ShortAnswerWithoutSyncByteIsNoAnswer) {
    // Three bytes, neither of the first two 55: the loop goes on to the next attempt.
    ExchangeRig rig;
    attemptAnswered(rig.port, bytesOf({0xAA, 0x00, 0x02}));
    attemptAnswered(rig.port, bytesOf({0x00, 0x55, 0x02, 0x7A}));
    rig.port.echo();
    // The second answer counts (its second byte is 55) and fails its CRC.
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events,
                ElementsAre("report 7 attempt 1", "report 7 attempt 2", "variant 2", "report 3"));
}

TEST(ExchangeLink, AnswerOnTheTenthAttemptLinks) {
    ExchangeRig rig;
    for (int n = 1; n < 10; ++n)
        attemptWithoutAnswer(rig.port);
    attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x02, 0x7A}));
    rig.port.echo();
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events, ElementsAreArray(concat(attemptReports(1, 10),
                                                             {"variant 2", "report 8", "linkUp"})));
    EXPECT_EQ(rig.port.unserved(), 0U);
}

TEST(ExchangeLink, TenSilentAttemptsReportNoAnswerAndSendFfWithoutEcho) {
    ExchangeRig rig;
    for (int n = 1; n <= 10; ++n)
        attemptWithoutAnswer(rig.port);
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events, ElementsAreArray(concat(attemptReports(1, 10), {"report 1"})));
    const auto& trace = rig.port.trace();
    ASSERT_EQ(trace.size(), 10U * 4 + 1);
    for (std::size_t n = 0; n < 10; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(trace[n * 4 + 0], "W 55 55 AA AA");
        EXPECT_EQ(trace[n * 4 + 2], "wait 2000");
        EXPECT_EQ(trace[n * 4 + 3], "R4 -");
    }
    EXPECT_EQ(trace.back(), "W FF");
}

TEST(ExchangeLink, PortThatNeverOpenedEndsInNoAnswer) {
    // Every call fails: the user hears "no answer" after ten attempts.
    ExchangeRig rig;
    rig.port.failEverything();
    EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::Link), ExchangeEnd::Failed);
    EXPECT_THAT(rig.reporter.events, ElementsAreArray(concat(attemptReports(1, 10), {"report 1"})));
}

TEST(ExchangeLink, StopRequestedBeforeStartReports13AndSendsNothing) {
    ExchangeRig rig;
    rig.stop.request();
    EXPECT_EQ(rig.run(ModuleKind::Rele8, Operation::Link), ExchangeEnd::Stopped);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 13"));
    EXPECT_TRUE(rig.port.trace().empty());
}

TEST(ExchangeLink, StopSeenBeforeTheRequestIsWritten) {
    ExchangeRig rig;
    attemptWithoutAnswer(rig.port);
    attemptWithoutAnswer(rig.port);
    rig.reporter.onEvent = [&](const std::string& event) {
        if (event == "report 7 attempt 3")
            rig.stop.request();
    };
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Stopped);
    EXPECT_THAT(rig.reporter.events, ElementsAreArray(concat(attemptReports(1, 3), {"report 13"})));
    EXPECT_EQ(rig.port.writeCalls(), 2U);
}

TEST(ExchangeLink, StopDuringEchoEndsWithoutReportOrWait) {
    ExchangeRig rig;
    rig.port.echo().then(rig.stopAction());
    EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Stopped);
    EXPECT_THAT(rig.reporter.events, ElementsAre("report 7 attempt 1"));
    EXPECT_THAT(rig.port.trace(), ElementsAre("W 55 55 AA AA", "R4 55 55 AA AA"));
}

TEST(ExchangeLink, StopDuringTheAnswerWaitTakesEffectAfterTheAnswerIsRead) {
    const struct {
        const char* name;
        int stopInAttempt;
        bool answer;
        std::vector<std::string> events;
        ExchangeEnd end;
    } rows[] = {
        {"attempt 4, no answer", 4, false, concat(attemptReports(1, 5), {"report 13"}),
         ExchangeEnd::Stopped},
        {"attempt 4, answered", 4, true,
         concat(attemptReports(1, 4), {"variant 2", "report 8", "linkUp"}), ExchangeEnd::Succeeded},
        {"attempt 10, no answer", 10, false, concat(attemptReports(1, 10), {"report 1"}),
         ExchangeEnd::Failed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        for (int n = 1; n < row.stopInAttempt; ++n)
            attemptWithoutAnswer(rig.port);
        if (row.answer) {
            attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x02, 0x7A}));
            rig.port.echo();
        } else {
            attemptWithoutAnswer(rig.port);
        }
        int waits = 0;
        rig.port.onWait([&](std::chrono::milliseconds) {
            if (++waits == row.stopInAttempt)
                rig.stop.request();
        });
        EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), row.end);
        EXPECT_THAT(rig.reporter.events, ElementsAreArray(row.events));
        EXPECT_EQ(rig.port.unserved(), 0U);
    }
}

TEST(ExchangeLink, PortClosedByTheStopEndsQuietly) {
    // Breaking the link closes the port under the waiting worker: the calls that
    // fail then are the stop's doing, not "no answer" and not a linked module.
    const struct {
        const char* name;
        bool answered;
    } rows[] = {{"closed during the wait", false}, {"closed after the answer", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        rig.port.echo();
        if (row.answered) {
            rig.port.serve(bytesOf({0x55, 0x55, 0x02, 0x7A})).then([&] {
                rig.stop.request();
                rig.port.close();
            });
        } else {
            rig.port.onWait([&](std::chrono::milliseconds) {
                rig.stop.request();
                rig.port.close();
            });
        }
        EXPECT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Stopped);
        // The answer's kind reaches the window as soon as it is read.
        std::vector<std::string> events{"report 7 attempt 1"};
        if (row.answered)
            events.push_back("variant 2");
        EXPECT_THAT(rig.reporter.events, ElementsAreArray(events));
    }
}

TEST(ExchangeLink, MissingVerdictEchoIsATimeOutButTheLinkStands) {
    ExchangeRig rig;
    attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x01, 0x98}));
    rig.port.nothing();
    EXPECT_EQ(rig.run(ModuleKind::FireSecure, Operation::Link), ExchangeEnd::Succeeded);
    EXPECT_THAT(rig.reporter.events,
                ElementsAre("report 7 attempt 1", "variant 1", "report 6", "report 8", "linkUp"));
}
