#include "document/werkbestand.h"

namespace plovena {

std::string Bestandsnaamdeel(std::string_view pad) {
  std::size_t p = pad.find_last_of("/\\");
  return std::string(p == std::string_view::npos ? pad : pad.substr(p + 1));
}

// TODO: load and save
BestandsFout Ontleed(std::string bytes, Werkbestand& doel) {
  Werkbestand wb;
  static_cast<Regellijst&>(wb) = Regellijst::UitBuffer(std::move(bytes));
  doel = std::move(wb);
  return {};
}
std::string NaarBytes(const Werkbestand& wb) { return wb.Tekst(); }
BestandsFout Laad(const std::filesystem::path&, Werkbestand&) { return {"nog niet gebouwd"}; }
BestandsFout Bewaar(const Werkbestand&, const std::filesystem::path&) { return {"nog niet gebouwd"}; }
BestandsFout BewaarBytes(std::string_view, const std::filesystem::path&) { return {"nog niet gebouwd"}; }

}  // namespace plovena
