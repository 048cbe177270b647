// What each fault makes the module do on the line.

#include "emulator/module_protocol.h"

#include "link/crc8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace pemrix::emulator;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes LinkRequest{0x55, 0x55, 0xAA, 0xAA};
const Bytes WriteHeader{0x55, 0x55, 0x01, 0x98};
const Bytes ReadHeader{0x55, 0x55, 0x02, 0x7A};
const Bytes KeyHeader{0x55, 0x55, 0x03, 0x24};

Bytes frameOf(const Bytes& image) {
    Bytes frame(image.size() + 2, 0xAA);
    std::copy(image.begin(), image.end(), frame.begin() + 2);
    frame.push_back(pemrix::link::crc8(frame));
    return frame;
}

// Feeds bytes and returns everything the module sent, echoes included.
struct Line {
    explicit Line(pemrix::link::ModuleKind model, Faults faults)
        : module(ModuleConfig{model, {}, 0x0000A1B2C3D4ULL, faults}) {}

    Bytes send(const Bytes& bytes) {
        Bytes reply;
        for (auto byte : bytes) {
            module.receive(byte, now, reply);
            now += std::chrono::milliseconds(1);
        }
        return reply;
    }

    ModuleProtocol module;
    Clock::time_point now{};
};

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Faults only(Fault fault, std::optional<int> value = std::nullopt) {
    Faults faults;
    faults.set(fault, value);
    return faults;
}

} // namespace

TEST(ModuleFaults, SilentModuleSaysNothingAtAll) {
    Line line(pemrix::link::ModuleKind::Secure, only(Fault::Silent));
    EXPECT_EQ(line.send(concat(LinkRequest, ReadHeader)), Bytes{});
    EXPECT_EQ(line.module.stats().bytesReceived, 8U);
}

TEST(ModuleFaults, AnswerOnAttemptLeavesEarlierRequestsEchoedOnly) {
    Line line(pemrix::link::ModuleKind::Secure, only(Fault::AnswerOnAttempt, 3));
    EXPECT_EQ(line.send(LinkRequest), LinkRequest);
    EXPECT_EQ(line.send(LinkRequest), LinkRequest);
    EXPECT_EQ(line.send(LinkRequest), concat(LinkRequest, {0x55, 0x55, 0x02, 0x7A}));
    EXPECT_EQ(line.send(LinkRequest), concat(LinkRequest, {0x55, 0x55, 0x02, 0x7A}))
        << "answers from then on";
    EXPECT_EQ(line.module.stats().linkRequests, 4);
    EXPECT_EQ(line.module.stats().linkAnswers, 2);
}

TEST(ModuleFaults, WrongKindAnswersWithAValidCrc) {
    const struct {
        pemrix::link::ModuleKind model;
        std::optional<int> kind;
        std::uint8_t expected;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, std::nullopt, 0x01},
        {pemrix::link::ModuleKind::FireSecure, std::nullopt, 0x02},
        {pemrix::link::ModuleKind::Rele8, std::nullopt, 0x02},
        {pemrix::link::ModuleKind::Secure, 5, 0x05},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(modelName(row.model)));
        Line line(row.model, only(Fault::WrongKind, row.kind));
        const auto reply = line.send(LinkRequest);
        ASSERT_EQ(reply.size(), 8U);
        EXPECT_EQ(reply[6], row.expected);
        EXPECT_EQ(pemrix::link::crc8(Bytes(reply.begin() + 4, reply.end())), 0x00);
    }
}

TEST(ModuleFaults, BadLinkCrc) {
    Line line(pemrix::link::ModuleKind::FireSecure, only(Fault::BadLinkCrc));
    const auto reply = line.send(LinkRequest);
    ASSERT_EQ(reply.size(), 8U);
    EXPECT_EQ((Bytes(reply.begin() + 4, reply.begin() + 7)), (Bytes{0x55, 0x55, 0x01}));
    EXPECT_NE(reply[7], 0x98);
}

TEST(ModuleFaults, RefusedHeaderIsAnsweredFFAndStartsNothing) {
    Line line(pemrix::link::ModuleKind::Secure, only(Fault::RefusedHeader));
    EXPECT_EQ(line.send(ReadHeader), concat(ReadHeader, {0xFF}));
    EXPECT_EQ(line.send(LinkRequest), concat(LinkRequest, {0x55, 0x55, 0x02, 0x7A}))
        << "the link itself still works";
    EXPECT_EQ(line.module.stats().headersRefused, 1);
}

TEST(ModuleFaults, BadFrameCrcSpoilsReadsAndRefusesWrites) {
    Line line(pemrix::link::ModuleKind::Secure, only(Fault::BadFrameCrc));
    const auto before = line.module.image();
    const auto reply = line.send(ReadHeader);
    ASSERT_EQ(reply.size(), 4U + 1U + 67U);
    const Bytes frame(reply.begin() + 5, reply.end());
    EXPECT_NE(pemrix::link::crc8(frame), 0x00);

    Bytes image(64, 9);
    const auto frameToWrite = frameOf(image);
    line.send(WriteHeader);
    const auto ack = line.send(frameToWrite);
    EXPECT_EQ(ack, concat(frameToWrite, {0xFF}));
    EXPECT_EQ(line.module.image(), before);
}

TEST(ModuleFaults, NoWriteAckStoresButSaysNothing) {
    Line line(pemrix::link::ModuleKind::FireSecure, only(Fault::NoWriteAck));
    const Bytes image(64, 0x42);
    EXPECT_EQ(line.send(WriteHeader), concat(WriteHeader, {0x00}));
    const auto frame = frameOf(image);
    EXPECT_EQ(line.send(frame), frame) << "echoes only";
    EXPECT_EQ(line.module.image(), image);
}

TEST(ModuleFaults, DroppedByteLeavesOneByteOutOfEveryAnswer) {
    {
        SCOPED_TRACE("default: the kind byte of the link answer");
        Line line(pemrix::link::ModuleKind::Secure, only(Fault::DroppedByte));
        EXPECT_EQ(line.send(LinkRequest), concat(LinkRequest, {0x55, 0x55, 0x7A}));
    }
    {
        SCOPED_TRACE("the CRC of a read frame; the acknowledgement stays");
        Line line(pemrix::link::ModuleKind::Secure, only(Fault::DroppedByte, 66));
        const auto reply = line.send(ReadHeader);
        auto expected = frameOf(line.module.image());
        expected.pop_back();
        EXPECT_EQ(reply, concat(concat(ReadHeader, {0x00}), expected));
    }
    {
        SCOPED_TRACE("a key byte");
        Line line(pemrix::link::ModuleKind::Secure, only(Fault::DroppedByte, 2));
        const auto reply = line.send(KeyHeader);
        EXPECT_EQ(reply.size(), 4U + 1U + 8U);
    }
}

TEST(ModuleFaults, NoKeyAnswersFF) {
    Line line(pemrix::link::ModuleKind::FireSecure, only(Fault::NoKey));
    EXPECT_EQ(line.send(KeyHeader), concat(KeyHeader, {0x00, 0xFF}));
}

TEST(ModuleFaults, FaultsCombine) {
    Faults faults;
    faults.set(Fault::AnswerOnAttempt, 2).set(Fault::WrongKind, 6);
    Line line(pemrix::link::ModuleKind::Secure, faults);
    EXPECT_EQ(line.send(LinkRequest), LinkRequest);
    EXPECT_EQ(line.send(LinkRequest), concat(LinkRequest, {0x55, 0x55, 0x06, 0x1B}));
}
