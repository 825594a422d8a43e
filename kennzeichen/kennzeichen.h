#pragma once

// Tabellen aus "Kennzeichen.ebb": was "wagennummer" braucht, um die ganze Anschrift eines Wagens
// zu lesen. Gleiches Format und derselbe Leser wie Wagen.ebb (stammdaten.h), mit denselben
// Grenzen fuer Datei und Werte; die Namen eines Abschnitts belegen hoechstens
// KennzeichenNamenBlock Byte (die ausgelieferte Datei braucht in [Gattungszeichen] und
// [Halter] je etwa 22 KiB). Jeder Wert wird einmal beim Laden in die Felder seines Datensatzes
// zerlegt (mit ";" getrennt, Reihenfolge wie in den Strukturen unten; fehlende Felder leer).
// Die Tabellen sind geordnet: gewaehlte Schluessel koennen das Nachschlagen nicht ausbremsen.
// Schluessel und Felder verweisen in den gelesenen Text, den TKennzeichen am Leben haelt (auch
// in Kopien): so kostet die groesste erlaubte Datei kaum mehr als sich selbst.

#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr std::size_t KennzeichenNamenBlock = 65536;

// Welche Eintraege einer Tabelle in welcher Reihenfolge bleiben: nach Schluessel ohne Gross-/
// Kleinschreibung, von gleichen der erste. Leer, wenn die Schluessel schon streng aufsteigen.
// Eine Funktion fuer alle Tabellen: das Sortieren je Datensatzart blaehte das WebAssembly auf.
std::vector<std::size_t> TabellenOrdnung(const std::vector<std::string_view>& Schluessel);

// Eine Tabelle der Datei: geordnet wie std::map, aber in einem Stueck Speicher. Beim Laden der
// Seite im Browser kostete jeder Knoten einer std::map eine eigene Speicheranforderung (rund
// 13.000 bei der ausgelieferten Datei, Halter und Gattungszeichen vorn). Aufbau: Anhaengen in
// beliebiger Reihenfolge, dann einmal Ordnen.
template <class TDatensatz>
class TTabelle {
public:
  using value_type = std::pair<std::string_view, TDatensatz>;
  using iterator = typename std::vector<value_type>::iterator;
  using const_iterator = typename std::vector<value_type>::const_iterator;

  void Reservieren(std::size_t Anzahl) { FEintraege.reserve(Anzahl); }
  void Anhaengen(std::string_view Schluessel, TDatensatz Datensatz)
  {
    FEintraege.emplace_back(Schluessel, std::move(Datensatz));
  }
  // Nach Schluessel ohne Gross-/Kleinschreibung; von gleichen gilt der zuerst angehaengte (wie
  // TWerteListe). daten/erzeugen schreibt aufsteigend: dann bleibt es bei einem Durchgang.
  void Ordnen()
  {
    std::vector<std::string_view> Schluessel;
    Schluessel.reserve(FEintraege.size());
    for (const value_type& Eintrag : FEintraege)
      Schluessel.push_back(Eintrag.first);
    const std::vector<std::size_t> Bleiben = TabellenOrdnung(Schluessel);
    if (Bleiben.empty())
      return;
    std::vector<value_type> Geordnet;
    Geordnet.reserve(Bleiben.size());
    for (const std::size_t I : Bleiben)
      Geordnet.push_back(std::move(FEintraege[I]));
    FEintraege = std::move(Geordnet);
  }

  const_iterator lower_bound(std::string_view Schluessel) const
  {
    return std::lower_bound(FEintraege.begin(), FEintraege.end(), Schluessel,
                            [](const value_type& A, std::string_view B) { return Kleiner(A.first, B); });
  }
  const_iterator find(std::string_view Schluessel) const
  {
    const auto Treffer = lower_bound(Schluessel);
    return Treffer != end() && !Kleiner(Schluessel, Treffer->first) ? Treffer : end();
  }
  bool contains(std::string_view Schluessel) const { return find(Schluessel) != end(); }
  iterator begin() { return FEintraege.begin(); }
  iterator end() { return FEintraege.end(); }
  const_iterator begin() const { return FEintraege.begin(); }
  const_iterator end() const { return FEintraege.end(); }
  bool empty() const { return FEintraege.empty(); }
  std::size_t size() const { return FEintraege.size(); }

private:
  static bool Kleiner(std::string_view A, std::string_view B) { return TKleinerOhneFall{}(A, B); }
  std::vector<value_type> FEintraege;
};

