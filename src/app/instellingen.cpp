#include "app/instellingen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <new>

#include "document/regel.h"

namespace plovena {

namespace {

bool GelijkZonderCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (HoofdLetter(a[i]) != HoofdLetter(b[i])) return false;
  return true;
}

// "[naam]" gives naam; anything else is no section header.
bool IsSectie(std::string_view regel, std::string_view& naam) {
  std::string_view t = Trim(regel);
  if (t.size() < 2 || t.front() != '[') return false;
  std::size_t sluit = t.find(']');
  if (sluit == std::string_view::npos) return false;
  naam = Trim(t.substr(1, sluit - 1));
  return true;
}

// key=value; blanks around key and value are not part of them (as Windows reads INI files).
bool IsSleutel(std::string_view regel, std::string_view& sleutel, std::string_view& waarde) {
  std::string_view t = Trim(regel);
  if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[') return false;
  std::size_t is = t.find('=');
  if (is == std::string_view::npos) return false;
  sleutel = Trim(t.substr(0, is));
  waarde = Trim(t.substr(is + 1));
  return !sleutel.empty();
}

}  // namespace

bool IniBestand::Lees(const QString& pad) {
  regels_.clear();
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) return false;
  // A file too large for the memory counts as unreadable: start-up goes on with the defaults,
  // and the close leaves the file alone.
  try {
    const QByteArray inhoud = f.readAll();
    std::string_view b(inhoud.constData(), static_cast<std::size_t>(inhoud.size()));
    einde_ = b.find("\r\n") != std::string_view::npos || b.find('\n') == std::string_view::npos ? "\r\n" : "\n";
    std::size_t begin = 0;
    while (begin < b.size()) {
      std::size_t eind = b.find_first_of("\r\n", begin);
      if (eind == std::string_view::npos) {
        regels_.emplace_back(b.substr(begin));
        break;
      }
      regels_.emplace_back(b.substr(begin, eind - begin));
      begin = (b[eind] == '\r' && eind + 1 < b.size() && b[eind + 1] == '\n') ? eind + 2 : eind + 1;
    }
  } catch (const std::bad_alloc&) {
    std::vector<std::string>().swap(regels_);
    return false;
  }
  return true;
}

std::optional<std::string> IniBestand::Waarde(std::string_view sectie, std::string_view sleutel) const {
  bool binnen = false;
  for (const auto& r : regels_) {
    std::string_view naam, s, w;
    if (IsSectie(r, naam)) {
      binnen = GelijkZonderCase(naam, sectie);
    } else if (binnen && IsSleutel(r, s, w) && GelijkZonderCase(s, sleutel)) {
      return std::string(w);
    }
  }
  return std::nullopt;
}

std::string IniBestand::Waarde(std::string_view sectie, std::string_view sleutel,
                               std::string_view standaard) const {
  return Waarde(sectie, sleutel).value_or(std::string(standaard));
}

void IniBestand::Zet(std::string_view sectie, std::string_view sleutel, std::string_view waarde) {
  bool binnen = false;
  std::size_t naLaatste = regels_.size();  // where a new key of the section goes
  bool sectieGevonden = false;
  for (std::size_t i = 0; i < regels_.size(); ++i) {
    std::string_view naam, s, w;
    if (IsSectie(regels_[i], naam)) {
      if (binnen) break;  // the first section of that name is the one that is read
      binnen = GelijkZonderCase(naam, sectie);
      if (binnen) {
        sectieGevonden = true;
        naLaatste = i + 1;
      }
    } else if (binnen) {
      if (IsSleutel(regels_[i], s, w) && GelijkZonderCase(s, sleutel)) {
        std::string regel(s);
        regel += '=';
        regel += waarde;
        regels_[i] = std::move(regel);
        return;
      }
      if (!Trim(regels_[i]).empty()) naLaatste = i + 1;
    }
  }
  std::string regel(sleutel);
  regel += '=';
  regel += waarde;
  if (sectieGevonden) {
    regels_.insert(regels_.begin() + static_cast<std::ptrdiff_t>(naLaatste), std::move(regel));
    return;
  }
  if (!regels_.empty() && !Trim(regels_.back()).empty()) regels_.emplace_back();
  std::string kop = "[";
  kop += sectie;
  kop += ']';
  regels_.push_back(std::move(kop));
  regels_.push_back(std::move(regel));
}

