#include "params/TargetDisks.h"

#include "context/AppContext.h"
#include "params/MainParaCore.h"
#include "platform/CUtil.h"

namespace TargetDisks {

namespace {

bool usable(const AppContext& context, const std::string& root)
{
    return context.drives().isUsable(root.front());
}

std::string cardPath(const MainParaCore& core, const std::string& root)
{
    return root + core.fileTexts().relativeCardPath;
}

} // namespace

const std::array<std::string, kRootCount>& driveRoots()
{
    static const std::array<std::string, kRootCount> roots = [] {
        std::array<std::string, kRootCount> r;
        for (int i = 0; i < kRootCount; ++i)
            r[static_cast<std::size_t>(i)] = std::string(1, static_cast<char>('C' + i)) + ":\\";
        return r;
    }();
    return roots;
}

void search(AppContext& context, MainParaCore& core)
{
    FileSystem& files = context.files();
    MessageService& messages = context.messages();
    SaveTargetList& list = core.saveTargets();
    list.clear();
    context.rescanDrives();
    // Saves killed midway leave their temporary files in the folders written to.
    files.removeSaveTemporaries(core.fileTexts().backupFolder);

    bool found = false;
    int lastUsable = -1;
    for (int i = 0; i < kRootCount; ++i) {
        const std::string& root = driveRoots()[static_cast<std::size_t>(i)];
        if (!usable(context, root))
            continue;
        files.removeSaveTemporaries(root + core.fileTexts().folder);
        core.removeTemporaryPlainFiles(root);
        const std::string path = cardPath(core, root);
        // The encoded file is opened as its plain text once was: without
        // its read-only mark, so that a later save can replace it.
        if (core.variant() == MainParaCore::Variant::Encrypted)
            CUtil::ClearReadOnlyAttribute(files, path);
        list.insertSorted(path);
        if (core.IsValidParameterFile(path)) {
            found = true;
            core.setSaveTarget(path);
        } else if (!found) {
            lastUsable = i;
        }
    }

    if (found) {
        list.selectText(core.saveTarget());
        core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile);
        return;
    }
    if (lastUsable < 0) {
        core.Mng_AllParaSetDefault();
        messages.error("No disk is valid !");
        return;
    }

    list.selectLast();
    const std::string& root = driveRoots()[static_cast<std::size_t>(lastUsable)];
    files.createDirectory(root + core.fileTexts().folder);
    const std::string path = cardPath(core, root);
    if (files.exists(path)) {
        CUtil::ClearReadOnlyAttribute(files, path);
        if (!files.deleteFile(path))
            messages.warning("Can't delete invalid file \"" + path + " \",\nPlease delete it manually!");
    }
    core.setSaveTarget(path);

    const ModelFileTexts& texts = core.fileTexts();
    if (files.isDirectory(texts.backupFolder)) {
        if (core.IsValidParameterFile(texts.backupPath)) {
            core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kBackupCopy);
        } else {
            core.Mng_AllParaSetDefault();
            // The backup's read-only mark is respected: it may be the user's.
            if (files.exists(texts.backupPath) && !files.deleteFile(texts.backupPath))
                messages.warning("Can't delete invalid back-up file,\nPlease delete it manually!");
        }
    } else {
        files.createDirectory(texts.backupFolder);
        core.Mng_AllParaSetDefault();
    }
}

bool refresh(AppContext& context, MainParaCore& core)
{
    SaveTargetList& list = core.saveTargets();
    context.rescanDrives();
    bool changed = false;
    for (const std::string& root : driveRoots()) {
        const std::string path = cardPath(core, root);
        const bool isListed = list.contains(path);
        if (usable(context, root)) {
            if (!isListed) {
                list.append(path);
                changed = true;
            }
        } else if (isListed) {
            list.remove(path);
            list.selectLast();
            if (list.selected() >= 0)
                core.setSaveTarget(list.items()[static_cast<std::size_t>(list.selected())]);
            changed = true;
        }
    }
    return changed;
}

void removeFromOtherDisks(AppContext& context, MainParaCore& core)
{
    FileSystem& files = context.files();
    const std::string targetRoot = core.saveTarget().substr(0, 3);
    for (const std::string& root : driveRoots()) {
        if (root == targetRoot || !files.isDirectory(root + core.fileTexts().folder))
            continue;
        const std::string path = cardPath(core, root);
        // A card reachable under two letters holds the saved file under both.
        if (!core.IsValidParameterFile(path) || files.isSameFile(path, core.saveTarget()))
            continue;
        CUtil::ClearReadOnlyAttribute(files, path);
        core.removeTemporaryPlainFiles(root);
        if (!files.deleteFile(path))
            context.messages().warning("Can't delete \"" + path + "\",Please delete it manually!",
                                       MessageTitle::KrtTips);
    }
}

} // namespace TargetDisks
