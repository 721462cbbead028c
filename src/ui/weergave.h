#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <filesystem>

namespace plovena {

class Regelweergave;

// Courier New at 12 pixels (a fixed-pitch font where it is missing) on the given background.
void MaakMemoOp(Regelweergave& memo, const QColor& achtergrond);

// A font by family and pixel size, with fallback hint.
QFont Lettertype(const QString& familie, int pixels, bool vet = false);

// The path of a file name as the dialogs give it, in the file system's own bytes.
std::filesystem::path BestandsPad(const QString& naam);

}  // namespace plovena
