#include "document/collatie.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <memory>

namespace plovena {

namespace {

// The locale name from the environment as setlocale would pick it.
std::string OmgevingsLocale() {
  for (const char* naam : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* w = std::getenv(naam);
    if (w && *w) return w;
  }
  return {};
}

// "nl_NL.UTF-8@euro" -> "nl_NL"; C and POSIX (and nothing) -> the root collation, because ICU
// maps them to en_US_POSIX, whose order puts '_' after digits and capitals.
icu::Locale NaarIcuLocale(std::string_view naam) {
  std::string n(naam.substr(0, naam.find_first_of(".@")));
  if (n.empty() || n == "C" || n == "POSIX") return icu::Locale::getRoot();
  return icu::Locale(n.c_str());
}

}  // namespace

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
  UErrorCode status = U_ZERO_ERROR;
  UCollationResult r = impl_->collator->compareUTF8(
      icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
      icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
  if (U_FAILURE(status)) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  return r == UCOL_LESS ? -1 : (r == UCOL_EQUAL ? 0 : 1);
}

std::string Collatie::Sorteersleutel(std::string_view tekst) const {
  icu::UnicodeString u = icu::UnicodeString::fromUTF8(
      icu::StringPiece(tekst.data(), static_cast<int32_t>(tekst.size())));
  std::string sleutel(u.length() * 4 + 16, '\0');
  for (;;) {
    int32_t n = impl_->collator->getSortKey(u, reinterpret_cast<uint8_t*>(sleutel.data()),
                                            static_cast<int32_t>(sleutel.size()));
    if (n <= static_cast<int32_t>(sleutel.size())) {
      sleutel.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);  // without the final 0 byte
      return sleutel;
    }
    sleutel.resize(static_cast<std::size_t>(n));
  }
}

}  // namespace plovena
