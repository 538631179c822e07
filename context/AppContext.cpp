#include "context/AppContext.h"

AppContext::AppContext(DriveMap drives, RegistryStore registry, MessageService& messages, const Clock& clock)
    : m_drives(std::move(drives)), m_files(m_drives), m_registry(std::move(registry)), m_messages(messages),
      m_clock(clock)
{
}