// [Laender], Stellen 3-4: "80=D;Deutschland;;1184"
struct TLand {
  std::string_view Kuerzel;  // "D"; leer, wo keines bekannt ist
  std::string_view Name;     // "Deutschland"
  bool Selten = false;       // ohne Kuerzel oder Unternehmens- statt Laendercode
  unsigned Halter = 0;       // Halterkennzeichen in Gebrauch, im Land registriert: wie verbreitet seine Wagen sind
};
// [Austausch], Stellen 1-2: "31=ja;Drehgestelle", "12=ja;Drehgestelle;;selten"
struct TAustausch {
  bool Belegt = false;                // Feld "ja"
  std::string_view Radsaetze;         // "Einzelradsaetze", "Drehgestelle" oder leer
  std::string_view Triebfahrzeugart;  // "Elektrolokomotive" bei 90-99
  bool Selten = false;                // wechselbare Spurweite oder nur fuer den Bestand
};
// [Kategorie], Stelle 5 eines Gueterwagens (3x und 4x: Stellen 5-6): "1=G;gedeckter Wagen...;hoch"
struct TKategorie {
  std::string_view Gattung;  // "G"
  std::string_view Text;
  std::string_view Sicherheit;  // "hoch", "mittel", "niedrig"
  bool Gesichert = false;       // Sicherheit "hoch"
};
// [Triebfahrzeuge], "Land-Art" (Art "9x" fuer alle Arten des Landes): "80-91=6;6-8;Baureihe;hoch"
// Wo die Baureihe in der Nummer steht: Stellen 5-8 oder 6-8 ("5-8", "6-8"); Keine heisst zu
// wenig gesichert.
enum class TReihenstellen { Keine, Fuenf, Sechs };
struct TSchema {
  std::string_view Fuellziffer;  // Stelle 5, wo das Schema sie festlegt
  TReihenstellen Reihe = TReihenstellen::Keine;
  std::string_view Wort;  // "Baureihe", "Reihe", "Gruppo"
  std::string_view Sicherheit;
  bool Gesichert = false;      // Sicherheit "hoch"
  std::string_view Land, Art;  // aus dem Schluessel, beim Laden zerlegt: "80", "91"
};
// [Baureihennamen], "Land-Art-Reihe": "85-91-460=Re 460", "80-91-446=446;0"
struct TBaureihe {
  std::string_view Name;              // wie man sie nennt: "Re 460"
  std::string_view Fuellziffer;       // Stelle 5, wo die Reihe vom Schema ihres Landes abweicht; sonst leer
  std::string_view Land, Art, Reihe;  // aus dem Schluessel, beim Laden zerlegt: "85", "91", "460"
};
// [Radsaetze], Gattung eines Gueterwagens: "E=Einzelradsaetze;Drehgestelle"
struct TRadsatzRegel {
  std::string_view OhneA;  // ohne Kennbuchstabe "a"
  std::string_view MitA;
};
// [Halter], Halterkennzeichen lateinisch ohne Akzente: "DB=DE;DB Cargo AG;in Gebrauch;DB"
struct THalter {
  std::string_view Laender;  // Laenderkuerzel der Registrierung, "/"-getrennt, wie in der Datei
  std::string_view Name;
  std::string_view Status;   // "in Gebrauch", "widerrufen", "gesperrt", ...
  std::string_view Kuerzel;  // wie angeschrieben
  bool InGebrauch = false;   // Status "in Gebrauch"

  // Die Laender einzeln: "CH/NL" -> CH, NL. Erst bei Bedarf zerlegt, nicht fuer jeden der
  // rund 4.500 Halter beim Laden.
  std::vector<std::string_view> Laenderliste() const;
  // Ob eines der Laender Passt erfuellt, ohne die Liste zu bilden (beim Auswerten je Halter).
  template <class TPasst>
  bool EinLand(TPasst Passt) const
  {
    for (std::string_view Rest = Laender; !Rest.empty();) {
      const std::size_t Strich = std::min(Rest.find('/'), Rest.size());
      if (Strich > 0 && Passt(Rest.substr(0, Strich)))
        return true;
      Rest.remove_prefix(std::min(Strich + 1, Rest.size()));
    }
    return false;
  }

