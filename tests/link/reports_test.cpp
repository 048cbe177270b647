#include "link/key_code.h"
#include "link/module_profile.h"
#include "link/reports.h"
#include "tests/support/recording_target.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

using namespace pemrix::link;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// The texts as the windows must show them.
constexpr const char* kNoAnswerMessage = "Нет ответа от прибора";
constexpr const char* kExpanderNoAnswerStatus = "Нет ответа от расширителя";
constexpr const char* kReleNoAnswerStatus = "Нет ответа от модуля. Демонстрационный режим";
constexpr const char* kOtherKindMessage = "Подключенный прибор имеет другой тип";
constexpr const char* kCrcErrorText = "Ошибка: Dallas CRC";
constexpr const char* kNoKeyStatus = "Вещественный идентификатор не подключен к расширителю";
constexpr const char* kTimeOutStatus = "Ошибка: Time-Out";
constexpr const char* kAttemptPrefix = "Установка связи с расширителем...Попытка №";
constexpr const char* kAttemptSuffix = " из 10";
constexpr const char* kLinkedStatus = "Связь установлена";
constexpr const char* kKeyExistsMessage = "Идентификатор уже существует в списке";
constexpr const char* kWriteDoneStatus = "Запись конфигурации завершена";
constexpr const char* kReadDoneStatus = "Чтение конфигурации завершено";
constexpr const char* kKeyReadDoneStatus = "Чтение идентификатора завершено";
constexpr const char* kExpanderNoLinkStatus = "Нет связи с расширителем";
constexpr const char* kReleNoLinkStatus = "Нет связи с модулем";

using FakeTarget = pemrix::testing::RecordingTarget;

std::string status(const char* text) {
    return std::string("status ") + text;
}
std::string message(const char* text) {
    return std::string("message ") + text;
}

} // namespace

// The line lost under an operation: the status names what did not complete and the
// port's reason, the window takes the layout of no link and hears of the loss.
TEST(ShowLineFailure, NamesTheOperationAndTheReason) {
    const PortError gone{PortErrorKind::Gone, 5, "устройство отключено"};
    const struct {
        ModuleKind kind;
        Operation operation;
        PortError error;
        std::string status;
    } rows[] = {
        {ModuleKind::Secure, Operation::Write, gone,
         "Нет связи с расширителем: запись не выполнена — устройство отключено"},
        {ModuleKind::FireSecure, Operation::Read, gone,
         "Нет связи с расширителем: чтение не выполнено — устройство отключено"},
        {ModuleKind::Secure, Operation::KeyId, gone,
         "Нет связи с расширителем: чтение идентификатора не выполнено — устройство отключено"},
        {ModuleKind::Rele8, Operation::ReleWrite, gone,
         "Нет связи с модулем: запись не выполнена — устройство отключено"},
        {ModuleKind::Rele8, Operation::ReleRead, gone,
         "Нет связи с модулем: чтение не выполнено — устройство отключено"},
        {ModuleKind::Secure, Operation::Link, gone,
         "Нет связи с расширителем: установка связи не выполнена — устройство отключено"},
        // A port that gave only a code is known by it; one that gave nothing, by the
        // operation alone.
        {ModuleKind::Secure,
         Operation::Read,
         {PortErrorKind::Other, 71, ""},
         "Нет связи с расширителем: чтение не выполнено — системная ошибка 71"},
        {ModuleKind::Rele8, Operation::ReleWrite, {}, "Нет связи с модулем: запись не выполнена"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.status);
        FakeTarget target(row.kind);
        ShowLineFailure(target, row.operation, row.error);
        EXPECT_THAT(target.calls, ElementsAre("status " + row.status, "down",
                                              "line lost " + portErrorReason(row.error)));
    }
}

// The modules differ only in the words of their profiles and in key reading.
TEST(ShowReport, EveryCodeForTheExpandersAndTheRelayModule) {
    const struct {
        int code;
        std::vector<std::string> expander;
        std::vector<std::string> relay;
    } rows[] = {
        {1,
         {message(kNoAnswerMessage), status(kExpanderNoAnswerStatus), "down"},
         {message(kNoAnswerMessage), status(kReleNoAnswerStatus), "down"}},
        {2, {message(kOtherKindMessage), "close"}, {message(kOtherKindMessage), "close"}},
        {3, {message(kCrcErrorText)}, {message(kCrcErrorText)}},
        {4, {status(kCrcErrorText)}, {status(kCrcErrorText)}},
        {5, {status(kNoKeyStatus)}, {}},
        {6, {status(kTimeOutStatus)}, {status(kTimeOutStatus)}},
        {7,
         {status(kAttemptPrefix) + "3" + kAttemptSuffix},
         {status(kAttemptPrefix) + "3" + kAttemptSuffix}},
        {8, {status(kLinkedStatus), "established"}, {status(kLinkedStatus), "established"}},
        {9, {message(kKeyExistsMessage)}, {message(kKeyExistsMessage)}},
        {10, {status(kWriteDoneStatus)}, {status(kWriteDoneStatus)}},
        {11, {status(kReadDoneStatus)}, {status(kReadDoneStatus)}},
        {12, {status(kKeyReadDoneStatus)}, {}},
        {13, {status(kExpanderNoLinkStatus)}, {status(kReleNoLinkStatus)}},
        {14, {status(kExpanderNoLinkStatus), "down"}, {status(kReleNoLinkStatus), "down"}},
        {0, {}, {}},
        {15, {}, {}},
        {-1, {}, {}},
    };
    for (ModuleKind kind : {ModuleKind::Secure, ModuleKind::FireSecure, ModuleKind::Rele8}) {
        for (const auto& row : rows) {
            SCOPED_TRACE("kind " + std::to_string(kindValue(kind)) + " report " +
                         std::to_string(row.code));
            FakeTarget target(kind);
            ShowReport(target, row.code, 3);
            EXPECT_THAT(target.calls,
                        ElementsAreArray(kind == ModuleKind::Rele8 ? row.relay : row.expander));
        }
    }
}

