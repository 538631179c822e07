#pragma once

#include "audio/ConversionJob.h"

#include <functional>
#include <string>

class AppContext;
class ConversionTool;

/// The game-call sound of a SAVE: the card's picture folder prepared, the
/// way cleared for "ADUI0001.WAV", and the chosen sound converted into it.
class GameCallAudio
{
public:
    /// Carries a started conversion to its end: synchronously where there
    /// is no window, with a progress window (and Cancel) in the dialogs.
    using ConversionRunner = std::function<ConversionJob::State(ConversionJob&)>;

    GameCallAudio(AppContext& context, ConversionTool& tool);

    void setConversionRunner(ConversionRunner runner) { m_runner = std::move(runner); }

    /// The staging that conversions wait for.
    [[nodiscard]] ConversionTool& tool() { return m_tool; }

    /// Places the chosen sound on the drive of `targetPath` (the parameter
    /// file's save target). Nonzero for success.
    int PlaceGameCallAudio(const std::string& targetPath);
    /// Converts `source` (a native path) into `target`. A conversion that
    /// cannot start, or that the program rejects, is "Transform Failed."
    /// and leaves no target behind.
    int RunConversion(const std::string& source, const std::string& target);

private:
    AppContext& m_context;
    ConversionTool& m_tool;
    ConversionRunner m_runner;
};
