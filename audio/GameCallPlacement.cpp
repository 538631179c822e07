#include "audio/GameCallPlacement.h"

#include "platform/MessageService.h"

void GameCallPlacement::conversionFailed(const std::string& cause)
{
    m_messages.show({"Transform Failed.", MessageTitle::Application, MessageIcon::Error, MessageButtons::Ok, cause});
}

GameCallPlacement::Next GameCallPlacement::start(bool pictureExists, bool videoExists)
{
    m_renames.clear();
    if (!pictureExists && !videoExists)
        return Next::Write;
    const Message ask{"You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the "
                      "audio file ,continue ?",
                      MessageTitle::KrtTips, MessageIcon::Information, MessageButtons::OkCancel};
    if (m_messages.show(ask) != MessageAnswer::Ok) {
        m_messages.information("You have given up saving audio file !");
        return Next::GiveUp;
    }
    if (pictureExists)
        m_renames.push_back({std::string(kFirstPicture), std::string(kFirstPictureRenamed)});
    if (videoExists)
        m_renames.push_back({std::string(kFirstVideo), std::string(kFirstVideoRenamed)});
    return Next::Rename;
}

GameCallPlacement::Next GameCallPlacement::renamed(bool ok)
{
    if (!ok) {
        m_messages.warning(
            "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n You can delete or rename them manually !",
            MessageTitle::KrtTips);
        return Next::GiveUp;
    }
    return Next::Write;
}

void GameCallPlacement::written(bool ok, const std::string& soundPath, const std::string& cause)
{
    if (!ok) {
        m_messages.show({"Failed to delete " + soundPath + " !", MessageTitle::Application, MessageIcon::Warning,
                         MessageButtons::Ok, cause});
        return;
    }
    // Said only once the sound is in place: before, a failure could follow it.
    if (!m_renames.empty())
        m_messages.show({"OK,audio file have been saved !", MessageTitle::Application, MessageIcon::Information,
                         MessageButtons::Ok});
}
