#include "emulator/faults.h"

#include <charconv>
#include <stdexcept>

namespace pemrix::emulator {
namespace {

constexpr std::array<FaultInfo, FaultCount> kFaults{{
    {Fault::Silent, "silent", FaultValue::None, 0, 0, 0,
     "no module on the line: no echo, no answer"},
    {Fault::AnswerOnAttempt, "answer-on-attempt", FaultValue::Required, 1, 1, 1000000,
     "link requests before the N-th are echoed, not answered"},
    {Fault::WrongKind, "wrong-kind", FaultValue::Optional, -1, 0, 255,
     "the link answer names kind N (default: another module's)"},
    {Fault::BadLinkCrc, "bad-link-crc", FaultValue::None, 0, 0, 0,
     "the link answer carries a wrong CRC"},
    {Fault::RefusedHeader, "refused-header", FaultValue::None, 0, 0, 0,
     "every command header is acknowledged FF"},
    {Fault::BadFrameCrc, "bad-frame-crc", FaultValue::None, 0, 0, 0,
     "a read frame's CRC is wrong; a written frame is refused"},
    {Fault::NoWriteAck, "no-write-ack", FaultValue::None, 0, 0, 0,
     "a written frame is stored but never acknowledged"},
    {Fault::DroppedByte, "dropped-byte", FaultValue::Optional, 2, 0, 68,
     "byte N (default 2) of every answer is left out"},
    {Fault::NoKey, "no-key", FaultValue::None, 0, 0, 0, "the key answer is FF: no key presented"},
    {Fault::BaudPacing, "baud-pacing", FaultValue::None, 0, 0, 0,
     "every byte sent takes its byte time at 1200 baud"},
    {Fault::Unplug, "unplug", FaultValue::Required, 1, 1, 1000000,
     "the line hangs up as the N-th byte from the host arrives"},
}};

} // namespace

const FaultInfo& faultInfo(Fault fault) {
    for (const auto& info : kFaults)
        if (info.fault == fault)
            return info;
    throw std::logic_error("fault missing from the fault table");
}

Faults& Faults::set(Fault fault, std::optional<int> value) {
    values_[static_cast<std::size_t>(fault)] = value ? *value : faultInfo(fault).defaultValue;
    return *this;
}

void Faults::clear(Fault fault) {
    values_[static_cast<std::size_t>(fault)].reset();
}

bool Faults::has(Fault fault) const {
    return values_[static_cast<std::size_t>(fault)].has_value();
}

int Faults::value(Fault fault) const {
    const auto& value = values_[static_cast<std::size_t>(fault)];
    return value ? *value : faultInfo(fault).defaultValue;
}

bool Faults::any() const {
    for (const auto& value : values_)
        if (value)
            return true;
    return false;
}

std::optional<FaultSetting> parseFault(std::string_view text, std::string* error) {
    // Messages are built by appending: g++ 12 warns falsely on long operator+ chains.
    auto fail = [&](std::initializer_list<std::string_view> parts) -> std::optional<FaultSetting> {
        if (error) {
            error->clear();
            for (auto part : parts)
                error->append(part);
        }
        return std::nullopt;
    };
    const auto equals = text.find('=');
    const auto name = text.substr(0, equals);
    const FaultInfo* info = nullptr;
    for (const auto& candidate : kFaults)
        if (candidate.name == name)
            info = &candidate;
    if (!info)
        return fail({"unknown fault '", name, "'"});

    if (equals == std::string_view::npos) {
        if (info->value == FaultValue::Required)
            return fail({"fault '", name, "' needs a number: ", name, "=N"});
        return FaultSetting{info->fault, std::nullopt};
    }
    if (info->value == FaultValue::None)
        return fail({"fault '", name, "' takes no number"});

    const auto digits = text.substr(equals + 1);
    int number = 0;
    const auto* end = digits.data() + digits.size();
    const auto [stop, code] = std::from_chars(digits.data(), end, number);
    if (digits.empty() || code != std::errc() || stop != end)
        return fail({"'", digits, "' is not a number (fault '", name, "')"});
    if (number < info->minValue || number > info->maxValue) {
        const auto low = std::to_string(info->minValue);
        const auto high = std::to_string(info->maxValue);
        return fail({"fault '", name, "' takes a number from ", low, " to ", high});
    }
    return FaultSetting{info->fault, number};
}

std::string faultHelp() {
    constexpr std::size_t Column = 21;
    std::string text;
    for (const auto& info : kFaults) {
        std::string syntax(info.name);
        if (info.value == FaultValue::Required)
            syntax += "=N";
        else if (info.value == FaultValue::Optional)
            syntax += "[=N]";
        text += "  ";
        text += syntax;
        text.append(syntax.size() < Column ? Column - syntax.size() : 1, ' ');
        text += info.help;
        text += '\n';
    }
    return text;
}

} // namespace pemrix::emulator
