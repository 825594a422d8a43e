// Pruefziffer, Rechenweg und das Lesen angeschriebener Nummern mit beliebigen Bytes.

#include "nummer/pruefziffer.h"
#include "auswertung/eingabe.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  const std::string_view Nummer(reinterpret_cast<const char*>(Daten), Groesse);
  const std::string Ziffer = Pruefziffer(Nummer);
  if (Ziffer.size() != 1 || Ziffer[0] < '0' || Ziffer[0] > '9')
    __builtin_trap();
  if (Groesse <= 64 && !Erklaerung(Nummer).ends_with("fziffer: " + Ziffer + "\n"))
    __builtin_trap();
  const TGelesen Gelesen = NummerAusText(Nummer);
  if (Gelesen.Fehler.empty() != (Gelesen.Ziffern.size() == 11 || Gelesen.Ziffern.size() == 12))
    __builtin_trap();
  if (Gelesen.Fehler.empty())
    (void)NummerGegliedert(Gelesen.Ziffern);
  return 0;
}
