// Der Listenleser mit beliebigen Bytes: Zeilen, Trenner, Anfuehrungszeichen, Kennungen. Das erste
// Byte waehlt Spalte (erkannt oder 1..3), Ausgabeform und Vorgabe des Trenners. Gepruft wird der
// Leser fuer sich (Spalte in der Tabelle, Doppelte verweisen auf Zeilen mit denselben 11 Ziffern)
// und das ganze "wagennummer --spalte" mit den Zusagen aus ausgabepruefung.h, mit Auszuegen der
// Datendateien (tests/hilfen/kleine_daten.h): die ausgelieferten je Lauf zu laden kostete fast
// die ganze Zeit eines Laufs.

#include "auswertung/liste.h"
#include "fuzz/dateien.h"
#include "kommandozeile/programm.h"
#include "tests/hilfen/ausgabepruefung.h"
#include "tests/hilfen/kleine_daten.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Jedes Byte der Eingabe steht in einer Zelle, ausser Trennern, Zeilenenden und
// Anfuehrungszeichen (die Gliederung); gezaehlt ohne diese auf beiden Seiten.
bool VollstaendigGelesen(std::string_view Eingabe, const TListe& Liste)
{
  const auto Inhalt = [&](std::string_view Text) {
    std::size_t Anzahl = 0;
    for (const char Z : Text)
      Anzahl += Z != '"' && Z != '\r' && Z != '\n' && (Liste.Trenner == '\0' || Z != Liste.Trenner);
    return Anzahl;
  };
  std::size_t InZellen = 0;
  for (const std::string& Zelle : Liste.Kopf)
    InZellen += Inhalt(Zelle);
  for (const TFelder& Zeile : Liste.Zeilen)
    for (const std::string& Zelle : Zeile)
      InZellen += Inhalt(Zelle);
  return InZellen == Inhalt(Eingabe);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  if (Groesse == 0)
    return 0;
  const unsigned Art = Daten[0];
  const std::string_view Rest(reinterpret_cast<const char*>(Daten) + 1, Groesse - 1);

  TLeseVorgabe Vorgabe;
  if ((Art & 3) != 0)
    Vorgabe.Spalte = std::to_string(Art & 3);
  if ((Art & 4) != 0)
    Vorgabe.Trenner = std::string_view("\t;,|")[(Art >> 3) & 3];
  const TListenErgebnis Gelesen = ListeLesen(Rest, Vorgabe);
  const TListe& Liste = Gelesen.Tabelle;
  if (Gelesen.Fehler.empty() && Liste.Kennung != TKennung::Utf8 && Liste.Kennung != TKennung::Utf16LE &&
      Liste.Kennung != TKennung::Utf16BE && !VollstaendigGelesen(Rest, Liste))
    __builtin_trap();
  if (Gelesen.Fehler.empty()) {
    if (Liste.Spalten > 0 && Liste.Nummernspalte >= Liste.Spalten)
      __builtin_trap();
    std::vector<TSchluessel> Schluessel;
    for (const TFelder& Zeile : Liste.Zeilen) {
      if (Zeile.empty() || Zeile.size() > Liste.Spalten)
        __builtin_trap();
      std::string Ziffern;
      for (const char Z : Zeile.front())
        if (Z >= '0' && Z <= '9')
          Ziffern += Z;
      Schluessel.push_back({Ziffern.size() == 12 ? Ziffern : std::string(), Zeile.front()});
    }
    const std::vector<TDoppelt> Doppelte = DoppelteFinden(Schluessel);
    for (std::size_t I = 0; I < Doppelte.size(); ++I)
      if (Doppelte[I].Art != TDoppelArt::Keine &&
          (Doppelte[I].Andere == I || Doppelte[I].Andere >= Doppelte.size() ||
           Schluessel[Doppelte[I].Andere].Zwoelf.substr(0, 11) != Schluessel[I].Zwoelf.substr(0, 11)))
        __builtin_trap();
  }

  const bool Csv = (Art & 32) != 0;
  const bool Utf8 = Csv && (Art & 64) != 0;
  static const std::string WagenEbb = FuzzDatei("wagen", KleineWagenEbb);
  static const std::string KennzeichenEbb = FuzzDatei("kennzeichen", KleineKennzeichenEbb);
  std::vector<std::string> Argumente = {"--daten=" + WagenEbb, "--kennzeichen=" + KennzeichenEbb, "--spalte",
                                        Vorgabe.Spalte.value_or("1")};
  if (Csv)
    Argumente.emplace_back("--csv");
  if (Utf8)
    Argumente.emplace_back("--utf8");
  std::istringstream Ein{std::string(Rest)};
  std::ostringstream Aus, Fehler;
  Wagennummer(Argumente, Ein, Aus, Fehler);
  if (!AusgabeVerstoss(Aus.str(), Csv, !Csv || Utf8).empty() || !AusgabeVerstoss(Fehler.str(), false, true).empty())
    __builtin_trap();
  return 0;
}
