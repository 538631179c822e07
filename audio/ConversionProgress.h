#pragma once

#include "audio/ConversionJob.h"

class QWidget;

/// Carries a started conversion to its end behind a modal progress window
/// with Cancel: the program runs as its own process and the window polls
/// it from a timer, so the dialogs stay painted meanwhile.
ConversionJob::State runWithProgress(QWidget* parent, ConversionJob& job);
