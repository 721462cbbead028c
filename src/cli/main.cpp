#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  try {
    return plovena::VoerCliUit(args, std::cout, std::cerr);
  } catch (...) {
    // Only a failure outside the commands (printing itself) can come here.
    std::cerr << "plovena-cli: onverwachte fout.\n";
    return plovena::kCliGeweigerd;
  }
}
