// The fuzz targets' stored inputs (fuzz/corpus/TARGET: seeds and every finding) replayed with
// the targets' own checks in the ordinary build, so a fixed finding stays fixed.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/controle.h"

extern "C" int FuzzDocument(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzRegel(const std::uint8_t* data, std::size_t size);
extern "C" int FuzzCli(const std::uint8_t* data, std::size_t size);

namespace plovena::test {
namespace {

namespace fs = std::filesystem;

using Doel = int (*)(const std::uint8_t*, std::size_t);

void Herhaal(const std::string& naam, Doel doel, bool metVoorbeeld) {
  std::vector<fs::path> invoer;
  const fs::path map = fs::path(PLOVENA_FUZZ_CORPUS) / naam;
  if (fs::is_directory(map))
    for (const auto& e : fs::directory_iterator(map)) invoer.push_back(e.path());
  if (metVoorbeeld) invoer.push_back(fs::path(PLOVENA_EXAMPLES_DIR) / "voorbeeld.ged");
  for (const fs::path& p : invoer) {
    std::ifstream in(p, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
      doel(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    } catch (const fuzz::Overtreding& o) {
      ADD_FAILURE() << p.filename().string() << ": " << o.what();
    }
  }
}

TEST(FuzzHerhaling, Document) { Herhaal("fuzz_document", FuzzDocument, true); }
TEST(FuzzHerhaling, Regel) { Herhaal("fuzz_regel", FuzzRegel, true); }
TEST(FuzzHerhaling, Cli) { Herhaal("fuzz_cli", FuzzCli, false); }

}  // namespace
}  // namespace plovena::test
