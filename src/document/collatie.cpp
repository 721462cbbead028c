#include "document/collatie.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace plovena {

namespace {

// "nl_NL.UTF-8@euro" -> "nl_NL"; C and POSIX (and nothing) -> the root collation, because ICU
// maps them to en_US_POSIX, whose order puts '_' after digits and capitals.
icu::Locale NaarIcuLocale(std::string_view naam) {
  std::string n(naam.substr(0, naam.find_first_of(".@")));
  if (n.empty() || n == "C" || n == "POSIX") return icu::Locale::getRoot();
  return icu::Locale(n.c_str());
}

// Windows-1252 for the bytes 0x80..0x9F; the five it leaves undefined stay C1 controls.
constexpr char16_t kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A line's bytes as UTF-16 for the collator. Well-formed UTF-8 is read as such. A byte that
// starts no well-formed sequence (a file in a legacy code page) is read as Windows-1252
// rather than as U+FFFD, so that two different accented words do not become equal.
// Short texts (tags) stay on the stack.
class Utf16Tekst {
 public:
  explicit Utf16Tekst(std::string_view s) {
    char16_t* o = klein_;
    if (s.size() > std::size(klein_)) {
      groot_.resize(s.size());  // never more code units than bytes
      o = groot_.data();
    }
    begin_ = o;
    const auto* b = reinterpret_cast<const uint8_t*>(s.data());
    const auto n = static_cast<int32_t>(s.size());
    for (int32_t i = 0; i < n;) {
      if (b[i] < 0x80) {
        *o++ = b[i++];
        continue;
      }
      const int32_t start = i;
      UChar32 c;
      U8_NEXT(b, i, n, c);
      if (c < 0) {
        const uint8_t byte = b[start];
        *o++ = byte < 0xA0 ? kCp1252[byte - 0x80] : char16_t{byte};
        i = start + 1;
      } else if (c < 0x10000) {
        *o++ = static_cast<char16_t>(c);
      } else {
        *o++ = U16_LEAD(c);
        *o++ = U16_TRAIL(c);
      }
    }
    lengte_ = static_cast<int32_t>(o - begin_);
  }
  Utf16Tekst(const Utf16Tekst&) = delete;
  Utf16Tekst& operator=(const Utf16Tekst&) = delete;

  const char16_t* Data() const noexcept { return begin_; }
  int32_t Lengte() const noexcept { return lengte_; }

 private:
  char16_t klein_[128];
  std::u16string groot_;
  const char16_t* begin_;
  int32_t lengte_;
};

}  // namespace

std::string Collatie::OmgevingsLocale() {
  for (const char* naam : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* w = std::getenv(naam);
    if (w && *w) return w;
  }
  return {};
}

struct Collatie::Impl {
  std::unique_ptr<icu::Collator> collator;
};

Collatie::Collatie(std::string_view localeNaam) : impl_(new Impl) {
  UErrorCode status = U_ZERO_ERROR;
  impl_->collator.reset(icu::Collator::createInstance(NaarIcuLocale(localeNaam), status));
  if (U_FAILURE(status) || !impl_->collator) {
    status = U_ZERO_ERROR;
    impl_->collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  }
  // Without ICU's data there is no collator at all; the byte order then keeps lists usable.
  if (U_FAILURE(status) || !impl_->collator) {
    impl_->collator.reset();
    return;
  }
  impl_->collator->setStrength(icu::Collator::SECONDARY);
  // Punctuation such as '_' must count, and sort before digits: not "shifted".
  status = U_ZERO_ERROR;
  impl_->collator->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, status);
}

Collatie::~Collatie() { delete impl_; }

const Collatie& Collatie::Standaard() {
  static const Collatie standaard(OmgevingsLocale());
  return standaard;
}

int Collatie::Vergelijk(std::string_view a, std::string_view b) const {
  if (!impl_->collator) return a < b ? -1 : (a == b ? 0 : 1);
  Utf16Tekst ua(a), ub(b);
  UErrorCode status = U_ZERO_ERROR;
  UCollationResult r = impl_->collator->compare(ua.Data(), ua.Lengte(), ub.Data(), ub.Lengte(), status);
  if (U_FAILURE(status)) return a < b ? -1 : (a == b ? 0 : 1);
  return r == UCOL_LESS ? -1 : (r == UCOL_EQUAL ? 0 : 1);
}

std::string Collatie::Sorteersleutel(std::string_view tekst) const {
  if (!impl_->collator) return std::string(tekst);
  Utf16Tekst u(tekst);
  std::string sleutel(static_cast<std::size_t>(u.Lengte()) * 4 + 16, '\0');
  for (;;) {
    int32_t n = impl_->collator->getSortKey(u.Data(), u.Lengte(), reinterpret_cast<uint8_t*>(sleutel.data()),
                                            static_cast<int32_t>(sleutel.size()));
    if (n <= static_cast<int32_t>(sleutel.size())) {
      sleutel.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);  // without the final 0 byte
      return sleutel;
    }
    sleutel.resize(static_cast<std::size_t>(n));
  }
}

}  // namespace plovena
