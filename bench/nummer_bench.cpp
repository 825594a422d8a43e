// Laufzeiten der Nummernlogik: Pruefziffer, Nachschlagen, Entschluesseln, Laden.

#include "nummer/pruefziffer.h"
#include "nummer/stammdaten.h"
#include "nummer/wageninfo.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

const std::filesystem::path Datendatei = std::filesystem::path(TANDRIX_DATEN) / "Wagen.ebb";

const TStammdaten& Geladen()
{
  static const TStammdaten Stammdaten = LadeStammdaten(Datendatei).Stammdaten;
  return Stammdaten;
}

void BM_Pruefziffer(benchmark::State& State)
{
  std::string Nummer = "31806652003";
  for (auto _ : State) {
    benchmark::DoNotOptimize(Nummer);
    benchmark::DoNotOptimize(Pruefziffer(Nummer));
  }
}
BENCHMARK(BM_Pruefziffer);

void BM_WagenInfo(benchmark::State& State, const char* Nummer)
{
  const TStammdaten& S = Geladen();
  for (auto _ : State)
    benchmark::DoNotOptimize(WagenInfo(S, Nummer));
}
BENCHMARK_CAPTURE(BM_WagenInfo, Gueterwagen, "31806652003");
BENCHMARK_CAPTURE(BM_WagenInfo, Reisezugwagen, "50803134025");

void BM_WagenInfoUndPruefziffer(benchmark::State& State)
{
  const TStammdaten& S = Geladen();
  for (auto _ : State) {
    benchmark::DoNotOptimize(WagenInfo(S, "31806652003"));
    benchmark::DoNotOptimize(Pruefziffer("31806652003"));
  }
}
BENCHMARK(BM_WagenInfoUndPruefziffer);

void BM_Wert(benchmark::State& State, const char* Name)
{
  const TWerteListe& Liste = Geladen().GattungListe;
  for (auto _ : State)
    benchmark::DoNotOptimize(Liste.Wert(Name));
}
BENCHMARK_CAPTURE(BM_Wert, Treffer, "6652");
BENCHMARK_CAPTURE(BM_Wert, Fehlt, "6653");

void BM_LadenAusgeliefert(benchmark::State& State)
{
  const auto Groesse = static_cast<std::int64_t>(std::filesystem::file_size(Datendatei));
  for (auto _ : State)
    benchmark::DoNotOptimize(LadeStammdaten(Datendatei));
  State.SetBytesProcessed(State.iterations() * Groesse);
}
BENCHMARK(BM_LadenAusgeliefert)->Unit(benchmark::kMicrosecond);

// Erzeugte Dateien wachsender Groesse: sieben Abschnitte mit Schluesseln von 4 Zeichen und
// Werten von 2.047 Zeichen, bis der Namensblock jedes Abschnitts voll ist oder die Datei
// die Hoechstgroesse erreicht (der schlimmste Fall, den der Leser zulaesst). Sie entstehen in
// jedem Lauf neu, im Verzeichnis TANDRIX_BENCH_DATEIEN (scripts/bench misst damit auch das
// Laden im frischen Prozess) oder im temporaeren Verzeichnis.
std::filesystem::path ErzeugteDatei(std::size_t Ziel)
{
  const char* Verzeichnis = std::getenv("TANDRIX_BENCH_DATEIEN");
  const auto Pfad = (Verzeichnis ? std::filesystem::path(Verzeichnis) : std::filesystem::temp_directory_path()) /
                    ("tandrix_bench_" + std::to_string(Ziel) + ".ebb");
  static std::set<std::filesystem::path> Geschrieben;
  if (!Geschrieben.insert(Pfad).second)
    return Pfad;
  std::string Text;
  const std::string Wert(2047, 'w');
  const char* Namen[] = {"Bahnen",           "Austausch",   "Wagengattung", "Abteile",
                         "Eigentumsmerkmal", "RIV-Merkmal", "Wagentyp"};
  for (int A = 0; A < 7 && Text.size() < Ziel; ++A) {
    Text += std::string("[") + Namen[A] + "]\r\n";
    for (int K = 0; K < 3276 && Text.size() < Ziel; ++K) {
      const std::string Name = std::to_string(1000 + K);
      Text += Name + "=" + Wert.substr(0, std::min<std::size_t>(Wert.size(), Ziel / 8)) + "\r\n";
    }
  }
  Text.resize(std::min<std::size_t>(Text.size(), DateiHoechstgroesse));
  std::ofstream(Pfad, std::ios::binary) << Text;
  return Pfad;
}

void BM_LadenErzeugt(benchmark::State& State)
{
  const auto Pfad = ErzeugteDatei(static_cast<std::size_t>(State.range(0)));
  const auto Groesse = static_cast<std::int64_t>(std::filesystem::file_size(Pfad));
  for (auto _ : State)
    benchmark::DoNotOptimize(LadeStammdaten(Pfad));
  State.SetBytesProcessed(State.iterations() * Groesse);
  State.counters["Bytes"] = static_cast<double>(Groesse);
  State.counters["ns/Byte"] = benchmark::Counter(
      static_cast<double>(Groesse), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LadenErzeugt)
    ->Arg(1 << 10)
    ->Arg(16 << 10)
    ->Arg(128 << 10)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
