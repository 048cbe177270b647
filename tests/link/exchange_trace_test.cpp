#include "link/module_profile.h"
#include "tests/link/exchange_rig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace pemrix::link;
using namespace pemrix::link::testing;
using ::testing::ElementsAreArray;

namespace {

const char* roleName(ByteRole role) {
    static const char* const names[] = {"LinkRequest", "LinkAnswer", "ModuleKind", "Header",
                                        "FrameLead",   "FrameData",  "Checksum",   "Echo",
                                        "Ack",         "Verdict",    "KeyAnswer",  "KeyCode"};
    return names[static_cast<int>(role)];
}

const char* arrow(Direction direction) {
    return direction == Direction::ToModule ? "->" : "<-";
}

// Every event as one line: "-> 55 Header", "<- missing 4 LinkAnswer", "began 2/2".
class RecordingTrace : public ByteTrace {
  public:
    void exchangeBegan(ModuleKind kind, Operation operation) override {
        lines.push_back("began " + std::to_string(kindValue(kind)) + "/" +
                        std::to_string(operationValue(operation)));
    }
    void byte(Direction direction, std::uint8_t value, ByteRole role) override {
        lines.push_back(std::string(arrow(direction)) + " " + hexBytes({value}) + " " +
                        roleName(role));
    }
    void missing(Direction direction, ByteRole role, std::size_t count) override {
        lines.push_back(std::string(arrow(direction)) + " missing " + std::to_string(count) + " " +
                        roleName(role));
    }
    void exchangeEnded(ExchangeEnd end) override {
        lines.push_back("ended " + std::to_string(static_cast<int>(end)));
    }
    std::vector<std::string> lines;
};

struct Expected {
    std::vector<std::string> lines;

    Expected& add(const char* direction, std::uint8_t value, const char* role) {
        lines.push_back(std::string(direction) + " " + hexBytes({value}) + " " + role);
        return *this;
    }
    // A byte written, then its echo read.
    Expected& sent(std::uint8_t value, const char* role) {
        return add("->", value, role).add("<-", value, "Echo");
    }
    Expected& line(std::string text) {
        lines.push_back(std::move(text));
        return *this;
    }
};

const std::string succeeded = "ended " + std::to_string(static_cast<int>(ExchangeEnd::Succeeded));

} // namespace

TEST(ExchangeTrace, LinkShowsRequestEchoAnswerAndVerdictInOrder) {
    ExchangeRig rig;
    RecordingTrace trace;
    rig.trace = &trace;
    attemptWithoutAnswer(rig.port);
    attemptAnswered(rig.port, bytesOf({0x55, 0x55, 0x02, 0x7A}));
    rig.port.echo();
    ASSERT_EQ(rig.run(ModuleKind::Secure, Operation::Link), ExchangeEnd::Succeeded);

    Expected expected;
    const auto requestAndEcho = [&expected] {
        for (std::uint8_t byte : {0x55, 0x55, 0xAA, 0xAA})
            expected.add("->", byte, "LinkRequest");
        for (std::uint8_t byte : {0x55, 0x55, 0xAA, 0xAA})
            expected.add("<-", byte, "Echo");
    };
    expected.line("began 2/0");
    requestAndEcho();
    expected.line("<- missing 4 LinkAnswer");
    requestAndEcho();
    expected.add("<-", 0x55, "LinkAnswer")
        .add("<-", 0x55, "LinkAnswer")
        .add("<-", 0x02, "ModuleKind")
        .add("<-", 0x7A, "Checksum")
        .sent(0x00, "Verdict")
        .line(succeeded);
    EXPECT_THAT(trace.lines, ElementsAreArray(expected.lines));
}

TEST(ExchangeTrace, ReadShowsHeaderAcknowledgementFrameAndVerdictInOrder) {
    ExchangeRig rig;
    RecordingTrace trace;
    rig.trace = &trace;
    const auto image = countingImage(ExpanderImageSize);
    const auto frame = imageFrame(image);
    headerAnswered(rig.port);
    rig.port.serveEach(frame).echo();
    ASSERT_EQ(rig.run(ModuleKind::Secure, Operation::Read), ExchangeEnd::Succeeded);

    Expected expected;
    expected.line("began 2/2")
        .sent(0x55, "Header")
        .sent(0x55, "Header")
        .sent(0x02, "Header")
        .sent(0x7A, "Checksum")
        .add("<-", 0x00, "Ack");
    for (std::size_t i = 0; i < frame.size(); ++i)
        expected.add("<-", frame[i],
                     i < 2                   ? "FrameLead"
                     : i + 1 == frame.size() ? "Checksum"
                                             : "FrameData");
    expected.sent(0x00, "Verdict").line(succeeded);
    EXPECT_THAT(trace.lines, ElementsAreArray(expected.lines));
    EXPECT_EQ(trace.lines.size(), 1 + 8 + 1 + 67 + 2 + 1u);
}

TEST(ExchangeTrace, AFailedExchangeTracesItsLastBytes) {
    const struct {
        const char* name;
        std::function<void(ScriptedPort&)> script;
        Operation operation;
        std::vector<int> data;
        std::vector<std::string> tail; // the last lines before the end
    } rows[] = {
        {"the refusal after ten unanswered link requests",
         [](ScriptedPort& port) {
             for (int attempt = 0; attempt < 10; ++attempt)
                 attemptWithoutAnswer(port);
         },
         Operation::Link,
         {},
         {"<- missing 4 LinkAnswer", "-> FF Verdict"}},
        {"a header byte the line refuses",
         [](ScriptedPort& port) { port.failWrite(0); },
         Operation::Read,
         {},
         {"began 2/2", "-> missing 1 Header"}},
        {"a missing acknowledgement",
         [](ScriptedPort& port) { port.echo(4).nothing(); },
         Operation::Read,
         {},
         {"<- 7A Echo", "<- missing 1 Ack"}},
        {"a write the module does not acknowledge",
         [](ScriptedPort& port) { headerAnswered(port), port.echo(67).nothing(); },
         Operation::Write,
         countingImage(ExpanderImageSize),
         {"<- " + hexBytes({imageFrame(countingImage(ExpanderImageSize)).back()}) + " Echo",
          "<- missing 1 Ack"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExchangeRig rig;
        RecordingTrace trace;
        rig.trace = &trace;
        row.script(rig.port);
        const ExchangeEnd end = rig.run(ModuleKind::Secure, row.operation, row.data);
        ASSERT_GT(trace.lines.size(), row.tail.size());
        EXPECT_EQ(trace.lines.back(), "ended " + std::to_string(static_cast<int>(end)));
        const std::vector<std::string> tail(trace.lines.end() - 1 - row.tail.size(),
                                            trace.lines.end() - 1);
        EXPECT_THAT(tail, ElementsAreArray(row.tail));
    }
}
