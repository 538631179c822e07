#pragma once

#include <array>
#include <string>

class AppContext;
class MainParaCore;

/// Where the parameter file goes: the drives C: to Z: are tried in order,
/// each usable one is offered as a save target, and the valid file on the
/// highest drive wins. After a save, this model's files on the other drives
/// are removed so that only the target holds one.
namespace TargetDisks {

inline constexpr int kRootCount = 24;

/// "C:\" to "Z:\", in that order.
[[nodiscard]] const std::array<std::string, kRootCount>& driveRoots();

/// Fills the save-target list, chooses the target and loads the parameter
/// set from the card file, else the backup copy, else the defaults.
void search(AppContext& context, MainParaCore& core);

/// On opening the drop-down: drives that appeared are appended at the end;
/// drives that went are removed, and the last entry becomes the selection
/// and the save target. Returns whether the list changed.
bool refresh(AppContext& context, MainParaCore& core);

/// Deletes valid files of this model from every drive but the target's.
void removeFromOtherDisks(AppContext& context, MainParaCore& core);

} // namespace TargetDisks
