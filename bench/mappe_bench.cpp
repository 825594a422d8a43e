// Arbeitsmappen (mappe/ und die Bruecke in auswertung/): eine Sammlung als .xlsx oeffnen und jede
// Zeile pruefen, 10.000 und 100.000 Zeilen, und die ZIP-Bombe aus tests/daten/mappen/ abweisen.
// Die ganze Kette in einem Prozess; scripts/bench misst dasselbe mit wagennummer --liste samt
// Spitzenspeicher (/usr/bin/time). Mit "--schreiben ORDNER" legt das Programm statt zu messen
// die Sammlungen als sammlung-10000.xlsx und sammlung-100000.xlsx in ORDNER ab.

#include "auswertung/auswertung.h"
#include "auswertung/liste.h"
#include "kennzeichen/kennzeichen.h"
#include "mappe/mappe.h"
#include "nummer/stammdaten.h"
#include "tests/hilfen/mappe_bauen.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

const std::string& Sammlung(std::size_t Zeilen)
{
  static std::map<std::size_t, std::string> Gebaut;
  auto& Bytes = Gebaut[Zeilen];
  if (Bytes.empty())
    Bytes = XlsxSammlung(Zeilen);
  return Bytes;
}

void BM_XlsxPruefen(benchmark::State& State)
{
  static const TLadeErgebnis Stammdaten = LadeStammdaten(std::string(TANDRIX_DATEN) + "/Wagen.ebb");
  static const TKennzeichen Kennzeichen = LadeKennzeichen(std::string(TANDRIX_DATEN) + "/Kennzeichen.ebb");
  const TWissen Wissen{Stammdaten.Stammdaten, Kennzeichen, true, true};
  const std::string& Bytes = Sammlung(static_cast<std::size_t>(State.range(0)));
  for (auto _ : State) {
    const TListenErgebnis Gelesen = DateiLesen(Bytes);
    std::size_t Korrekt = 0;
    for (std::size_t Zeile = 0; Zeile < Gelesen.Tabelle.Zeilen.size(); ++Zeile)
      Korrekt += ZelleAuswerten(Wissen, Gelesen.Tabelle, Zeile, Gelesen.Tabelle.Nummernspalte, false).Urteil ==
                 TUrteil::Korrekt;
    if (Korrekt != Gelesen.Tabelle.Zeilen.size())
      State.SkipWithError("nicht jede Nummer korrekt");
  }
  State.counters["Bytes"] = static_cast<double>(Bytes.size());
}
BENCHMARK(BM_XlsxPruefen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Nur lesen, ohne Auswertung: was mappe/ und die Bruecke kosten.
void BM_XlsxLesen(benchmark::State& State)
{
  const std::string& Bytes = Sammlung(static_cast<std::size_t>(State.range(0)));
  for (auto _ : State)
    benchmark::DoNotOptimize(DateiLesen(Bytes));
}
BENCHMARK(BM_XlsxLesen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ZipBombe(benchmark::State& State)
{
  std::ifstream Ein(std::string(TANDRIX_MAPPEN) + "/bombe.xlsx", std::ios::binary);
  std::ostringstream Inhalt;
  Inhalt << Ein.rdbuf();
  const std::string Bytes = Inhalt.str();
  for (auto _ : State) {
    const TMappe Mappe = MappeLesen(Bytes);
    if (Mappe.Fehler.empty())
      State.SkipWithError("ZIP-Bombe nicht erkannt");
  }
}
BENCHMARK(BM_ZipBombe)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
  if (argc == 3 && std::strcmp(argv[1], "--schreiben") == 0) {
    for (const std::size_t Zeilen : {std::size_t{10000}, std::size_t{100000}}) {
      std::ofstream Aus(std::string(argv[2]) + "/sammlung-" + std::to_string(Zeilen) + ".xlsx", std::ios::binary);
      Aus << Sammlung(Zeilen);
      if (!Aus)
        return 1;
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
