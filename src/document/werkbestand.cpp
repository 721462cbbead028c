#include "document/werkbestand.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plovena {

namespace fs = std::filesystem;

std::string Bestandsnaamdeel(std::string_view pad) {
  std::size_t p = pad.find_last_of("/\\");
  return std::string(p == std::string_view::npos ? pad : pad.substr(p + 1));
}

namespace {

// ---------------------------------------------------------------------------------------------
// Messages

enum class Handeling { Lezen, Opslaan };

// The reason of a failed file operation, in words the user understands.
std::string Reden(std::error_code ec, Handeling h) {
  using E = std::errc;
  if (ec == E::no_such_file_or_directory)
    return h == Handeling::Lezen ? "het bestand bestaat niet" : "de map bestaat niet";
  if (ec == E::permission_denied || ec == E::operation_not_permitted) return "geen toegang";
  if (ec == E::is_a_directory) return "het is een map";
  if (ec == E::no_space_on_device) return "de schijf is vol";
#ifdef EDQUOT
  if (ec.category() == std::generic_category() && ec.value() == EDQUOT) return "de schijfruimte is op";
#endif
  if (ec == E::read_only_file_system) return "de schijf is alleen-lezen";
  if (ec == E::not_a_directory) return "een deel van het pad is geen map";
  if (ec == E::filename_too_long) return "de naam is te lang";
  if (ec == E::too_many_symbolic_link_levels) return "te veel symbolische koppelingen";
  if (ec == E::too_many_files_open || ec == E::too_many_files_open_in_system) return "te veel open bestanden";
  if (ec == E::not_enough_memory) return "te weinig geheugen";
  if (ec == E::io_error) return "lees- of schrijffout van het apparaat";
  if (ec == E::file_too_large) return "het bestand is te groot";
  if (ec == E::device_or_resource_busy || ec == E::text_file_busy) return "het bestand is in gebruik";
  if (ec == E::no_such_device_or_address || ec == E::no_such_device)
    return "het apparaat is niet beschikbaar";
  if (ec == E::broken_pipe) return "de ontvanger is gesloten";
  return "systeemfout " + std::to_string(ec.value());
}

BestandsFout Fout(const fs::path& pad, Handeling h, const std::string& reden) {
  return {"Kan \"" + pad.string() + (h == Handeling::Lezen ? "\" niet lezen: " : "\" niet opslaan: ") +
          reden + "."};
}

constexpr std::string_view kTeGroot = "het bestand is te groot voor het geheugen";

// ---------------------------------------------------------------------------------------------
// UTF-16

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct Utf16Fout {
  std::string reden;  // empty when the text is well formed
};

unsigned Eenheid(const unsigned char* p, bool le) noexcept {
  return le ? (p[0] | (p[1] << 8)) : ((p[0] << 8) | p[1]);
}

// UTF-16 to UTF-8. The first pass checks the text and measures the result, so the output is
// allocated once and at its exact size. Positions in errors count from the file's start, which
// lies verschuiving bytes (the mark) before bytes.
Utf16Fout Utf16NaarUtf8(std::string_view bytes, std::size_t verschuiving, bool le, std::string& uit) {
  if (bytes.size() % 2 != 0) return {"ongeldige UTF-16-tekst: oneven aantal bytes"};
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size() / 2;

  std::size_t lengte = 0;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned c = Eenheid(b + 2 * i, le);
    if (c < 0x80) {
      lengte += 1;
    } else if (c < 0x800) {
      lengte += 2;
    } else if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == n || (Eenheid(b + 2 * i + 2, le) & 0xFC00) != 0xDC00)
        return {"ongeldige UTF-16-tekst: losse surrogaat op byte " + std::to_string(verschuiving + 2 * i)};
      lengte += 4;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return {"ongeldige UTF-16-tekst: losse surrogaat op byte " + std::to_string(verschuiving + 2 * i)};
    } else {
      lengte += 3;
    }
  }

  uit.resize(lengte);
  char* o = uit.data();
  for (std::size_t i = 0; i < n; ++i) {
    std::uint32_t c = Eenheid(b + 2 * i, le);
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
    } else if (c < 0x800) {
      *o++ = static_cast<char>(0xC0 | (c >> 6));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c >= 0xD800 && c <= 0xDBFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (Eenheid(b + 2 * i + 2, le) - 0xDC00);
      ++i;
      *o++ = static_cast<char>(0xF0 | (c >> 18));
      *o++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      *o++ = static_cast<char>(0xE0 | (c >> 12));
      *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *o++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return {};
}

