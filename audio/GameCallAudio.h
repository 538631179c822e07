#pragma once

#include "audio/ConversionJob.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class AppContext;
class ConversionTool;

/// The game-call sound of a SAVE: the card's picture folder prepared, the
/// chosen sound converted beside the old one, the way cleared, and the new
/// sound put in place of "ADUI0001.WAV" only once it is complete.
class GameCallAudio
{
public:
    /// Carries a started conversion to its end: synchronously where there
    /// is no window, with a progress window (and Cancel) in the dialogs.
    using ConversionRunner = std::function<ConversionJob::State(ConversionJob&)>;

    GameCallAudio(AppContext& context, ConversionTool& tool);

    void setConversionRunner(ConversionRunner runner) { m_runner = std::move(runner); }

    /// Free bytes in a card folder; the file system's own answer unless a
    /// test stands in a full card.
    using SpaceProbe = std::function<std::optional<std::uintmax_t>(const std::string& folder)>;
    void setSpaceProbe(SpaceProbe probe) { m_spaceProbe = std::move(probe); }

    /// The staging that conversions wait for.
    [[nodiscard]] ConversionTool& tool() { return m_tool; }

    /// Places the chosen sound on the drive of `targetPath` (the parameter
    /// file's save target). Nonzero for success. On any failure the card
    /// keeps the sound it had.
    int PlaceGameCallAudio(const std::string& targetPath);
    /// Converts `source` (a native path) into `target`. A conversion that
    /// cannot start, or that the program rejects, is "Transform Failed."
    /// with the cause as its detail, and leaves no target behind.
    int RunConversion(const std::string& source, const std::string& target);

private:
    [[nodiscard]] std::string temporarySoundPath(const std::string& drive) const;
    void removeLeftoverSounds(const std::string& drive);

    AppContext& m_context;
    ConversionTool& m_tool;
    ConversionRunner m_runner;
    SpaceProbe m_spaceProbe;
};
