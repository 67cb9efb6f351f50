#pragma once

#include "core/config/ScreenLayout.h"

#include <QString>

// The texts that start-up shows: the splash lines and the messages of the screen and printer
// checks. Lines of a message are joined by CR LF.
namespace StartUpMessages {

QString splashResolution(const ScreenMetrics &screen);
QString splashVersion(int major, int minor, int revision);

QString resolutionTitle();
QString resolutionText(const ScreenMetrics &screen);

QString fontTitle();
QString fontText(const ScreenMetrics &screen);

QString noPrinterTitle();
QString noPrinterText();

// The scale switch on a screen too small for the larger editor.
QString largeEditorRefusedText(const ScreenMetrics &screen);

} // namespace StartUpMessages
