#pragma once

#include "models/CameraLayoutKeys.h"
#include "models/ModelCatalogue.h"
#include "models/ValueRule.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// What each camera key of a model's file may hold, taken from what the
/// model's camera dialog lets the user choose: the positions of its drop
/// lists, its radios, the Work Day boxes, the clock pickers, the name field.
namespace CameraValueRules {

/// The key's rule for the model: the drop list of the model's dialog that
/// edits it; else the key's own rule (Work Day, the clock fields, the
/// send-to and send-mode radios); else the list another dialog shows for it
/// (B-enc's "Picture Type", which dialog 143 keeps as read).
[[nodiscard]] ValueRule ruleFor(const ModelDescriptor& model, CameraKey key);

/// "Camera Name": the bytes the model's name field takes.
[[nodiscard]] ValueRule cameraNameRule(const ModelDescriptor& model);

/// "Clock Year" … "Clock Second".
[[nodiscard]] bool isClockKey(CameraKey key);

/// What the dialogs decide over several keys: the six clock values are a
/// real date and time in the years the clock takes, and Time Lapse and PIR
/// Trigger are not both OFF where the dialog has that rule. `valueOf` gives
/// a key's stored number, nothing where the key holds none.
[[nodiscard]] std::vector<std::string>
crossKeyProblems(const ModelDescriptor& model, const std::function<std::optional<int>(CameraKey)>& valueOf);

} // namespace CameraValueRules