bool IniBestand::Schrijf(const QString& pad) const {
  std::string uit;
  for (const auto& r : regels_) {
    uit += r;
    uit += einde_;
  }
  QSaveFile f(pad);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(uit.data(), static_cast<qint64>(uit.size())) != static_cast<qint64>(uit.size())) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

QDate StandaardDatum() { return QDate(2000, 1, 1); }

QString DatumTekst(const QDate& d) { return d.toString(QStringLiteral("d-M-yyyy")); }

QDate LeesDatum(std::string_view tekst) {
  const QString t = QString::fromUtf8(Trim(tekst).data(), static_cast<qsizetype>(Trim(tekst).size()));
  for (const char* vorm : {"d-M-yyyy", "dd-MM-yyyy", "yyyy-MM-dd"}) {
    QDate d = QDate::fromString(t, QString::fromLatin1(vorm));
    if (d.isValid()) return d;
  }
  return {};
}

Instellingen LeesInstellingen(const QString& pad) {
  Instellingen w;
  w.lastDate = StandaardDatum();
  IniBestand ini;
  if (!ini.Lees(pad)) return w;
  w.lastInputFile = ini.Waarde("Use", "LastInputFile", "");
  if (auto d = ini.Waarde("Use", "LastDate")) {
    QDate gelezen = LeesDatum(*d);
    if (gelezen.isValid()) w.lastDate = gelezen;
  }
  w.lastDelTags = ini.Waarde("Presets", "LastDelTags", "");
  return w;
}

bool SchrijfInstellingen(const QString& pad, const Instellingen& w, bool openGeprobeerd) {
  const QString datum = DatumTekst(w.lastDate);
  const bool datumSchrijven = datum != QStringLiteral("1-1-2000");
  const bool tagsSchrijven = !w.lastDelTags.empty();
  if (!openGeprobeerd && !datumSchrijven && !tagsSchrijven) return true;

  IniBestand ini;
  if (!ini.Lees(pad) && QFileInfo::exists(pad)) return false;  // never overwrite what could not be read
  // The configuration folder need not exist yet on a first run; QSaveFile makes no folders.
  if (!QDir().mkpath(QFileInfo(pad).path())) return false;
  if (openGeprobeerd) ini.Zet("Use", "LastInputFile", w.lastInputFile);
  if (datumSchrijven) ini.Zet("Use", "LastDate", datum.toStdString());
  if (tagsSchrijven) ini.Zet("Presets", "LastDelTags", w.lastDelTags);
  return ini.Schrijf(pad);
}

QString KiesInstellingenPad(const QString& exe, bool schrijfbaar, const QString& configMap) {
  const QFileInfo f(exe);
  if (schrijfbaar || configMap.isEmpty())
    return f.path() + QLatin1Char('/') + f.completeBaseName() + QStringLiteral(".ini");
  return configMap + QStringLiteral("/plovena.ini");
}

bool MapSchrijfbaar(const QString& map) {
  QTemporaryFile proef(map + QStringLiteral("/.plovena-XXXXXX"));
  return proef.open();  // removed again when proef goes
}

QString StandaardInstellingenPad() {
  // The settings belong beside the executable, and there they stay for a portable copy and on
  // Windows. An installed program sits in a folder such as /usr/bin that its user cannot write:
  // there the settings would never be kept, so they go to the user's configuration folder.
  const QString exe = QCoreApplication::applicationFilePath();
  return KiesInstellingenPad(exe, MapSchrijfbaar(QFileInfo(exe).path()),
                             QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace plovena