TEST(ShowReport, AttemptNumberIsWrittenInDecimal) {
    FakeTarget target(ModuleKind::Secure);
    ShowReport(target, 7, 3);
    ShowReport(target, 7, 10);
    EXPECT_THAT(target.calls, ElementsAre(status(kAttemptPrefix) + "3" + kAttemptSuffix,
                                          status(kAttemptPrefix) + "10" + kAttemptSuffix));
}

TEST(ShowReport, WindowOfNoKnownKindIsLeftAlone) {
    for (int code = 0; code <= 15; ++code) {
        SCOPED_TRACE(code);
        FakeTarget target(ModuleKind::Rele4);
        ShowReport(target, code, 1);
        EXPECT_THAT(target.calls, IsEmpty());
    }
}

TEST(LinkRoutines, LinkUpEnablesReadThenWrite) {
    FakeTarget target(ModuleKind::FireSecure);
    LinkUp(target);
    EXPECT_THAT(target.calls, ElementsAre("enable Read", "enable Write"));
}

TEST(LinkRoutines, LayoutsAndImageGoToTheWindow) {
    FakeTarget target(ModuleKind::Rele8);
    SetLinkPending(target);
    SetLinkDown(target);
    DeliverImage(target, std::vector<int>(66, 7));
    EXPECT_THAT(target.calls, ElementsAre("pending", "down", "image"));
    ASSERT_EQ(target.images.size(), 1U);
    EXPECT_EQ(target.images[0], std::vector<int>(66, 7));
}

TEST(ShowKeyId, KeyGoesIntoTheTargetSlotUnlessAlreadyListed) {
    const struct {
        const char* name;
        std::uint64_t key;
        int slot;
        std::array<std::string, 8> before;
        std::vector<std::string> calls;
        std::string targetAfter;
    } rows[] = {
        {"twelve digits with leading zeros", 0xABCD, 5, {}, {"Id5 00000000ABCD"}, "00000000ABCD"},
        {"upper case letters", 0x0123456789AB, 1, {}, {"Id1 0123456789AB"}, "0123456789AB"},
        {"already in Id3, read for slot 5",
         0xABCD,
         5,
         {"", "", "00000000ABCD", "", "111111111111", "", "", ""},
         {message(kKeyExistsMessage)},
         "111111111111"},
        {"already in the target slot itself",
         0xABCD,
         5,
         {"", "", "", "", "00000000ABCD", "", "", ""},
         {message(kKeyExistsMessage)},
         "00000000ABCD"},
        {"comparison is case-sensitive",
         0xABCD,
         2,
         {"00000000abcd", "", "", "", "", "", "", ""},
         {"Id2 00000000ABCD"},
         "00000000ABCD"},
        {"replaces another key in the slot",
         0x1,
         8,
         {"", "", "", "", "", "", "", "FFFFFFFFFFFE"},
         {"Id8 000000000001"},
         "000000000001"},
        // The all-ones code means no key: it neither clears the slot nor matches an
        // empty one.
        {"no key, with empty slots",
         NoKeyCode,
         4,
         {"1", "", "", "777777777777", "", "", "", ""},
         {},
         "777777777777"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeTarget target(ModuleKind::Secure);
        target.identifiers = row.before;
        ShowKeyId(target, row.key, row.slot);
        EXPECT_THAT(target.calls, ElementsAreArray(row.calls));
        EXPECT_EQ(target.identifiers[static_cast<std::size_t>(row.slot - 1)], row.targetAfter);
    }
}

TEST(ShowKeyId, SlotOutOfRangeAndRelayWindowChangeNothing) {
    for (int slot : {0, 9, -3}) {
        SCOPED_TRACE(slot);
        FakeTarget target(ModuleKind::FireSecure);
        ShowKeyId(target, 0x42, slot);
        EXPECT_THAT(target.calls, IsEmpty());
    }
    FakeTarget rele(ModuleKind::Rele8);
    ShowKeyId(rele, 0x42, 1);
    EXPECT_THAT(rele.calls, IsEmpty());
}

TEST(TargetReporter, RoutesEveryOutcomeToTheRoutines) {
    FakeTarget target(ModuleKind::Secure);
    TargetReporter reporter([&] { return &target; });
    reporter.report(7, 2);
    reporter.linkAnswered(ModuleKind::Rele4);
    reporter.linkUp();
    reporter.enableTransferButtons();
    reporter.deliverImage(std::vector<int>(64, 1));
    reporter.deliverKey(0xABCD, 3);
    EXPECT_THAT(target.calls,
                ElementsAre(status(kAttemptPrefix) + "2" + kAttemptSuffix, "answered 6",
                            "enable Read", "enable Write", "enable Read", "enable Write", "image",
                            "Id3 00000000ABCD"));
}

TEST(TargetReporter, WindowGoneMeansNothingHappens) {
    int lookups = 0;
    TargetReporter reporter([&]() -> ReportTarget* {
        ++lookups;
        return nullptr;
    });
    reporter.report(1, 10);
    reporter.linkAnswered(ModuleKind::Rele8);
    reporter.linkUp();
    reporter.enableTransferButtons();
    reporter.deliverImage({1, 2});
    reporter.deliverKey(1, 1);
    EXPECT_EQ(lookups, 6);
}
