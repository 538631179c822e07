#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The few registry operations the tool needs, over a folder tree: one folder
/// per key ("Software\Tavrinoxa" is <root>/Software/Tavrinoxa) and the key's
/// unnamed value in a file of that folder.
class RegistryStore
{
public:
    explicit RegistryStore(std::string rootDir);

    /// KRT_REGISTRY_ROOT when set, else $XDG_CONFIG_HOME/krt-config/registry.
    [[nodiscard]] static RegistryStore fromEnvironment();

    [[nodiscard]] const std::string& root() const { return m_root; }

    /// Creates the key and any missing parent keys; an existing key is opened.
    bool createKey(std::string_view key);
    /// Fails when the key is missing or still has subkeys, as on Windows.
    bool deleteKey(std::string_view key);
    [[nodiscard]] bool keyExists(std::string_view key) const;

    /// Sets the unnamed value, creating the key when needed.
    bool setDefaultValue(std::string_view key, std::string_view value);
    /// The unnamed value, or nothing when the key or the value is missing.
    [[nodiscard]] std::optional<std::string> defaultValue(std::string_view key) const;

private:
    [[nodiscard]] std::string keyDir(std::string_view key) const;

    std::string m_root;
};
