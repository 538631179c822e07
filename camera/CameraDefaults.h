#pragma once

#include "models/ModelCatalogue.h"

class CameraSettings;

/// Fills the model's keys with its factory defaults and sets the set-clock
/// flag. Keys outside the model's section, and B-enc's "Picture Type", keep
/// their values; only TQ330 gets a camera name ("Camera"), the others keep
/// theirs.
void applyCameraDefaults(const ModelDescriptor& model, CameraSettings& settings);
