#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

class MessageService;

/// The card's side of placing a game-call sound, for every front end
/// (the desktop converts with FFmpeg, the web page with Web Audio, and each
/// reaches the card its own way): which folders to make, which question to
/// ask when the card holds a first picture or video, which renames follow,
/// and what a Cancel or a failed step means. Nothing on the card is renamed
/// or replaced before the new sound is complete, and the old
/// "ADUI0001.WAV" is replaced by it in one step. Paths are relative to the
/// card's root.
class GameCallPlacement
{
public:
    static constexpr std::array<std::string_view, 2> kFolders{"\\DCIM\\", "\\DCIM\\100KRTIM\\"};
    static constexpr std::string_view kSoundFile = "\\DCIM\\100KRTIM\\ADUI0001.WAV";
    static constexpr std::string_view kFirstPicture = "\\DCIM\\100KRTIM\\IMAG0001.JPG";
    static constexpr std::string_view kFirstVideo = "\\DCIM\\100KRTIM\\VIDE0001.AVI";
    static constexpr std::string_view kFirstPictureRenamed = "\\DCIM\\100KRTIM\\IMAG0001_RenameForSaveAudioFile.JPG";
    static constexpr std::string_view kFirstVideoRenamed = "\\DCIM\\100KRTIM\\VIDE0001_RenameForSaveAudioFile.AVI";

    struct Rename
    {
        std::string from;
        std::string to;
    };

    enum class Next
    {
        Rename,  // do renames(), in order, then report renamed()
        Write,   // write the sound file
        GiveUp,  // nothing more is placed; the user has been told
    };

    explicit GameCallPlacement(MessageService& messages) : m_messages(messages) {}

    /// The source could not be turned into a sound: "Transform Failed.",
    /// and the card is not touched.
    void conversionFailed(const std::string& cause);

    /// With the folders made and the sound converted: a first picture or
    /// video on the card must give way, which the user is asked about
    /// (Cancel gives up placing the sound).
    Next start(bool pictureExists, bool videoExists);
    /// The renames start() asked for, the picture's first.
    [[nodiscard]] const std::vector<Rename>& renames() const { return m_renames; }
    /// How the renames went: a failed one is reported and ends the placing
    /// (a picture that already took its new name keeps it).
    Next renamed(bool ok);
    /// How putting the new sound in place of `soundPath` went: a failure is
    /// reported with its cause; after renames, the success is told.
    void written(bool ok, const std::string& soundPath, const std::string& cause);

private:
    MessageService& m_messages;
    std::vector<Rename> m_renames;
};
