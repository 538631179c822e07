#pragma once

#include "context/CameraSettings.h"
#include "context/FtpParameters.h"
#include "context/NetworkParameters.h"

#include <string>

/// The records that live as long as the process: the open model's camera
/// settings and network settings, and the game-call sound the user chose.
/// The main dialog fills them when it opens and writes them on SAVE; the
/// secondary dialogs change them in place when the user confirms.
struct ParameterRecords
{
    CameraSettings cameraSettings;
    NetworkParameters networkParameters;
    /// What the last load read, kept apart from later edits (`LoadedNetworkCopy`).
    NetworkParameters loadedNetworkCopy;
    FtpParameters ftpParameters;
    /// Full path of the chosen sound file, or empty; never stored (`GameCallAudioPath`).
    std::string gameCallAudioPath;
};
