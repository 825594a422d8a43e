#pragma once

// Tabellen aus "Kennzeichen.ebb": was "wagennummer" braucht, um die ganze Anschrift eines Wagens
// zu lesen. Gleiches Format und derselbe Leser wie Wagen.ebb (stammdaten.h), mit denselben
// Grenzen fuer Datei und Werte; die Namen eines Abschnitts belegen hoechstens
// KennzeichenNamenBlock Byte (die ausgelieferte Datei braucht in [Gattungszeichen] und
// [Halter] je etwa 22 KiB). Jeder Wert wird einmal beim Laden in die Felder seines Datensatzes
// zerlegt (mit ";" getrennt, Reihenfolge wie in den Strukturen unten; fehlende Felder leer).
// Die Tabellen sind geordnet: gewaehlte Schluessel koennen das Nachschlagen nicht ausbremsen.

#include "nummer/zeichensatz.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t KennzeichenNamenBlock = 65536;

template <class TDatensatz>
using TTabelle = std::map<std::string, TDatensatz, TKleinerOhneFall>;

// [Laender], Stellen 3-4: "80=D;Deutschland"
struct TLand {
  std::string Kuerzel;  // "D"; leer, wo keines bekannt ist
  std::string Name;     // "Deutschland"
};
// [Austausch], Stellen 1-2: "31=ja;Drehgestelle;"
struct TAustausch {
  bool Belegt = false;           // Feld "ja"
  std::string Radsaetze;         // "Einzelradsaetze", "Drehgestelle" oder leer
  std::string Triebfahrzeugart;  // "Elektrolokomotive" bei 90-99
};
// [Kategorie], Stelle 5 eines Gueterwagens (3x und 4x: Stellen 5-6): "1=G;gedeckter Wagen...;hoch"
struct TKategorie {
  std::string Gattung;  // "G"
  std::string Text;
  std::string Sicherheit;  // "hoch", "mittel", "niedrig"
};
// [Triebfahrzeuge], "Land-Art" (Art "9x" fuer alle Arten des Landes): "80-91=6;6-8;Baureihe;hoch"
struct TSchema {
  std::string Fuellziffer;  // Stelle 5, wo das Schema sie festlegt
  std::string Reihe;        // Stellen der Baureihe: "5-8", "6-8"; leer heisst zu wenig gesichert
  std::string Wort;         // "Baureihe", "Reihe", "Gruppo"
  std::string Sicherheit;
};
// [Halter], Halterkennzeichen lateinisch ohne Akzente: "DB=DE;DB Cargo AG;in Gebrauch;DB"
struct THalter {
  std::string Laender;  // Laenderkuerzel der Registrierung, "/"-getrennt
  std::string Name;
  std::string Status;   // "in Gebrauch", "widerrufen", "gesperrt", ...
  std::string Kuerzel;  // wie angeschrieben
};

struct TKennzeichen {
  TTabelle<TLand> Laender;
  TTabelle<TAustausch> Austausch;
  TTabelle<TKategorie> Kategorien;
  TTabelle<std::string> Gattungszeichen;  // [Gattungszeichen], Stellen 5-8 -> "Eaos"
  TTabelle<TSchema> Triebfahrzeuge;
  TTabelle<std::string> Baureihennamen;  // [Baureihennamen], "Land-Art-Reihe" -> "Re 420"
  TTabelle<THalter> Halter;
  // Laenderkuerzel -> Stellen 3-4, die es tragen ("D" -> "80"), beim Laden aus Laender gebildet.
  TTabelle<std::vector<std::string>> NummernZuKuerzel;
  std::string Version;

  // Das Nachschlagen, je eine Stelle; nullptr, wenn nichts da ist.
  const TLand* Land(std::string_view Stellen34) const;
  const TAustausch* AustauschZu(std::string_view Stellen12) const;
  const TSchema* Schema(std::string_view Stellen34, std::string_view Art) const;
  const THalter* HalterZu(std::string_view Angeschrieben) const;  // nach HalterSchluessel
  std::string Gattungszeichen58(std::string_view Stellen58) const;
  // Gattung aus Stelle 5, bei 3x und 4x aus Stellen 5-6; Schluessel sagt, welche es war.
  const TKategorie* Kategorie(std::string_view Elf, std::string_view* Schluessel = nullptr) const;
};

inline constexpr std::string_view KennzeichenDateiName = "Kennzeichen.ebb";

// Neben der Programmdatei bzw. aus Datei; fehlt sie, sind alle Tabellen leer und die Version
// ist VersionFehlt.
TKennzeichen LadeKennzeichen();
TKennzeichen LadeKennzeichen(const std::filesystem::path& Datei);
TKennzeichen LadeKennzeichenAusText(std::string Inhalt);

// Halterkennzeichen, wie das Register sie vergleicht: Grossbuchstaben ohne Akzente (OBB fuer OeBB).
std::string HalterSchluessel(std::string_view Kuerzel);