// Writes UTF-16 code units into a buffer that is large enough.
struct Utf16Schrijver {
  char* o;
  bool le;
  void Eenheid(std::uint32_t c) noexcept {
    o[le ? 0 : 1] = static_cast<char>(c & 0xFF);
    o[le ? 1 : 0] = static_cast<char>(c >> 8);
    o += 2;
  }
  void Teken(std::uint32_t c) noexcept {
    if (c < 0x10000) {
      Eenheid(c);
    } else {
      c -= 0x10000;
      Eenheid(0xD800 | (c >> 10));
      Eenheid(0xDC00 | (c & 0x3FF));
    }
  }
};

// The length of the well-formed UTF-8 sequence at p (1 to 4) and its code point, or 0 when the
// bytes there are no well-formed sequence.
int Utf8Teken(const unsigned char* p, const unsigned char* eind, std::uint32_t& c) noexcept {
  const unsigned b0 = p[0];
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  auto vervolg = [&](std::ptrdiff_t k, unsigned laag, unsigned hoog) {
    return p + k < eind && p[k] >= laag && p[k] <= hoog;
  };
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    if (!vervolg(1, 0x80, 0xBF)) return 0;
    c = ((b0 & 0x1F) << 6) | (p[1] & 0x3F);
    return 2;
  }
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    const unsigned laag = b0 == 0xE0 ? 0xA0 : 0x80, hoog = b0 == 0xED ? 0x9F : 0xBF;
    if (!vervolg(1, laag, hoog) || !vervolg(2, 0x80, 0xBF)) return 0;
    c = ((b0 & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    const unsigned laag = b0 == 0xF0 ? 0x90 : 0x80, hoog = b0 == 0xF4 ? 0x8F : 0xBF;
    if (!vervolg(1, laag, hoog) || !vervolg(2, 0x80, 0xBF) || !vervolg(3, 0x80, 0xBF)) return 0;
    c = ((b0 & 0x07) << 18) | ((p[1] & 0x3F) << 12) | ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
    return 4;
  }
  return 0;
}

