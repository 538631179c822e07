#pragma once

#include "models/ValueRule.h"

#include <cstddef>

/// What each key of the network sections may hold: what the WAP / Internet
/// parameters dialog, Advanced Setup and the FTP Setting dialog store, cut
/// as they cut it and bounded by what a read of the file keeps.
namespace NetworkValueRules {

/// Field 0 to 12 of `NetworkParameters`.
[[nodiscard]] ValueRule fieldRule(std::size_t field);
/// "SMTP SSL": the option Advanced Setup stores.
[[nodiscard]] ValueRule smtpSecurityRule();
/// Field 0 to 3 of `FtpParameters`.
[[nodiscard]] ValueRule ftpFieldRule(std::size_t field);

} // namespace NetworkValueRules
