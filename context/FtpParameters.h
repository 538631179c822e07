#pragma once

#include <array>
#include <cstddef>
#include <string>

/// The FTP settings ("Via FTP Settings").
struct FtpParameters
{
    enum Field : std::size_t
    {
        FtpServer,
        FtpPort,
        FtpAccount,
        FtpPassword,
        FieldCount
    };

    std::array<std::string, FieldCount> fields;

    friend bool operator==(const FtpParameters&, const FtpParameters&) = default;
};
