// Arbeitsmappen aus beliebigen Bytes (mappe/): .xlsx und .ods (libzip, expat).
// Gepruft werden die Zusagen aus mappe.h: ein Fehler laesst keine Blaetter zurueck, keine Zeile
// ist leer oder endet mit einer leeren Zelle, Zeilen, Spalten und Zellen bleiben in den Grenzen,
// eine Meldung ist ein Satz in einer Zeile. Dazu die Bruecke DateiLesen, die dieselben Bytes
// als Liste liest. Der Korpus (fuzz/korpus/mappe) sind kleine echte Mappen aus
// tests/daten/mappen/.

#include "mappe/mappe.h"
#include "auswertung/liste.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  const std::string_view Bytes(reinterpret_cast<const char*>(Daten), Groesse);
  // OLE2 (.xls) liest libfreexl in einem eigenen Prozess (mappe/xls.cpp, Abgeschottet), weil sie
  // bei zerstoerten Dateien ueber ihre Puffer hinaus liest. Der Kindprozess erbte hier die
  // Absturzbehandlung von libFuzzer und meldete die Fehler der fremden Bibliothek als Fund;
  // gefuzzt wird deshalb nur, was mappe/ selbst liest. Die .xls im Korpus bleiben als Beispiele.
  if (MappenArtErkennen(Bytes) == TMappenArt::Xls)
    return 0;
  const TMappe Mappe = MappeLesen(Bytes);
  if (!Mappe.Fehler.empty() && (!Mappe.Blaetter.empty() || Mappe.Fehler.find('\n') != std::string::npos))
    __builtin_trap();
  std::size_t Zellen = 0;
  for (const TBlatt& Blatt : Mappe.Blaetter) {
    if (Blatt.Zeilen.size() > MappeHoechstensZeilen)
      __builtin_trap();
    for (const TMappenZeile& Zeile : Blatt.Zeilen) {
      if (Zeile.empty() || Zeile.back().Text.empty() || Zeile.size() > MappeHoechstensSpalten)
        __builtin_trap();
      Zellen += Zeile.size();
      for (const TMappenZelle& Zelle : Zeile)
        if (Zelle.Text.size() > MappeZelleHoechstens)
          __builtin_trap();
    }
  }
  if (Zellen > MappeHoechstensZellen)
    __builtin_trap();
  const TListenErgebnis Liste = DateiLesen(Bytes);
  if (Liste.Art != TMappenArt::Text && Liste.Fehler.empty() && Liste.Blatt >= Liste.Blaetter.size())
    __builtin_trap();
  return 0;
}
