// The settings file as the disk may leave it, beyond the GUI tests' cases: unreadable, enormous,
// not writable at close. Start-up gets the defaults and close reports failure; neither throws.
// No window is needed: the INI reader and writer work on files alone.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <cstdlib>

#include "app/instellingen.h"
#include "robuust/proces.h"

namespace plovena::test {
namespace {

using Instellingenbestand = Werkmap;

QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }

constexpr std::string_view kGeldig = "[Use]\r\nLastInputFile=C:\\Gen\\a.ged\r\nLastDate=24-12-2022\r\n";

bool IsStandaard(const Instellingen& w) {
  return w.lastInputFile.empty() && w.lastDate == StandaardDatum() && w.lastDelTags.empty();
}

// Runs f in a child (as nobody, or with little address space) and gives its exit status.
template <typename F>
int InKind(F f, Startopties opties) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (opties.alsNobody &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      ::_exit(126);
    if (opties.adresruimte) {
      const rlimit r{*opties.adresruimte, *opties.adresruimte};
      if (::setrlimit(RLIMIT_AS, &r) != 0) ::_exit(126);
    }
    try {
      ::_exit(f() ? 0 : 1);
    } catch (...) {
      ::_exit(2);  // an exception would end the program at start-up
    }
  }
  int s = 0;
  if (pid < 0 || ::waitpid(pid, &s, 0) != pid) return -1;
  return WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
}

TEST_F(Instellingenbestand, OnleesbaarGeeftDeStandaard) {
  const fs::path p = Maak("plovena.ini", kGeldig);
  ::chmod(p.c_str(), 0);
  auto lees = [&] { return IsStandaard(LeesInstellingen(Q(p))); };
  if (IsRoot()) {
    ::chmod(map_.c_str(), 0755);
    EXPECT_EQ(InKind(lees, AlsNobody(true)), 0);
  } else {
    EXPECT_TRUE(lees());
  }
}

TEST_F(Instellingenbestand, EnormBestandMetDeSleutelsAchteraan) {
  // 64 MB of garbage on one line, then the keys: read, not lost.
  std::string b(64u << 20, '\x01');
  b += "\n";
  b += kGeldig;
  const fs::path p = Maak("plovena.ini", b);
  const Instellingen w = LeesInstellingen(Q(p));
  EXPECT_EQ(w.lastInputFile, "C:\\Gen\\a.ged");
  EXPECT_EQ(w.lastDate, QDate(2022, 12, 24));
}

TEST_F(Instellingenbestand, GroterDanHetGeheugen) {
  if (kMetAsan) GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
  const fs::path p = Pad("plovena.ini");
  Schrijf(p, kGeldig);
  fs::resize_file(p, std::uintmax_t{2} << 30);  // sparse: costs no disk
  // Start-up must not fail on it, and close must not overwrite what it could not read.
  EXPECT_EQ(InKind([&] { return IsStandaard(LeesInstellingen(Q(p))); }, MetAdresruimte(rlim_t{1} << 30)), 0);
  EXPECT_EQ(InKind(
                [&] {
                  return !SchrijfInstellingen(Q(p), {"b.ged", QDate(2023, 1, 2), "NOTE"}, true);
                },
                MetAdresruimte(rlim_t{1} << 30)),
            0);
  EXPECT_EQ(fs::file_size(p), std::uintmax_t{2} << 30);
}

TEST_F(Instellingenbestand, NietSchrijfbaarBijHetSluiten) {
  const fs::path p = Maak("plovena.ini", kGeldig);
  ::chmod(p.c_str(), 0444);
  auto schrijf = [&] { return !SchrijfInstellingen(Q(p), {"b.ged", QDate(2023, 1, 2), "NOTE"}, true); };
  if (IsRoot()) {
    // Root may replace any file; nobody may not, neither the file nor in the folder.
    ::chmod(map_.c_str(), 0755);
    EXPECT_EQ(InKind(schrijf, AlsNobody(true)), 0);
  } else {
    EXPECT_TRUE(schrijf());
  }
  EXPECT_EQ(Inhoud(p), kGeldig);
}

}  // namespace
}  // namespace plovena::test
