#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plovena {

// A small INI file kept as its lines, so that writing a key changes that one line and leaves
// every other line, comment and key exactly as it was. Values are taken raw: no escapes, no
// quotes, a backslash is a backslash (the files come from a Windows program).
class IniBestand {
 public:
  // False when the file cannot be read; the object is then empty.
  bool Lees(const QString& pad);
  // The value of the key, if any; sections and keys compare without regard to case, as on
  // Windows.
  std::optional<std::string> Waarde(std::string_view sectie, std::string_view sleutel) const;
  std::string Waarde(std::string_view sectie, std::string_view sleutel, std::string_view standaard) const;
  void Zet(std::string_view sectie, std::string_view sleutel, std::string_view waarde);
  // Writes every line back (atomically); false when the file cannot be written.
  bool Schrijf(const QString& pad) const;

  const std::vector<std::string>& Regels() const { return regels_; }

 private:
  std::vector<std::string> regels_;
  std::string einde_ = "\r\n";  // line end of the file read, CR LF for a new one
};

// The three remembered values.
struct Instellingen {
  std::string lastInputFile;
  QDate lastDate;
  std::string lastDelTags;
};

QDate StandaardDatum();                   // 1 January 2000
QString DatumTekst(const QDate& d);       // d-M-yyyy
QDate LeesDatum(std::string_view tekst);  // d-M-yyyy, dd-MM-yyyy or yyyy-MM-dd; invalid otherwise

// Reads the settings at start; a missing or unreadable file gives the defaults.
Instellingen LeesInstellingen(const QString& pad);

// Writes at close only what has to be written: LastInputFile when an open was attempted,
// LastDate when it is no longer the default, LastDelTags when it is not empty. Nothing to
// write leaves the file alone (it is not created, nor its folder). A missing folder is made
// first. False when writing failed.
bool SchrijfInstellingen(const QString& pad, const Instellingen& w, bool openGeprobeerd);

// Where the settings live: beside the executable (its path with ".ini" for the extension) when
// that folder can be written, else plovena.ini in the user's configuration folder, for reading
// and writing alike. An empty configuration folder (none could be found) keeps the place beside
// the executable: writing then fails softly, as on any unwritable disk.
QString KiesInstellingenPad(const QString& exe, bool schrijfbaar, const QString& configMap);
// True when a file can really be made in the folder (a permission test alone is not enough on
// Windows, where folder attributes say nothing of the rights). Leaves nothing behind.
bool MapSchrijfbaar(const QString& map);
// The choice above for the running executable.
QString StandaardInstellingenPad();

}  // namespace plovena