  // Ob der Halter im Land mit diesem Kuerzel registriert ist ("D").
  bool RegistriertIn(std::string_view Laenderkuerzel) const;
};

// Was [Gattungszeichen] zu einem Gattungsbuchstaben ("Z") kennt, beim Laden gebildet: die Codes
// ohne Wiederholung und wie oft ein Buchstabe in einem davon hoechstens steht. Ein Wort pruefen
// kostet so nicht jedesmal die ganze Tabelle (Bezeichnungen in Listen haben viele Woerter).
struct TGattungsCodes {
  std::vector<std::string_view> Codes;
  std::array<std::uint8_t, 256> Hoechstens{};
};

struct TKennzeichen {
  TTabelle<TLand> Laender;
  TTabelle<TAustausch> Austausch;
  TTabelle<TKategorie> Kategorien;
  TTabelle<std::string_view> Gattungszeichen;  // [Gattungszeichen], Stellen 5-8 -> "Eaos"
  TTabelle<TSchema> Triebfahrzeuge;
  TTabelle<TBaureihe> Baureihennamen;
  TTabelle<std::string_view> Reisezugwagen;  // [Reisezugwagen], Stellen 5-6 -> "A,B,AB" ("Bc": Liegewagen)
  TTabelle<TRadsatzRegel> Radsaetze;
  // [Nationale Nummern], "Land-erste Ziffer der Reihe-Ziffern vor der Pruefziffer" -> Art: "80-1-6" -> "91"
  TTabelle<std::string_view> NationaleArten;
  TTabelle<THalter> Halter;
  // [Haeufigkeit], "Stellen/Wert" -> so viele echte Nummern tragen ihn: "12/31" -> 40; "Gesamt" -> alle
  TTabelle<unsigned> Haeufigkeiten;
  // Laenderkuerzel -> Stellen 3-4, die es tragen ("D" -> "80"), beim Laden aus Laender gebildet.
  TTabelle<std::vector<std::string_view>> NummernZuKuerzel;
  std::map<char, TGattungsCodes> GattungsCodes;  // nach dem ersten Buchstaben der Codes
  std::string Version;
  std::shared_ptr<const std::string> Text;  // worauf Schluessel und Felder verweisen

  // Das Nachschlagen, je eine Stelle; nullptr, wenn nichts da ist.
  const TLand* Land(std::string_view Stellen34) const;
  const TAustausch* AustauschZu(std::string_view Stellen12) const;
  const TSchema* Schema(std::string_view Stellen34, std::string_view Art) const;
  const THalter* HalterZu(std::string_view Angeschrieben) const;  // nach HalterSchluessel
  std::string Gattungszeichen58(std::string_view Stellen58) const;
  const TBaureihe* Baureihe(std::string_view Stellen34, std::string_view Art, std::string_view Reihe) const;
  // Gattung aus Stelle 5, bei 3x und 4x aus Stellen 5-6; Schluessel sagt, welche es war.
  const TKategorie* Kategorie(std::string_view Elf, std::string_view* Schluessel = nullptr) const;
  // Wie viele der gezaehlten echten Nummern Wert in den Stellen tragen ("12", "34", "56", "58", "78", "9");
  // Stellen "Gesamt": wie viele gezaehlt sind. 0, wo nichts bekannt ist.
  unsigned Haeufigkeit(std::string_view Stellen, std::string_view Wert = {}) const;
};

inline constexpr std::string_view KennzeichenDateiName = "Kennzeichen.ebb";

// Neben der Programmdatei bzw. aus Datei; fehlt sie, sind alle Tabellen leer und die Version
// ist VersionFehlt.
TKennzeichen LadeKennzeichen();
TKennzeichen LadeKennzeichen(const std::filesystem::path& Datei);
TKennzeichen LadeKennzeichenAusText(std::string Inhalt);

// Halterkennzeichen, wie das Register sie vergleicht: Grossbuchstaben ohne Akzente (OBB fuer OeBB).
std::string HalterSchluessel(std::string_view Kuerzel);
