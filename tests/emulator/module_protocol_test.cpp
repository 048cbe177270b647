#include "emulator/module_protocol.h"

#include "emulator/factory_image.h"
#include "link/crc8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace pemrix::emulator;
using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

namespace {

const Bytes LinkRequest{0x55, 0x55, 0xAA, 0xAA};
const Bytes WriteHeader{0x55, 0x55, 0x01, 0x98};
const Bytes ReadHeader{0x55, 0x55, 0x02, 0x7A};
const Bytes KeyHeader{0x55, 0x55, 0x03, 0x24};
const Bytes ReleWriteHeader{0x55, 0x55, 0x51, 0x43};
const Bytes ReleReadHeader{0x55, 0x55, 0x52, 0xA1};

Bytes frameOf(const Bytes& image) {
    Bytes frame(image.size() + 2, 0xAA);
    std::copy(image.begin(), image.end(), frame.begin() + 2);
    frame.push_back(pemrix::link::crc8(frame));
    return frame;
}

Bytes countingImage(std::size_t size) {
    Bytes image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return image;
}

// Plays the host byte by byte; checks that each byte comes back first as its echo and
// returns only what the module said beyond the echoes.
class Host {
  public:
    explicit Host(ModuleConfig config) : module(std::move(config)) {}

    Bytes send(const Bytes& bytes, milliseconds pauseBefore = milliseconds(0)) {
        now += pauseBefore;
        Bytes answers;
        for (auto byte : bytes) {
            Bytes reply;
            module.receive(byte, now, reply);
            if (module.config().faults.has(Fault::Silent)) {
                EXPECT_TRUE(reply.empty());
                continue;
            }
            EXPECT_FALSE(reply.empty());
            if (reply.empty())
                continue;
            EXPECT_EQ(reply.front(), byte) << "the echo comes first";
            answers.insert(answers.end(), reply.begin() + 1, reply.end());
            now += milliseconds(1);
        }
        return answers;
    }

    ModuleProtocol module;
    Clock::time_point now{};
};

ModuleConfig configOf(pemrix::link::ModuleKind model, Faults faults = {}) {
    ModuleConfig config;
    config.model = model;
    config.faults = faults;
    return config;
}

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(ModuleProtocol, LinkAnswerNamesTheKindOfEachModel) {
    const struct {
        pemrix::link::ModuleKind model;
        Bytes answer;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, {0x55, 0x55, 0x02, 0x7A}},
        {pemrix::link::ModuleKind::FireSecure, {0x55, 0x55, 0x01, 0x98}},
        {pemrix::link::ModuleKind::Rele8, {0x55, 0x55, 0x05, 0xF9}},
        {pemrix::link::ModuleKind::Rele4, {0x55, 0x55, 0x06, 0x1B}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(modelName(row.model)));
        Host host(configOf(row.model));
        EXPECT_EQ(host.send(LinkRequest), row.answer);
        EXPECT_EQ(host.send({0x00}), Bytes{}) << "the verdict is only echoed";
        EXPECT_EQ(host.module.stats().linkRequests, 1);
        EXPECT_EQ(host.module.stats().verdictsAccepted, 1);
    }
}

TEST(ModuleProtocol, GarbageIsEchoedAndOtherwiseIgnored) {
    Host host(configOf(pemrix::link::ModuleKind::Secure));
    Bytes garbage;
    for (int value = 0; value < 256; ++value)
        if (value != 0x55)
            garbage.push_back(static_cast<std::uint8_t>(value));
    EXPECT_EQ(host.send(garbage), Bytes{});
    EXPECT_EQ(host.module.stats().bytesReceived, garbage.size());
    EXPECT_EQ(host.module.stats().bytesSent, garbage.size());
}

TEST(ModuleProtocol, FindsRequestsAfterGarbageAndRunsOfSync) {
    const Bytes prefixes[] = {
        {0x00, 0x13, 0xFF},
        {0x55, 0x55, 0x55, 0x55},
        {0x55, 0x01},
        {0x55, 0x55, 0x07, 0x55}, // a header with a bad CRC whose last byte opens the next
    };
    for (const auto& prefix : prefixes) {
        SCOPED_TRACE(::testing::PrintToString(prefix));
        Host host(configOf(pemrix::link::ModuleKind::Secure));
        EXPECT_EQ(host.send(concat(prefix, LinkRequest)), (Bytes{0x55, 0x55, 0x02, 0x7A}));
    }
}

