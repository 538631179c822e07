#include "app/RememberedChoice.h"

#include "platform/RegistryStore.h"

std::optional<std::string> RememberedChoice::value() const
{
    return m_registry.defaultValue(kKey);
}

bool RememberedChoice::store(int position)
{
    return m_registry.setDefaultValue(kKey, std::to_string(position));
}

void RememberedChoice::remove()
{
    m_registry.deleteKey(kKey);
    m_registry.deleteKey(kParentKey);
}
