#pragma once

#include <optional>
#include <string>

class RegistryStore;

/// The remembered model choice: the unnamed value of
/// "Software\Tavrinoxa\UserModelSel", "-1" or a list position in decimal.
class RememberedChoice
{
public:
    static constexpr const char* kKey = "Software\\Tavrinoxa\\UserModelSel";
    static constexpr const char* kParentKey = "Software\\Tavrinoxa";

    explicit RememberedChoice(RegistryStore& registry) : m_registry(registry) {}

    /// The stored text, or nothing when the key or its value is missing.
    [[nodiscard]] std::optional<std::string> value() const;
    /// Creates the key when needed and stores the position ("%d").
    bool store(int position);
    /// Deletes the key, then its parent.
    void remove();

private:
    RegistryStore& m_registry;
};
