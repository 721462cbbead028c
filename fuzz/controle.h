#pragma once

// A broken invariant. Under libFuzzer it aborts, so the input is kept as a finding; replayed
// by the tests (PLOVENA_FUZZ_HERHALEN) it throws, so the test names the input and goes on.

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plovena::fuzz {

class Overtreding : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

[[noreturn]] inline void Overtreden(std::string_view wat) {
#ifdef PLOVENA_FUZZ_HERHALEN
  throw Overtreding(std::string(wat));
#else
  std::fprintf(stderr, "\n== invariant gebroken: %.*s\n", static_cast<int>(wat.size()), wat.data());
  std::abort();
#endif
}

inline void Controleer(bool goed, std::string_view wat) {
  if (!goed) Overtreden(wat);
}

// fout: empty when all held; waar: the command or the step it belongs to.
inline void Controleer(const std::string& fout, std::string_view waar) {
  if (!fout.empty()) Overtreden(std::string(waar) + ": " + fout);
}

}  // namespace plovena::fuzz
