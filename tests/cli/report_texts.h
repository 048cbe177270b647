#pragma once
// What the link's report routines show for a report, taken from the routines
// themselves: the command line must print exactly these lines.

#include "link/reports.h"
#include "tests/support/recording_target.h"

#include <string>
#include <vector>

namespace pemrix::cli::testing {

// The lines of report `code` for a window of `kind`, each ended by a line feed.
inline std::string reportText(link::ModuleKind kind, int code, int attemptNumber = 0) {
    pemrix::testing::RecordingTarget recorder(kind);
    link::ShowReport(recorder, code, attemptNumber);
    std::string text;
    for (const auto& line : recorder.texts)
        text += line + "\n";
    return text;
}

} // namespace pemrix::cli::testing
