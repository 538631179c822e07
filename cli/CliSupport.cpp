#include "cli/CliSupport.h"

#include "camera/CameraDialogBindings.h"
#include "models/CameraDialogLists.h"
#include "params/ParameterFileCodec.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace cli {

namespace {

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            const bool same = equalIgnoringCase(a.substr(i - 1, 1), b.substr(j - 1, 1));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                err << "krt-cli: " << a << " needs a value\n";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--yes") {
            options.yes = true;
        } else if (a == "--model" || a == "--from" || a == "--clock" || a == "--set" || a == "--phone" ||
                   a == "--email") {
            if (!value(v))
                return false;
            if (a == "--model")
                options.model = v;
            else if (a == "--from")
                options.from = v;
            else if (a == "--clock")
                options.clock = v;
            else if (a == "--set")
                options.sets.push_back(v);
            else if (a == "--phone")
                options.phones.push_back(v);
            else
                options.emails.push_back(v);
        } else if (a.size() > 1 && a.front() == '-' && a != "-") {
            err << "krt-cli: unknown option " << a << "\n";
            return false;
        } else {
            options.positional.push_back(a);
        }
    }
    return true;
}

/// The model a name stands for, compared without regard to case; an
/// unknown name is reported with the names close to it.
const ModelDescriptor* findModel(std::string_view name, std::ostream& err)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        if (equalIgnoringCase(model.listEntry, name))
            return &model;
    }
    err << "krt-cli: unknown model \"" << name << "\"";
    std::vector<std::string_view> close;
    const std::string folded = foldedCase(name);
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        const std::string entry = foldedCase(model.listEntry);
        if (editDistance(name, model.listEntry) <= 3 || (!folded.empty() && entry.find(folded) != std::string::npos))
            close.push_back(model.listEntry);
    }
    if (!close.empty()) {
        err << "; did you mean:";
        for (std::size_t i = 0; i < close.size(); ++i)
            err << (i ? ", " : " ") << close[i];
    }
    err << "\n(krt-cli models lists them all)\n";
    return nullptr;
}

bool isEncodedName(const fs::path& path)
{
    return equalIgnoringCase(path.extension().string(), ".BIN");
}

std::optional<std::string> readWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

/// Finds the parameter file (a file, or a card folder holding the model's
/// file in GSM), decodes an encoded one, and works out its model.
std::optional<LoadedFile> loadParameterFile(const std::string& where, const std::optional<std::string>& modelName,
                                            std::ostream& err)
{
    const ModelDescriptor* model = nullptr;
    if (modelName && !(model = findModel(*modelName, err)))
        return std::nullopt;
    fs::path path = where;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        std::vector<fs::path> folders{path / "GSM", path};
        std::optional<fs::path> found;
        for (const fs::path& folder : folders) {
            for (const ModelDescriptor& m : ModelCatalogue::all()) {
                if ((model && &m != model) || !fs::is_regular_file(folder / m.fileName, ec))
                    continue;
                found = folder / m.fileName;
                model = &m;
                break;
            }
            if (found)
                break;
        }
        if (!found) {
            err << "krt-cli: no parameter file" << (model ? " of " + std::string(model->listEntry) : std::string())
                << " in " << where << "\n";
            return std::nullopt;
        }
        path = *found;
    }
    const auto bytes = readWhole(path);
    if (!bytes || bytes->size() > IniFile::kMaxFileBytes) {
        err << "krt-cli: cannot read " << path.string() << " as a parameter file\n";
        return std::nullopt;
    }
    LoadedFile loaded{path, isEncodedName(path) ? ParameterFileCodec::decode(*bytes) : *bytes, model};
    if (!loaded.model) {
        for (const ModelDescriptor& m : ModelCatalogue::all()) {
            if (equalIgnoringCase(m.fileName, path.filename().string()))
                loaded.model = &m;
        }
    }
    if (!loaded.model) {
        const std::string mark = std::string(trimmed(IniDocument(loaded.text).read("KRTFileMark", "Model", "", 15)));
        for (const ModelDescriptor& m : ModelCatalogue::all()) {
            if (m.modelValue == mark)
                loaded.model = &m;
        }
    }
    if (!loaded.model) {
        err << "krt-cli: which model is " << path.string() << " for? Name it with --model\n";
        return std::nullopt;
    }
    return loaded;
}

std::optional<CameraKey> cameraKeyNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kCameraKeyCount; ++i) {
        const auto key = static_cast<CameraKey>(i);
        if (equalIgnoringCase(cameraKeyName(key), trimmed(name)))
            return key;
    }
    return std::nullopt;
}

std::optional<int> toInt(std::string_view text)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

/// What the model's dialog shows for a camera key's stored value; nothing
/// for a key that no list edits.
std::optional<std::string> itemFor(const ModelDescriptor& model, CameraKey key, std::string_view stored)
{
    const auto list = CameraDialogBindings::listFor(model.cameraDialog, key);
    if (!list)
        return std::nullopt;
    if (trimmed(stored).empty() || stored == "-1")
        return std::string("not set");
    const auto value = toInt(stored);
    if (!value)
        return std::string("not a number");
    const std::vector<std::string> items = CameraDialogLists::modelItems(model, *list);
    int position = *value - CameraDialogBindings::offsetOf(key);
    if (key == CameraKey::MaxNumber)
        position = std::min(*value, 100);
    if (position < 0 || position >= static_cast<int>(items.size()))
        return std::string("not in the list");
    return std::string(trimmed(items[static_cast<std::size_t>(position)]));
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace cli
