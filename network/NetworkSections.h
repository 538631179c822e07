#pragma once

#include "context/FtpParameters.h"
#include "context/NetworkParameters.h"

#include <cstddef>

class IniFile;

/// How a parameter file carries the network sections.
struct NetworkSectionOptions
{
    bool hasSmtpSecurity = true; // the model writes and reads "SMTP SSL"
    /// The encoded-file variant keeps "SendEmailPassword" exactly as held:
    /// no trimming or cutting when written, none when read (beyond the
    /// 30-character read).
    bool verbatimSendEmailPassword = false;
};

/// Where a record field stands in the file, and the bytes of it a read keeps.
struct NetworkFieldKey
{
    const char* section;
    const char* key;
    int limit;
};

/// Fields 0 to 12 of `NetworkParameters`, in file order.
[[nodiscard]] const NetworkFieldKey& networkFieldKey(std::size_t field);
/// "SMTP SSL", written after the thirteen for models with the option.
[[nodiscard]] const NetworkFieldKey& smtpSecurityKey();
/// The four fields of `FtpParameters`, in file order.
[[nodiscard]] const NetworkFieldKey& ftpFieldKey(std::size_t field);

/// Reads "Via WAP Settings" and "Via Internet Settings" into both records;
/// a missing key gives an empty field. Reading cannot fail.
bool LoadNetworkSections(const IniFile& file, const NetworkSectionOptions& options,
                         NetworkParameters& current, NetworkParameters& loadedCopy);
/// Writes every key of the two sections, empty ones included, into the
/// batch; the file's save() reports whether it reached the disk.
void SaveNetworkSections(IniFile& file, const NetworkSectionOptions& options,
                         const NetworkParameters& params);

bool LoadFtpSection(const IniFile& file, FtpParameters& params);
void SaveFtpSection(IniFile& file, const FtpParameters& params);