// The lines as UTF-16, each followed by CR LF. Lines of a UTF-16 file are well-formed UTF-8
// when loaded; a byte that a command may have left without its sequence cannot be written in
// UTF-16 and becomes U+FFFD, so that saving never fails on it.
std::string NaarUtf16(const Regellijst& lijst, bool le, bool bom) {
  // Every UTF-8 byte gives at most two bytes of UTF-16 (a 4-byte sequence gives 4).
  std::string uit(2 * lijst.TekstLengte() + 2, '\0');
  Utf16Schrijver s{uit.data(), le};
  if (bom) s.Eenheid(0xFEFF);
  for (std::string_view regel : lijst.Regels()) {
    const auto* p = reinterpret_cast<const unsigned char*>(regel.data());
    const auto* eind = p + regel.size();
    while (p < eind) {
      std::uint32_t c;
      int n = Utf8Teken(p, eind, c);
      if (n == 0) {
        c = 0xFFFD;
        n = 1;
      }
      s.Teken(c);
      p += n;
    }
    s.Eenheid('\r');
    s.Eenheid('\n');
  }
  uit.resize(static_cast<std::size_t>(s.o - uit.data()));
  return uit;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Parsing

namespace {

// Ontleed's work; returns the reason of a failure as a phrase, empty when it went well.
std::string HerkenEnSplits(std::string& bytes, Werkbestand& doel) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();

  Codering codering = Codering::Bytes;
  std::size_t begin = 0;
  if (n >= 3 && std::string_view(bytes).substr(0, 3) == kUtf8Bom) {
    codering = Codering::Utf8Bom;
    begin = 3;
  } else if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
    codering = Codering::Utf16LeBom;
    begin = 2;
  } else if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
    codering = Codering::Utf16BeBom;
    begin = 2;
  } else if (n >= 2 && b[0] == '0' && b[1] == 0) {
    // A GEDCOM file begins with level 0: '0' then 00 is that digit in UTF-16 LE.
    codering = Codering::Utf16Le;
  } else if (n >= 2 && b[0] == 0 && b[1] == '0') {
    codering = Codering::Utf16Be;
  }

  Werkbestand wb;
  if (codering == Codering::Bytes || codering == Codering::Utf8Bom) {
    static_cast<Regellijst&>(wb) = Regellijst::UitBuffer(std::move(bytes), begin);
  } else {
    const bool le = codering == Codering::Utf16LeBom || codering == Codering::Utf16Le;
    std::string utf8;
    Utf16Fout f = Utf16NaarUtf8(std::string_view(bytes).substr(begin), begin, le, utf8);
    if (!f.reden.empty()) return f.reden;
    std::string().swap(bytes);  // the raw bytes are no longer needed
    static_cast<Regellijst&>(wb) = Regellijst::UitBuffer(std::move(utf8));
  }
  wb.codering = codering;
  doel = std::move(wb);
  return {};
}

std::string OntleedBytes(std::string bytes, Werkbestand& doel) {
  try {
    return HerkenEnSplits(bytes, doel);
  } catch (const std::bad_alloc&) {
    return std::string(kTeGroot);
  } catch (const std::length_error&) {
    return std::string(kTeGroot);
  }
}

}  // namespace

BestandsFout Ontleed(std::string bytes, Werkbestand& doel) {
  std::string reden = OntleedBytes(std::move(bytes), doel);
  if (reden.empty()) return {};
  reden[0] = static_cast<char>(reden[0] - 'a' + 'A');  // a sentence of its own
  return {reden + "."};
}

std::string NaarBytes(const Werkbestand& wb) {
  switch (wb.codering) {
    case Codering::Bytes:
      return wb.Tekst();
    case Codering::Utf8Bom: {
      std::string uit;
      uit.reserve(kUtf8Bom.size() + wb.TekstLengte());
      uit += kUtf8Bom;
      uit += wb.Tekst();
      return uit;
    }
    case Codering::Utf16LeBom:
      return NaarUtf16(wb, true, true);
    case Codering::Utf16BeBom:
      return NaarUtf16(wb, false, true);
    case Codering::Utf16Le:
      return NaarUtf16(wb, true, false);
    case Codering::Utf16Be:
      return NaarUtf16(wb, false, false);
  }
  return wb.Tekst();
}

// ---------------------------------------------------------------------------------------------
// Files

#ifdef _WIN32

// Portable fallback through the standard library.

BestandsFout Bewaar(const Werkbestand& wb, const fs::path& pad) {
  std::string bytes;
  try {
    bytes = NaarBytes(wb);
  } catch (const std::bad_alloc&) {
    return Fout(pad, Handeling::Opslaan, "te weinig geheugen");
  } catch (const std::length_error&) {
    return Fout(pad, Handeling::Opslaan, "te weinig geheugen");
  }
  return BewaarBytes(bytes, pad);
}


