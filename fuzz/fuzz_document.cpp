// Arbitrary bytes opened as a file: every command of the table on a fresh copy, then a few in a
// row on one copy, then saving to memory. A broken invariant aborts with what broke.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/opdrachten.h"
#include "document/bronprogramma.h"
#include "document/werkbestand.h"
#include "fuzz/controle.h"
#include "fuzz/invarianten.h"

namespace plovena::fuzz {
namespace {

// Choices drawn from the input as a whole, so that every byte stays part of the document.
struct Keuzes {
  std::uint64_t toestand;
  explicit Keuzes(std::string_view bytes) : toestand(1469598103934665603ull) {
    for (unsigned char c : bytes) toestand = (toestand ^ c) * 1099511628211ull;
  }
  std::uint64_t Volgende() {
    std::uint64_t z = (toestand += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
};

void Richt(ControleOmgeving& o, Keuzes& k, std::string_view bytes) {
  o.keuze = static_cast<TagKeuze>(k.Volgende() % 3);
  o.bits = k.Volgende();
  // A selection text taken from the input itself, so that it holds the document's own tags.
  const std::size_t begin = bytes.empty() ? 0 : k.Volgende() % bytes.size();
  o.tekst = std::string(bytes.substr(begin, k.Volgende() % 48));
}

// Runs one command and checks what it did; the document is left as the command left it.
void Voer(const Opdracht& opdracht, Toestand& t, Keuzes& k, std::string_view bytes) {
  const std::vector<std::string> voor = Kopie(t.werkbestand);
  ControleOmgeving o;
  Richt(o, k, bytes);
  try {
    const Resultaat r = opdracht.uitvoering(t, o);
    Controleer(ControleerResultaat(opdracht.id, voor, t, r, o), opdracht.handler);
  } catch (const OpdrachtFout& e) {
    Controleer(ControleerFout(opdracht.id, voor, t, o), opdracht.handler);
  }
}

void Test(std::string_view bytes) {
  Werkbestand wb;
  wb.VoegToe("blijft");
  if (BestandsFout f = Ontleed(std::string(bytes), wb)) {
    // Only malformed UTF-16 is refused, with a sentence of its own, and the target stays.
    Controleer(f.tekst.starts_with("Ongeldige UTF-16-tekst: ") && f.tekst.ends_with("."), f.tekst);
    Controleer(wb.Count() == 1 && wb[0] == "blijft", "Ontleed veranderde zijn doel bij een fout");
    return;
  }
  const std::string opgeslagen = NaarBytes(wb);
  Controleer(opgeslagen == VerwachtNaOpslaan(bytes), "opslaan geeft andere bytes dan de invoer");
  {
    Werkbestand weer;
    Controleer(!Ontleed(opgeslagen, weer), "het opgeslagen bestand is niet te openen");
    Controleer(weer.codering == wb.codering && Gelijk(Kopie(wb), weer), "opnieuw geopend anders");
  }

  Toestand basis;
  basis.werkbestand = wb;
  basis.inputbestandsnaam = "/tmp/fuzz.ged";
  basis.bestandIngelezen = true;
  basis.bronprogramma = BepaalBronprogramma(basis.werkbestand, basis.inputbestandsnaam).bronprogramma;
  Keuzes k(bytes);
  // The last-used selection comes from the settings file, which may hold anything.
  if (!bytes.empty())
    basis.lastDelTags = std::string(bytes.substr(k.Volgende() % bytes.size(), k.Volgende() % 32));
  const std::vector<std::string> origineel = Kopie(basis.werkbestand);

  std::vector<const Opdracht*> uitvoerbaar;
  for (const Opdracht& o : Opdrachten()) {
    if (!o.uitvoering) continue;
    uitvoerbaar.push_back(&o);
    Toestand t = basis;  // a copy shares the storage: the original must not see the edits
    Voer(o, t, k, bytes);
    Controleer(Gelijk(origineel, basis.werkbestand),
               "een kopie van het werkbestand veranderde het origineel");
  }

  // A few in a row on one document, as a user runs them.
  Toestand t = basis;
  const std::size_t aantal = 2 + k.Volgende() % 5;
  for (std::size_t i = 0; i < aantal; ++i) Voer(*uitvoerbaar[k.Volgende() % uitvoerbaar.size()], t, k, bytes);

  const std::string bytesNa = NaarBytes(t.werkbestand);
  if (t.werkbestand.codering == Codering::Bytes || t.werkbestand.codering == Codering::Utf8Bom) {
    Controleer(bytesNa == Tekstvorm(t.werkbestand), "opslaan na de opdrachten schreef andere bytes");
  } else {
    // A command may cut a UTF-8 sequence; saving writes U+FFFD for it and never fails.
    Werkbestand weer;
    Controleer(!Ontleed(bytesNa, weer), "UTF-16 na de opdrachten niet meer te openen");
    Controleer(weer.Count() == t.werkbestand.Count(), "UTF-16 na de opdrachten: ander aantal regels");
  }
}

}  // namespace
}  // namespace plovena::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plovena::fuzz::Test(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
