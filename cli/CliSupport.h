#pragma once

#include "models/CameraLayoutKeys.h"
#include "models/ModelCatalogue.h"
#include "platform/MessageService.h"

#include <filesystem>
#include <ostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What the commands of krt-cli share: the options, finding models and
/// parameter files, the text of camera values, JSON strings.
namespace cli {

namespace fs = std::filesystem;

inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

inline constexpr const char* kCameraSection = "Camera Setting";

struct Options
{
    std::vector<std::string> positional;
    std::optional<std::string> model;
    std::optional<std::string> from;
    std::optional<std::string> clock;
    std::vector<std::string> sets;
    std::vector<std::string> phones;
    std::vector<std::string> emails;
    bool json = false;
    bool yes = false;
    bool help = false;
};

/// Parses the options every command may take; false with a message on a
/// usage error.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err);

/// The model a name stands for, compared without regard to case; an
/// unknown name is reported with the names close to it.
const ModelDescriptor* findModel(std::string_view name, std::ostream& err);

bool isEncodedName(const fs::path& path);
std::optional<std::string> readWhole(const fs::path& path);

struct LoadedFile
{
    fs::path path;
    std::string text;
    const ModelDescriptor* model = nullptr;
};

/// Finds the parameter file (a file, or a card folder holding the model's
/// file in GSM), decodes an encoded one, and works out its model.
std::optional<LoadedFile> loadParameterFile(const std::string& where, const std::optional<std::string>& modelName,
                                            std::ostream& err);

std::optional<CameraKey> cameraKeyNamed(std::string_view name);
std::optional<int> toInt(std::string_view text);

/// What the model's dialog shows for a camera key's stored value; nothing
/// for a key that no list edits.
std::optional<std::string> itemFor(const ModelDescriptor& model, CameraKey key, std::string_view stored);

std::string jsonString(std::string_view text);

/// A message service for a front end without a window: messages go to the
/// error stream, questions are answered by --yes.
class CliMessages : public MessageService
{
public:
    CliMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    MessageAnswer show(const Message& message) override
    {
        m_err << "krt-cli: " << message.text << "\n";
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return m_yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }

private:
    std::ostream& m_err;
    bool m_yes;
};

} // namespace cli
