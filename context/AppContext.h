#pragma once

#include "context/ParameterRecords.h"
#include "platform/Clock.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/RegistryStore.h"

/// The services one run of the tool works with, built once at start-up and
/// handed by reference to every flow and dialog, so a test can build a fresh
/// one over temporary folders, a recording message service and a fixed clock.
class AppContext
{
public:
    AppContext(DriveMap drives, RegistryStore registry, MessageService& messages, const Clock& clock);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    [[nodiscard]] const DriveMap& drives() const { return m_drives; }
    /// Looks again for volumes mounted or unmounted since the last look.
    void rescanDrives() { m_drives.rescanSystem(); }
    [[nodiscard]] FileSystem& files() { return m_files; }
    [[nodiscard]] RegistryStore& registry() { return m_registry; }
    [[nodiscard]] MessageService& messages() { return m_messages; }
    [[nodiscard]] const Clock& clock() const { return m_clock; }
    [[nodiscard]] ParameterRecords& records() { return m_records; }

private:
    DriveMap m_drives;
    FileSystem m_files;
    RegistryStore m_registry;
    MessageService& m_messages;
    const Clock& m_clock;
    ParameterRecords m_records;
};