TEST(ModuleProtocol, HeaderWithBadCrcGoesUnanswered) {
    Host host(configOf(pemrix::link::ModuleKind::Secure));
    EXPECT_EQ(host.send({0x55, 0x55, 0x02, 0x7B}), Bytes{});
    EXPECT_EQ(host.send(ReadHeader).front(), 0x00) << "the next good header is heard";
}

TEST(ModuleProtocol, EachModelServesOnlyItsOperations) {
    const struct {
        pemrix::link::ModuleKind model;
        Bytes header;
        std::uint8_t ack;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, WriteHeader, 0x00},
        {pemrix::link::ModuleKind::Secure, ReadHeader, 0x00},
        {pemrix::link::ModuleKind::FireSecure, KeyHeader, 0x00},
        {pemrix::link::ModuleKind::FireSecure, ReleReadHeader, 0xFF},
        {pemrix::link::ModuleKind::Rele8, ReleWriteHeader, 0x00},
        {pemrix::link::ModuleKind::Rele4, ReleReadHeader, 0x00},
        {pemrix::link::ModuleKind::Rele8, ReadHeader, 0xFF},
        {pemrix::link::ModuleKind::Rele4, KeyHeader, 0xFF},
        {pemrix::link::ModuleKind::Secure,
         {0x55, 0x55, 0x04, pemrix::link::crc8(Bytes{0x55, 0x55, 0x04})},
         0xFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(modelName(row.model)) + " op " + std::to_string(row.header[2]));
        Host host(configOf(row.model));
        const auto answer = host.send(row.header);
        ASSERT_FALSE(answer.empty());
        EXPECT_EQ(answer.front(), row.ack);
    }
}

TEST(ModuleProtocol, WrittenImageComesBackOnRead) {
    const struct {
        pemrix::link::ModuleKind model;
        Bytes writeHeader;
        Bytes readHeader;
        std::size_t frameSize;
    } rows[] = {
        {pemrix::link::ModuleKind::Secure, WriteHeader, ReadHeader, 67},
        {pemrix::link::ModuleKind::FireSecure, WriteHeader, ReadHeader, 67},
        {pemrix::link::ModuleKind::Rele8, ReleWriteHeader, ReleReadHeader, 69},
        {pemrix::link::ModuleKind::Rele4, ReleWriteHeader, ReleReadHeader, 69},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(modelName(row.model)));
        Host host(configOf(row.model));
        const auto image = countingImage(row.frameSize - 3);

        EXPECT_EQ(host.send(row.readHeader),
                  concat({0x00}, frameOf(factoryImageForKind(row.model))))
            << "a module starts with its factory image";
        EXPECT_EQ(host.send({0x00}), Bytes{});

        EXPECT_EQ(host.send(row.writeHeader), Bytes{0x00});
        const auto frame = frameOf(image);
        ASSERT_EQ(frame.size(), row.frameSize);
        EXPECT_EQ(host.send(frame), Bytes{0x00}) << "acknowledged once, after the last byte";
        EXPECT_EQ(host.module.image(), image);

        const auto answer = host.send(row.readHeader);
        EXPECT_EQ(answer, concat({0x00}, frame));
        EXPECT_EQ(host.send({0xFF}), Bytes{});
        EXPECT_EQ(host.module.stats().writesStored, 1);
        EXPECT_EQ(host.module.stats().framesSent, 2);
        EXPECT_EQ(host.module.stats().verdictsRejected, 1);
    }
}

TEST(ModuleProtocol, WrittenFrameFailingItsCrcIsRefusedAndNotStored) {
    Host host(configOf(pemrix::link::ModuleKind::Secure));
    const auto before = host.module.image();
    auto frame = frameOf(countingImage(64));
    frame.back() ^= 0x01;
    host.send(WriteHeader);
    EXPECT_EQ(host.send(frame), Bytes{0xFF});
    EXPECT_EQ(host.module.image(), before);
    EXPECT_EQ(host.module.stats().writesRejected, 1);
}

TEST(ModuleProtocol, ImageBytesThatLookLikeRequestsStayImageBytes) {
    Host host(configOf(pemrix::link::ModuleKind::Rele8));
    Bytes image(66, 0x55);
    image[10] = 0xAA;
    image[11] = 0xAA;
    host.send(ReleWriteHeader);
    EXPECT_EQ(host.send(frameOf(image)), Bytes{0x00});
    EXPECT_EQ(host.module.image(), image);
    EXPECT_EQ(host.module.stats().linkRequests, 0);
}