BestandsFout Laad(const fs::path& pad, Werkbestand& doel) {
  std::error_code ec;
  if (fs::is_directory(pad, ec)) return Fout(pad, Handeling::Lezen, "het is een map");
  if (!fs::exists(pad, ec)) return Fout(pad, Handeling::Lezen, "het bestand bestaat niet");
  std::ifstream in(pad, std::ios::binary);
  if (!in) return Fout(pad, Handeling::Lezen, "geen toegang");
  try {
    std::string bytes;
    char blok[1 << 16];
    while (in.read(blok, sizeof blok) || in.gcount() > 0)
      bytes.append(blok, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return Fout(pad, Handeling::Lezen, "lees- of schrijffout van het apparaat");
    Werkbestand wb;
    if (std::string reden = OntleedBytes(std::move(bytes), wb); !reden.empty())
      return Fout(pad, Handeling::Lezen, reden);
    doel = std::move(wb);
  } catch (const std::bad_alloc&) {
    return Fout(pad, Handeling::Lezen, std::string(kTeGroot));
  }
  return {};
}

BestandsFout BewaarBytes(std::string_view bytes, const fs::path& pad) {
  std::error_code ec;
  fs::path doel = fs::is_symlink(pad, ec) ? fs::weakly_canonical(pad, ec) : pad;
  if (ec) doel = pad;
  if (fs::is_directory(doel, ec)) return Fout(pad, Handeling::Opslaan, "het is een map");
  auto status = fs::status(doel, ec);
  if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return Fout(pad, Handeling::Opslaan, "het bestand is alleen-lezen");
  fs::path tijdelijk = doel;
  tijdelijk += ".plovena-tmp";
  {
    std::ofstream uit(tijdelijk, std::ios::binary | std::ios::trunc);
    if (!uit) return Fout(pad, Handeling::Opslaan, "geen toegang");
    uit.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    uit.flush();
    if (!uit) {
      uit.close();
      fs::remove(tijdelijk, ec);
      return Fout(pad, Handeling::Opslaan, "de schijf is vol");
    }
  }
  fs::rename(tijdelijk, doel, ec);
  if (ec) {
    std::error_code ec2;
    fs::remove(tijdelijk, ec2);
    return Fout(pad, Handeling::Opslaan, Reden(ec, Handeling::Opslaan));
  }
  return {};
}

#else

namespace {

std::string Reden(int fout, Handeling h) { return Reden(std::error_code(fout, std::generic_category()), h); }

// A descriptor that closes itself.
struct Descriptor {
  int fd = -1;
  explicit Descriptor(int f) : fd(f) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  // Closes now and reports the error that close may bring (NFS, full disk).
  int Sluit() {
    int r = ::close(fd);
    fd = -1;
    return r == 0 ? 0 : errno;
  }
};

// Writes all bytes; returns 0 or the errno of the failure.
int SchrijfAlles(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t over = bytes.size();
  while (over > 0) {
    const std::size_t stuk = over < (std::size_t{1} << 30) ? over : (std::size_t{1} << 30);
    ssize_t n = ::write(fd, p, stuk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    p += n;
    over -= static_cast<std::size_t>(n);
  }
  return 0;
}

// The folder part of a path, "." when there is none.
std::string Map(const std::string& pad) {
  std::size_t p = pad.find_last_of('/');
  if (p == std::string::npos) return ".";
  if (p == 0) return "/";
  return pad.substr(0, p);
}

// Follows a chain of symbolic links to the path it ends at, which may not exist (a dangling
// link: saving creates its target, as the shell's redirection does). Returns 0 or an errno.
int VolgKoppelingen(std::string& pad) {
  for (int sprong = 0; sprong < 40; ++sprong) {
    struct stat st;
    if (::lstat(pad.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return 0;
    std::string doel(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    ssize_t n = ::readlink(pad.c_str(), doel.data(), doel.size());
    if (n < 0) return errno;
    doel.resize(static_cast<std::size_t>(n));
    pad = (!doel.empty() && doel[0] == '/') ? doel : Map(pad) + "/" + doel;
  }
  return ELOOP;
}

// Writes the whole content to a descriptor; returns 0 or the errno of the failure.
using Schrijver = std::function<int(int fd)>;

// A device, a FIFO and the like are written as they are: they cannot be replaced by a file.
BestandsFout SchrijfDirect(const Schrijver& schrijf, const fs::path& pad) {
  Descriptor d(::open(pad.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
  if (d.fd < 0) return Fout(pad, Handeling::Opslaan, Reden(errno, Handeling::Opslaan));
  int fout = schrijf(d.fd);
  if (fout == 0) fout = d.Sluit();
  if (fout != 0) return Fout(pad, Handeling::Opslaan, Reden(fout, Handeling::Opslaan));
  return {};
}

}  // namespace

BestandsFout Laad(const fs::path& pad, Werkbestand& doel) {
  Descriptor d(::open(pad.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
  if (d.fd < 0) return Fout(pad, Handeling::Lezen, Reden(errno, Handeling::Lezen));
  struct stat st;
  if (::fstat(d.fd, &st) != 0) return Fout(pad, Handeling::Lezen, Reden(errno, Handeling::Lezen));
  if (S_ISDIR(st.st_mode)) return Fout(pad, Handeling::Lezen, Reden(EISDIR, Handeling::Lezen));

  try {
    // A regular file is read in one go into a buffer of its size; the byte to spare shows the
    // end without a second buffer. Anything else (a FIFO) grows as it comes.
    std::string bytes;
    const bool regulier = S_ISREG(st.st_mode);
    if (regulier && static_cast<std::uintmax_t>(st.st_size) >= bytes.max_size())
      return Fout(pad, Handeling::Lezen, std::string(kTeGroot));
    bytes.resize(regulier ? static_cast<std::size_t>(st.st_size) + 1 : std::size_t{1} << 16);
    std::size_t gelezen = 0;
    for (;;) {
      if (gelezen == bytes.size()) bytes.resize(bytes.size() * 2);
      ssize_t n = ::read(d.fd, bytes.data() + gelezen, bytes.size() - gelezen);
      if (n < 0) {
        if (errno == EINTR) continue;
        return Fout(pad, Handeling::Lezen, Reden(errno, Handeling::Lezen));
      }
      if (n == 0) break;
      gelezen += static_cast<std::size_t>(n);
    }
    bytes.resize(gelezen);
    d.Sluit();

    Werkbestand wb;
    if (std::string reden = OntleedBytes(std::move(bytes), wb); !reden.empty())
      return Fout(pad, Handeling::Lezen, reden);
    doel = std::move(wb);
  } catch (const std::bad_alloc&) {
    return Fout(pad, Handeling::Lezen, std::string(kTeGroot));
  } catch (const std::length_error&) {
    return Fout(pad, Handeling::Lezen, std::string(kTeGroot));
  }
  return {};
}

namespace {

// The atomic save of any content: see BewaarBytes.
BestandsFout BewaarMet(const Schrijver& schrijf, const fs::path& pad) {
  if (pad.empty()) return Fout(pad, Handeling::Opslaan, "geen bestandsnaam");

  std::string doel = pad.string();
  mode_t modus = 0;
  bool bestaat = false;
  struct stat st;
  if (::stat(doel.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Fout(pad, Handeling::Opslaan, Reden(EISDIR, Handeling::Opslaan));
    if (!S_ISREG(st.st_mode)) return SchrijfDirect(schrijf, pad);
    // A file the user may not write is not replaced behind his back. Neither is one without
    // any write permission, even for root, who may write anything: it was protected on purpose.
    if (::faccessat(AT_FDCWD, doel.c_str(), W_OK, AT_EACCESS) != 0) {
      if (errno == EROFS) return Fout(pad, Handeling::Opslaan, Reden(EROFS, Handeling::Opslaan));
      return Fout(pad, Handeling::Opslaan, "het bestand is alleen-lezen");
    }
    if ((st.st_mode & 0222) == 0) return Fout(pad, Handeling::Opslaan, "het bestand is alleen-lezen");
    bestaat = true;
    modus = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return Fout(pad, Handeling::Opslaan, Reden(errno, Handeling::Opslaan));
  } else {
    // umask can only be read by setting it; the program has one thread that creates files.
    const mode_t masker = ::umask(0);
    ::umask(masker);
    modus = 0666 & ~masker;
  }
  // The temporary file must lie beside the file that is replaced, not beside a link to it.
  if (int fout = VolgKoppelingen(doel)) return Fout(pad, Handeling::Opslaan, Reden(fout, Handeling::Opslaan));

  const std::string map = Map(doel);
  std::string sjabloon = map + "/." + Bestandsnaamdeel(doel) + ".XXXXXX";
  int fd = ::mkostemp(sjabloon.data(), O_CLOEXEC);
  if (fd < 0 && errno == ENAMETOOLONG) {
    sjabloon = map + "/.plovena-XXXXXX";
    fd = ::mkostemp(sjabloon.data(), O_CLOEXEC);
  }
  if (fd < 0) return Fout(pad, Handeling::Opslaan, Reden(errno, Handeling::Opslaan));
  Descriptor d(fd);

  auto mislukt = [&](int fout) {
    if (d.fd >= 0) d.Sluit();
    ::unlink(sjabloon.c_str());
    return Fout(pad, Handeling::Opslaan, Reden(fout, Handeling::Opslaan));
  };
  // Owner first: changing it may clear set-id bits that fchmod then restores. Both may fail
  // (a file system without owners, a user who may not give files away); the content matters
  // more, so their results are not checked.
  int genegeerd = 0;
  if (bestaat && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
    genegeerd |= ::fchown(d.fd, st.st_uid, st.st_gid);
  genegeerd |= ::fchmod(d.fd, modus);
  static_cast<void>(genegeerd);

  if (int fout = schrijf(d.fd)) return mislukt(fout);
  if (::fsync(d.fd) != 0 && errno != EINVAL) return mislukt(errno);
  if (int fout = d.Sluit()) return mislukt(fout);
  if (::rename(sjabloon.c_str(), doel.c_str()) != 0) return mislukt(errno);

  // Make the rename itself durable; a folder that cannot be synced changes nothing.
  Descriptor m(::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (m.fd >= 0) ::fsync(m.fd);
  return {};
}

}  // namespace

BestandsFout BewaarBytes(std::string_view bytes, const fs::path& pad) {
  return BewaarMet([bytes](int fd) { return SchrijfAlles(fd, bytes); }, pad);
}

BestandsFout Bewaar(const Werkbestand& wb, const fs::path& pad) {
  try {
    if (wb.codering != Codering::Bytes && wb.codering != Codering::Utf8Bom) {
      const std::string bytes = NaarBytes(wb);  // UTF-16 files are small and rare
      return BewaarBytes(bytes, pad);
    }
    // The lines go out through one buffer of a megabyte: no second copy of the whole file.
    return BewaarMet(
        [&wb](int fd) {
          constexpr std::size_t kBuffer = std::size_t{1} << 20;
          std::string buf;
          buf.reserve(kBuffer + 2);
          if (wb.codering == Codering::Utf8Bom) buf += kUtf8Bom;
          for (std::string_view regel : wb.Regels()) {
            if (buf.size() + regel.size() + 2 > kBuffer && !buf.empty()) {
              if (int fout = SchrijfAlles(fd, buf)) return fout;
              buf.clear();
            }
            if (regel.size() + 2 > kBuffer) {  // a line longer than the buffer goes out as it is
              if (int fout = SchrijfAlles(fd, regel)) return fout;
              buf += "\r\n";
              continue;
            }
            buf += regel;
            buf += "\r\n";
          }
          return SchrijfAlles(fd, buf);
        },
        pad);
  } catch (const std::bad_alloc&) {
    return Fout(pad, Handeling::Opslaan, "te weinig geheugen");
  } catch (const std::length_error&) {
    return Fout(pad, Handeling::Opslaan, "te weinig geheugen");
  }
}

#endif

}  // namespace plovena
