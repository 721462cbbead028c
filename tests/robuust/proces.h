#pragma once

// The real plovena-cli in a child process of its own: with its output in files, optionally with
// a limit on its address space or as the user nobody, so that a test can make it run out of
// memory or lose a permission without touching the test itself.

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace plovena::test {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kMetAsan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kMetAsan = true;
#else
inline constexpr bool kMetAsan = false;
#endif
#else
inline constexpr bool kMetAsan = false;
#endif

inline constexpr uid_t kNobody = 65534;

inline std::string Inhoud(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Schrijf(const fs::path& p, std::string_view bytes) {
  std::ofstream uit(p, std::ios::binary | std::ios::trunc);
  uit.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Afloop {
  int status = -1;  // exit status; -1 when the program did not exit by itself
  int signaal = 0;  // the signal that ended it, if any
  std::string out;
  std::string err;
};

struct Startopties {
  std::optional<rlim_t> adresruimte;  // RLIMIT_AS in bytes
  bool alsNobody = false;             // drop root to nobody before the start
};
inline Startopties AlsNobody(bool ja) {
  Startopties s;
  s.alsNobody = ja;
  return s;
}
inline Startopties MetAdresruimte(rlim_t bytes) {
  Startopties s;
  s.adresruimte = bytes;
  return s;
}

// Runs plovena-cli with args; stdout and stderr go to files in map.
inline Afloop StartCli(const std::vector<std::string>& args, const fs::path& map, Startopties opties = {}) {
  const fs::path out = map / ".stdout", err = map / ".stderr";
  std::vector<std::string> argv{PLOVENA_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> c;
  for (auto& a : argv) c.push_back(a.data());
  c.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int i = ::open("/dev/null", O_RDONLY);
    if (o < 0 || e < 0 || i < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0 || ::dup2(i, 0) < 0) ::_exit(126);
    if (opties.alsNobody &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      ::_exit(126);
    if (opties.adresruimte) {
      const rlimit r{*opties.adresruimte, *opties.adresruimte};
      if (::setrlimit(RLIMIT_AS, &r) != 0) ::_exit(126);
    }
    ::execv(c[0], c.data());
    ::_exit(127);
  }
  Afloop a;
  int s = 0;
  if (pid < 0 || ::waitpid(pid, &s, 0) != pid) return a;
  if (WIFEXITED(s)) a.status = WEXITSTATUS(s);
  if (WIFSIGNALED(s)) a.signaal = WTERMSIG(s);
  a.out = Inhoud(out);
  a.err = Inhoud(err);
  std::error_code ec;
  fs::remove(out, ec);
  fs::remove(err, ec);
  return a;
}

inline bool IsRoot() { return ::geteuid() == 0; }

// A fresh folder per test, removed afterwards (also when a test took permissions away).
class Werkmap : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string sjabloon = (fs::temp_directory_path() / "plovena-robuust-XXXXXX").string();
    ASSERT_NE(::mkdtemp(sjabloon.data()), nullptr);
    map_ = sjabloon;
  }
  void TearDown() override {
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(map_, ec))
      if (e.is_directory(ec) && !e.is_symlink(ec)) fs::permissions(e.path(), fs::perms::owner_all, ec);
    fs::permissions(map_, fs::perms::owner_all, ec);
    fs::remove_all(map_, ec);
  }
  fs::path Pad(const std::string& naam) const { return map_ / naam; }
  std::string Maak(const std::string& naam, std::string_view bytes) const {
    Schrijf(Pad(naam), bytes);
    return Pad(naam).string();
  }
  // Names in the folder, sorted: a failed save must leave no temporary file behind.
  std::vector<std::string> Namen(const fs::path& in) const {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(in)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }

  fs::path map_;
};

}  // namespace plovena::test