TEST(ModuleProtocol, AbandonedWriteLetsTheNextRequestThrough) {
    {
        SCOPED_TRACE("the host sends a link request instead of the frame");
        Host host(configOf(pemrix::link::ModuleKind::Secure));
        host.send(WriteHeader);
        EXPECT_EQ(host.send(LinkRequest), (Bytes{0x55, 0x55, 0x02, 0x7A}));
    }
    {
        SCOPED_TRACE("the frame stops half-way and the host starts over later");
        Host host(configOf(pemrix::link::ModuleKind::Secure));
        const auto before = host.module.image();
        host.send(WriteHeader);
        const auto frame = frameOf(countingImage(64));
        host.send(Bytes(frame.begin(), frame.begin() + 30));
        EXPECT_EQ(host.send(LinkRequest, milliseconds(2000)), (Bytes{0x55, 0x55, 0x02, 0x7A}));
        EXPECT_EQ(host.module.stats().abandonedFrames, 1);
        EXPECT_EQ(host.module.image(), before);
    }
}

TEST(ModuleProtocol, SlowButSteadyWriteIsStored) {
    Host host(configOf(pemrix::link::ModuleKind::Rele8));
    host.send(ReleWriteHeader);
    const auto frame = frameOf(countingImage(66));
    Bytes answers;
    for (auto byte : frame) {
        const auto part = host.send({byte}, milliseconds(500));
        answers.insert(answers.end(), part.begin(), part.end());
    }
    EXPECT_EQ(answers, Bytes{0x00});
    EXPECT_EQ(host.module.image(), countingImage(66));
}

TEST(ModuleProtocol, Orvel416FactoryImageAndTheKeyOnTheReader) {
    Bytes orvel416{45, 0, 192, 2, 0, 0, 135, 1};
    orvel416.resize(64, 255);
    EXPECT_EQ(factoryImageForKind(pemrix::link::ModuleKind::Secure), orvel416);

    // A key a reader could hold: not all zeros, and not beginning with FF, which in a
    // record would end the list of keys.
    const auto key = ModuleConfig{}.keyCode;
    ASSERT_TRUE(key.has_value());
    EXPECT_NE(*key, 0U);
    EXPECT_NE(*key >> 40, 0xFFU);
}

TEST(ModuleProtocol, KeyAnswerCarriesTheKeyLeastSignificantFirst) {
    auto config = configOf(pemrix::link::ModuleKind::Secure);
    config.keyCode = 0x0123456789ABULL;
    Host host(config);
    const auto answer = host.send(KeyHeader);
    ASSERT_EQ(answer.size(), 10U);
    EXPECT_EQ(answer[0], 0x00) << "header accepted";
    const Bytes key(answer.begin() + 1, answer.end());
    EXPECT_EQ(key[0], 0x00) << "a key is there";
    EXPECT_EQ(key[1], 0x01) << "family code";
    EXPECT_EQ((Bytes(key.begin() + 2, key.begin() + 8)),
              (Bytes{0xAB, 0x89, 0x67, 0x45, 0x23, 0x01}));
    EXPECT_EQ(pemrix::link::crc8(key), 0x00);
    EXPECT_EQ(host.send(LinkRequest).size(), 4U) << "no verdict is awaited after a key";
}

TEST(ModuleProtocol, NoKeyConfiguredAnswersFF) {
    auto config = configOf(pemrix::link::ModuleKind::FireSecure);
    config.keyCode.reset();
    Host host(config);
    EXPECT_EQ(host.send(KeyHeader), (Bytes{0x00, 0xFF}));
}

TEST(ModuleProtocol, RejectsImagesOfTheWrongSizeAndKeysWiderThan48Bits) {
    auto config = configOf(pemrix::link::ModuleKind::Rele8);
    config.image = Bytes(64, 1);
    EXPECT_THROW(ModuleProtocol{config}, std::invalid_argument);
    config = configOf(pemrix::link::ModuleKind::Secure);
    config.keyCode = 0x1000000000000ULL;
    EXPECT_THROW(ModuleProtocol{config}, std::invalid_argument);
    config.keyCode = 0xFFFFFFFFFFFFULL;
    EXPECT_NO_THROW(ModuleProtocol{config});
}
