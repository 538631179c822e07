#pragma once

#include "cli/CliSupport.h"
#include "params/ParameterFileRules.h"
#include "platform/Clock.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

class MainParaCore;
struct ParameterRecords;

/// What the options of `write` change in the records a save writes:
/// --phone, --email and --set, each value checked against its key's rule
/// before it goes in, and --clock.
namespace cli {

/// Puts --phone, --email and --set, in that order, into the records and
/// the main dialog's customer fields. Returns kOk; kFailure when a value is
/// one the dialogs would not store; kUsage for a malformed --set, a key the
/// model's file does not have (with the close names) or a key set another
/// way (the clock, the file mark). Every problem goes to `err`.
int applyEdits(const Options& options, const ModelDescriptor& model, MainParaCore& core,
               ParameterRecords& records, std::ostream& err);

/// --clock: "now" (nothing), or a date and time the camera's clock takes;
/// the error text for anything else.
using ClockChoice = std::variant<std::monostate, LocalDateTime, std::string>;
[[nodiscard]] ClockChoice parseClock(const std::string& text);

} // namespace cli
