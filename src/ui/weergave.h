#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <filesystem>

class QWidget;

namespace plovena {

class Regelweergave;

// Courier New at 12 pixels (a fixed-pitch font where it is missing) on the given background.
void MaakMemoOp(Regelweergave& memo, const QColor& achtergrond);

// A font by family and pixel size, with fallback hint.
QFont Lettertype(const QString& familie, int pixels, bool vet = false);

// The windows' own font: Tahoma at 11 pixels, or a narrow sans where it is missing, so the
// captions fit the buttons as designed.
QFont VensterLettertype(int pixels = 11, bool vet = false);

// Shows a window and brings it to the front (activated unless told otherwise).
void NaarVoren(QWidget& venster, bool activeer = true);

// The path of a file name as the dialogs give it, in the file system's own bytes.
std::filesystem::path BestandsPad(const QString& naam);

}  // namespace plovena
