#pragma once

#include <QString>

struct PrintLayout;

// ParametresImp.txt: the print layout between runs, one value per line, 203 lines:
// X of items 0..52, X of items 56..102 (the pitches have no X), then Y of items 0..102.
namespace PrintLayoutFile {

constexpr int LineCount = 203;
// The X values come first: a file of an older version holds them all and fewer Y values.
constexpr int XLineCount = 100;

QString path(const QString &dataFolder);

// Whether the file can be loaded, as ChargeParaImp reads it. A file that exists and cannot is
// never written over: the driver's calibration may be in it.
bool existsUnreadable(const QString &dataFolder);

// The lines of the file for a layout, each value trimmed.
QStringList lines(const PrintLayout &layout);

// Takes the lines in file order; entries beyond the last line keep their values.
void applyLines(PrintLayout &layout, const QStringList &lines);

} // namespace PrintLayoutFile

// Loads the layout from the data folder. A missing, short or unreadable file is not an error:
// every entry it does not reach keeps the value it had.
void ChargeParaImp(PrintLayout &layout, const QString &dataFolder);

// ChargeParaImp, unless the layout was loaded already during this run and the file is still the
// one it was loaded from: a file that another program put in place since (a sync, a copy made by
// hand) is read again rather than written over later with the tables of the start.
void ensureLoaded(PrintLayout &layout, const QString &dataFolder);

// Replaces the file atomically. On failure `error` receives a French explanation and the
// previous file is left whole. Callers load the layout again after a save, so that memory holds
// exactly what the file holds.
bool SauveParametresImp(const PrintLayout &layout, const QString &dataFolder,
                        QString *error = nullptr);
