#pragma once
// The lines of a byte trace, as the journal window and pemrix-cli --trace show them:
//   — Чтение конфигурации, Orvel-416 —
//   +0.012 с  ПК → модуль  55  заголовок запроса
//   +0.020 с  модуль → ПК  55  эхо
//   +1.021 с  модуль → ПК  --  нет байта: подтверждение
//   +1.605 с  — конец: выполнено —
// The time is counted from the start of the exchange.

#include "link/byte_trace.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pemrix::link {

using TraceElapsed = std::chrono::steady_clock::duration;

// "— <operation>, <module> —".
std::string exchangeHeadingLine(ModuleKind moduleKind, Operation operation);
std::string byteTraceLine(TraceElapsed elapsed, Direction direction, std::uint8_t value,
                          ByteRole role);
std::string missingTraceLine(TraceElapsed elapsed, Direction direction, ByteRole role,
                             std::size_t count);
std::string exchangeEndLine(TraceElapsed elapsed, ExchangeEnd end);

} // namespace pemrix::link
