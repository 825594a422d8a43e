// Das ganze Kommandozeilenprogramm mit beliebiger Eingabe: das erste Byte waehlt Ausgabeform,
// ob der Rest als Argumente (je Zeile eines) oder als Standardeingabe kommt und welche
// Kennzeichen.ebb gilt: ein Auszug der ausgelieferten (tests/hilfen/kleine_daten.h; die ganze
// kostete je Lauf das Zehnfache) oder eine zweite Eingabe, die vor dem Rest steht (zwei Byte
// Laenge, dann der Inhalt). Was auch kommt, die Ausgabe haelt die Zusagen aus
// ausgabepruefung.h ein.

#include "fuzz/dateien.h"
#include "kommandozeile/programm.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "tests/hilfen/kleine_daten.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  if (Groesse == 0)
    return 0;
  const unsigned Art = Daten[0];
  std::string_view Rest(reinterpret_cast<const char*>(Daten) + 1, Groesse - 1);
  const bool Csv = (Art & 1) != 0;
  const bool Utf8 = Csv && (Art & 2) != 0;
  static const std::string WagenEbb = FuzzDatei("wagen", KleineWagenEbb);
  static const std::string KennzeichenEbb = FuzzDatei("kennzeichen", KleineKennzeichenEbb);
  std::vector<std::string> Argumente = {"--daten=" + WagenEbb};
  if ((Art & 16) != 0 && Rest.size() >= 2) {
    const std::size_t Laenge = std::min<std::size_t>(
        static_cast<unsigned char>(Rest[0]) | (static_cast<std::size_t>(static_cast<unsigned char>(Rest[1])) << 8),
        Rest.size() - 2);
    Argumente.push_back("--kennzeichen=" + FuzzDatei("feindlich", Rest.substr(2, Laenge)));
    Rest.remove_prefix(2 + Laenge);
  } else {
    Argumente.push_back("--kennzeichen=" + KennzeichenEbb);
  }
  if (Csv)
    Argumente.emplace_back("--csv");
  if (Utf8)
    Argumente.emplace_back("--utf8");
  if ((Art & 4) != 0)
    Argumente.emplace_back("--erklaeren");
  if ((Art & 32) != 0)
    Argumente.emplace_back("--streng");
  std::string Eingabe;
  if ((Art & 8) != 0) {
    Argumente.emplace_back("--");
    for (std::size_t Pos = 0; Pos <= Rest.size();) {
      const std::size_t Ende = std::min(Rest.find('\n', Pos), Rest.size());
      Argumente.emplace_back(Rest.substr(Pos, Ende - Pos));
      Pos = Ende + 1;
    }
  } else {
    Eingabe = Rest;
  }
  std::istringstream Ein(Eingabe);
  std::ostringstream Aus, Fehler;
  Wagennummer(Argumente, Ein, Aus, Fehler);
  if (!AusgabeVerstoss(Aus.str(), Csv, !Csv || Utf8).empty() || !AusgabeVerstoss(Fehler.str(), false, true).empty())
    __builtin_trap();
  return 0;
}
