#include "cli/exit_codes.h"

#include "link/reporter.h"

namespace pemrix::cli {

std::optional<int> exitCodeForReport(int reportCode) {
    namespace R = link::ReportCode;
    switch (reportCode) {
    case R::NoAnswer:
        return ExitCode::NoAnswer;
    case R::OtherKind:
        return ExitCode::OtherKind;
    case R::LinkCrcError:
    case R::CrcError:
        return ExitCode::ExchangeFailed;
    case R::NoKey:
        return ExitCode::NoKey;
    case R::LineFailed:
        return ExitCode::LineFault;
    case R::LinkStopped:
        return ExitCode::Interrupted;
    case R::LinkEstablished:
    case R::WriteDone:
    case R::ReadDone:
    case R::KeyReadDone:
        return ExitCode::Success;
    default:
        return std::nullopt;
    }
}

} // namespace pemrix::cli
