#pragma once

// A front end for tests: answers questions from a queue (Yes when it runs dry), records every
// question and every call on the progress bar.

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "commands/opdracht.h"

namespace plovena::test {

class NepVoortgang : public Voortgang {
 public:
  struct Toning {
    std::string titel;
    int maximum;
  };
  void Toon(std::string_view titel, int maximum) override {
    toningen.push_back({std::string(titel), maximum});
    this->maximum = maximum;
    zichtbaar = true;
  }
  void Stap() override {
    ++stappen;
    positie = std::min(positie + 1, maximum);
  }
  void Verberg() override {
    ++verbergingen;
    positie = 0;
    zichtbaar = false;
  }

  std::vector<Toning> toningen;
  int stappen = 0;       // every call, also past the maximum
  int positie = 0;       // the bar, clamped to the maximum
  int maximum = 0;
  int verbergingen = 0;
  bool zichtbaar = false;
};

class NepOmgeving : public Omgeving {
 public:
  bool Bevestig(const std::string& vraag) override {
    vragen.push_back(vraag);
    if (antwoorden.empty()) return true;
    bool a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  Voortgang& Balk() override { return balk; }
  Resultaat KiesTags(Toestand&, std::vector<std::string> tags) override {
    aangebodenTags = std::move(tags);
    ++keuzes;
    return {};
  }

  std::deque<bool> antwoorden;
  std::vector<std::string> vragen;
  std::vector<std::string> aangebodenTags;
  int keuzes = 0;
  NepVoortgang balk;
};

// A document from lines written plainly.
inline Werkbestand Document(std::initializer_list<std::string_view> regels) {
  Werkbestand wb;
  for (auto r : regels) wb.VoegToe(r);
  return wb;
}

inline std::vector<std::string> Regels(const Regellijst& l) {
  std::vector<std::string> uit;
  uit.reserve(l.Count());
  for (std::size_t i = 0; i < l.Count(); ++i) uit.emplace_back(l[i]);
  return uit;
}

}  // namespace plovena::test
