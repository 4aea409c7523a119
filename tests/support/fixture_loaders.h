#pragma once

#include "flash/flash_mode.h"

// The synthetic KQ580 loaders of tests/fixtures, embedded by the build the way it embeds the
// real ones.
FlashModeLoaders fixtureLoaders();
