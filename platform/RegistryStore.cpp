#include "platform/RegistryStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
// A name no key can take: key names never contain parentheses here.
constexpr const char* kDefaultValueFile = "(Default)";
} // namespace

RegistryStore::RegistryStore(std::string rootDir) : m_root(std::move(rootDir)) {}

RegistryStore RegistryStore::fromEnvironment()
{
    if (const char* root = std::getenv("KRT_REGISTRY_ROOT"); root && *root)
        return RegistryStore(root);
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = fs::path(home) / ".config";
    else
        config = fs::temp_directory_path();
    return RegistryStore((config / "krt-config" / "registry").string());
}

std::string RegistryStore::keyDir(std::string_view key) const
{
    fs::path dir(m_root);
    std::string part;
    for (const char c : key) {
        if (c == '\\') {
            if (!part.empty())
                dir /= part;
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty())
        dir /= part;
    return dir.string();
}

bool RegistryStore::createKey(std::string_view key)
{
    std::error_code ec;
    fs::create_directories(keyDir(key), ec);
    return fs::is_directory(keyDir(key), ec);
}

bool RegistryStore::keyExists(std::string_view key) const
{
    std::error_code ec;
    return fs::is_directory(keyDir(key), ec);
}

bool RegistryStore::deleteKey(std::string_view key)
{
    const fs::path dir = keyDir(key);
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (entry.is_directory(ec))
            return false;
    }
    fs::remove_all(dir, ec);
    return !ec;
}

bool RegistryStore::setDefaultValue(std::string_view key, std::string_view value)
{
    if (!createKey(key))
        return false;
    std::ofstream out(fs::path(keyDir(key)) / kDefaultValueFile, std::ios::binary | std::ios::trunc);
    out.write(value.data(), static_cast<std::streamsize>(value.size()));
    return static_cast<bool>(out.flush());
}

std::optional<std::string> RegistryStore::defaultValue(std::string_view key) const
{
    std::ifstream in(fs::path(keyDir(key)) / kDefaultValueFile, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
