#pragma once

#include "core/config/ScreenLayout.h"

// The primary screen as the layout rules see it: size in logical pixels and logical dpi
// (96 when the platform gives none).
ScreenMetrics readPrimaryScreen();
