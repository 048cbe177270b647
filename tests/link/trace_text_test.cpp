#include "link/exchange.h"
#include "link/module_profile.h"
#include "link/text_trace.h"
#include "link/trace_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace pemrix::link;
using namespace std::chrono_literals;
using ::testing::ElementsAre;

namespace {

// A trace whose clock the test moves.
struct TraceRig {
    std::chrono::steady_clock::time_point now{};
    std::vector<std::string> lines;
    TextTrace trace{[this](const std::string& line) { lines.push_back(line); },
                    [this] { return now; }};
};

} // namespace

TEST(TraceText, EveryEventIsOneLineTimedFromTheStartOfItsExchange) {
    TraceRig rig;
    rig.now += 5s; // before the exchange: not counted
    rig.trace.exchangeBegan(ModuleKind::Secure, Operation::Read);
    rig.now += 12ms;
    rig.trace.byte(Direction::ToModule, 0x55, ByteRole::Header);
    rig.now += 8ms;
    rig.trace.byte(Direction::FromModule, 0x55, ByteRole::Echo);
    rig.now += 1001ms;
    rig.trace.missing(Direction::FromModule, ByteRole::Acknowledgement, 1);
    rig.trace.missing(Direction::FromModule, ByteRole::Echo, 4);
    rig.trace.missing(Direction::ToModule, ByteRole::LinkRequest, 4);
    rig.now += 62'499'999us;
    rig.trace.exchangeEnded(ExchangeEnd::Failed);
    rig.trace.exchangeBegan(ModuleKind::Rele8, Operation::Link);
    rig.trace.byte(Direction::FromModule, 0x06, ByteRole::ModuleKind);
    EXPECT_THAT(rig.lines, ElementsAre("— Чтение конфигурации, Orvel-416 —",
                                       "+0.012 с  ПК → модуль  55  заголовок запроса",
                                       "+0.020 с  модуль → ПК  55  эхо",
                                       "+1.021 с  модуль → ПК  --  нет байта: подтверждение",
                                       "+1.021 с  модуль → ПК  --  нет 4 байт: эхо",
                                       "+1.021 с  ПК → модуль  --  не отправлены 4: запрос связи",
                                       "+63.520 с  — конец: не выполнено —",
                                       "— Установка связи, Orvel-426/427 —",
                                       "+0.000 с  модуль → ПК  06  тип модуля: Orvel-426"));
}

TEST(TraceText, ValuesThatMeanSomethingAreNamed) {
    const struct {
        Direction direction;
        std::uint8_t value;
        ByteRole role;
        const char* line;
    } rows[] = {
        {Direction::FromModule, 0x02, ByteRole::ModuleKind,
         "модуль → ПК  02  тип модуля: Orvel-416"},
        {Direction::FromModule, 0x09, ByteRole::ModuleKind,
         "модуль → ПК  09  тип модуля: неизвестный"},
        {Direction::FromModule, 0x00, ByteRole::Acknowledgement,
         "модуль → ПК  00  подтверждение: принято"},
        {Direction::FromModule, 0x01, ByteRole::Acknowledgement,
         "модуль → ПК  01  подтверждение: отказ"},
        {Direction::ToModule, 0xFF, ByteRole::Verdict, "ПК → модуль  FF  ответ модулю: отказ"},
        {Direction::ToModule, 0xAA, ByteRole::FrameLead, "ПК → модуль  AA  начало кадра"},
        {Direction::FromModule, 0x3C, ByteRole::Checksum, "модуль → ПК  3C  контрольная сумма"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(byteTraceLine(0ms, row.direction, row.value, row.role),
                  std::string("+0.000 с  ") + row.line);
    }
}
