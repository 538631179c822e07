#include "network/NetworkSections.h"

#include "platform/CUtil.h"
#include "platform/IniFile.h"

#include <array>
#include <string_view>

namespace {

constexpr const char* kWap = "Via WAP Settings";
constexpr const char* kInternet = "Via Internet Settings";
constexpr const char* kFtp = "Via FTP Settings";
constexpr const char* kSmtpSsl = "SMTP SSL";
constexpr int kSmtpSslLimit = 5;
constexpr int kFtpLimit = 100;

constexpr std::array<NetworkFieldKey, NetworkParameters::FieldCount> kNetworkKeys{{
    {kWap, "URL", 100},
    {kWap, "APN", 50},
    {kWap, "IP", 20},
    {kWap, "Port", 10},
    {kWap, "Account", 50},
    {kWap, "Password", 30},
    {kInternet, "GPRSAPN", 50},
    {kInternet, "GPRSAccount", 50},
    {kInternet, "GPRSPassword", 30},
    {kInternet, "SendEmailServer", 100},
    {kInternet, "SendEmailPort", 10},
    {kInternet, "SendEmailAddr", 50},
    {kInternet, "SendEmailPassword", 30},
}};

constexpr NetworkFieldKey kSmtpSslKey{kInternet, kSmtpSsl, kSmtpSslLimit};
constexpr std::array<NetworkFieldKey, FtpParameters::FieldCount> kFtpKeys{{{kFtp, "FTPServer", kFtpLimit},
                                                                          {kFtp, "FTPPort", kFtpLimit},
                                                                          {kFtp, "FTPAccount", kFtpLimit},
                                                                          {kFtp, "FTPPassword", kFtpLimit}}};

// A value is kept up to its limit, so the buffer holds one more.
std::string readNormalised(const IniFile& file, const char* section, const char* key, int limit)
{
    return CUtil::TrimText(file.read(section, key, "", static_cast<std::size_t>(limit) + 1), limit);
}

bool isVerbatim(std::size_t field, const NetworkSectionOptions& options)
{
    return options.verbatimSendEmailPassword && field == NetworkParameters::SendEmailPassword;
}

} // namespace

const NetworkFieldKey& networkFieldKey(std::size_t field)
{
    return kNetworkKeys.at(field);
}

const NetworkFieldKey& smtpSecurityKey()
{
    return kSmtpSslKey;
}

const NetworkFieldKey& ftpFieldKey(std::size_t field)
{
    return kFtpKeys.at(field);
}

bool LoadNetworkSections(const IniFile& file, const NetworkSectionOptions& options,
                         NetworkParameters& current, NetworkParameters& loadedCopy)
{
    for (std::size_t i = 0; i < kNetworkKeys.size(); ++i) {
        const NetworkFieldKey& k = kNetworkKeys[i];
        current.fields[i] = isVerbatim(i, options)
                                ? file.readVerbatim(k.section, k.key, static_cast<std::size_t>(k.limit) + 1)
                                : readNormalised(file, k.section, k.key, k.limit);
        loadedCopy.fields[i] = current.fields[i];
    }
    if (options.hasSmtpSecurity) {
        current.smtpSecurity = readNormalised(file, kInternet, kSmtpSsl, kSmtpSslLimit);
        loadedCopy.smtpSecurity = current.smtpSecurity;
    }
    return true;
}

void SaveNetworkSections(IniFile& file, const NetworkSectionOptions& options, const NetworkParameters& params)
{
    for (std::size_t i = 0; i < kNetworkKeys.size(); ++i) {
        const NetworkFieldKey& k = kNetworkKeys[i];
        if (isVerbatim(i, options))
            file.writeVerbatim(k.section, k.key, params.fields[i]);
        else
            file.write(k.section, k.key, CUtil::TrimText(params.fields[i], k.limit));
    }
    if (options.hasSmtpSecurity)
        file.write(kInternet, kSmtpSsl, CUtil::TrimText(params.smtpSecurity, kSmtpSslLimit));
}

bool LoadFtpSection(const IniFile& file, FtpParameters& params)
{
    for (std::size_t i = 0; i < kFtpKeys.size(); ++i)
        params.fields[i] = readNormalised(file, kFtp, kFtpKeys[i].key, kFtpLimit);
    return true;
}

void SaveFtpSection(IniFile& file, const FtpParameters& params)
{
    for (std::size_t i = 0; i < kFtpKeys.size(); ++i)
        file.write(kFtp, kFtpKeys[i].key, CUtil::TrimText(params.fields[i], kFtpLimit));
}
