#pragma once

// Temporary folders and whole-file reads and writes for the CLI tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace plovena::test {

namespace fs = std::filesystem;

inline std::string LeesBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void SchrijfBytes(const fs::path& p, std::string_view bytes) {
  std::ofstream uit(p, std::ios::binary | std::ios::trunc);
  uit.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test, removed afterwards.
class TijdelijkeMap : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string sjabloon = (fs::temp_directory_path() / "plovena-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(sjabloon.data()), nullptr);
    map_ = sjabloon;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(map_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(map_, ec);
  }
  fs::path Pad(const std::string& naam) const { return map_ / naam; }
  std::string Maak(const std::string& naam, std::string_view bytes) const {
    SchrijfBytes(Pad(naam), bytes);
    return Pad(naam).string();
  }

  fs::path map_;
};

inline std::string Voorbeeld() { return std::string(PLOVENA_EXAMPLES_DIR) + "/voorbeeld.ged"; }

}  // namespace plovena::test
