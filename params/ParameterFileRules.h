#pragma once

#include "models/CameraLayoutKeys.h"
#include "models/ModelCatalogue.h"
#include "models/ValueRule.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// One key of a model's parameter file, what it may hold, and the record
/// field it stands for.
struct FileKeyRule
{
    enum class Field
    {
        FileMark,     // the model's own "Model" value
        Network,      // `NetworkParameters::fields[index]`
        SmtpSecurity, // `NetworkParameters::smtpSecurity`
        Ftp,          // `FtpParameters::fields[index]`
        Customer,     // the main dialog's customer field `index`
        Camera,       // the camera settings value of `cameraKey`
        CameraName,
    };

    std::string section;
    std::string key;
    ValueRule rule;
    Field field = Field::FileMark;
    std::size_t index = 0;
    CameraKey cameraKey = CameraKey::Language;
};

/// A finding in a parameter text: where, the value found, and what is wrong.
struct FileProblem
{
    std::string section;
    std::string key;
    std::string value;
    std::string text;
    /// The key is not in the file at all.
    bool missing = false;
};

/// The whole parameter file of a model as rules: every key a save writes,
/// in file order, with the values the dialogs can store in it.
namespace ParameterFileRules {

/// Every key of the model's file in the order a save writes them.
[[nodiscard]] std::vector<FileKeyRule> keysOf(const ModelDescriptor& model);

/// The key as the file engine finds it: names compared without regard to
/// case and blanks at their ends; nullptr when the file has no such key.
[[nodiscard]] const FileKeyRule* find(const std::vector<FileKeyRule>& keys, std::string_view section,
                                      std::string_view key);

/// Every problem of a parameter text for the model: a file mark of another
/// model, keys its file does not have, keys given twice or missing, values
/// no dialog would store, and what the dialogs decide over several keys.
[[nodiscard]] std::vector<FileProblem> problemsOf(const ModelDescriptor& model, std::string_view text);

} // namespace ParameterFileRules
