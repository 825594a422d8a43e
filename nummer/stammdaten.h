#pragma once

// Leser der Datendatei "Wagen.ebb", einer INI-Datei in Windows-1252, nach den Regeln der
// Profilfunktionen, die sie einst geschrieben haben:
// - Zeilenenden CR LF, LF oder CR; ein Nullbyte beendet die Zeile.
// - Leerzeichen und Tabulatoren um Abschnittsnamen, Namen und Werte zaehlen nicht mit; ein Wert
//   in "..." oder '...' gilt ohne die Anfuehrungszeichen.
// - Abschnitts- und Schluesselnamen ohne Beachtung der Gross-/Kleinschreibung (Klein1252).
// - Der Wert ist alles nach dem ersten "="; steht ein Name doppelt, gilt der erste.
// - Zeilen, die mit ";" oder "#" beginnen, sind Kommentare. Zeilen vor dem ersten Abschnitt,
//   ohne "=", mit leerem Namen und in unbekannten Abschnitten zaehlen nicht.
// - "[Name" ohne "]" gilt; Text hinter "]" zaehlt nicht. Wiederholte Abschnitte werden
//   zusammengefasst, auch fuer die Grenze des Namensblocks.
// - Die Namen eines Abschnitts belegen zusammen hoechstens NamenBlockGroesse Byte (jeder Name
//   plus ein Byte, dazu eines am Schluss); ein Name, der nicht mehr ganz passt, und alle danach
//   fehlen. Werte werden nach WertHoechstlaenge Zeichen abgeschnitten.
// - Mit UTF-8- oder UTF-16-Kennung oder als durchgehend gueltiges UTF-8 mit Mehrbyte-Zeichen
//   wird der Text nach Windows-1252 umgesetzt (zeichensatz.h).
// - Fehlt die Datei, ist sie ein Verzeichnis, Geraet oder FIFO, nicht lesbar oder groesser als
//   DateiHoechstgroesse, bleiben alle Tabellen leer; ohne Eintrag Version=... in [Version] ist
//   die Version VersionFehlt.

#include "nummer/werteliste.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Die sieben Nachschlagetabellen aus "Wagen.ebb", je Abschnitt eine.
struct TStammdaten {
  TWerteListe BahnenListe;     // [Bahnen], Stellen 3-4
  TWerteListe AustauschListe;  // [Austausch], Stellen 1-2
  TWerteListe GattungListe;    // [Wagengattung], Stelle 5, 5-6, 5-8 oder 5-7 + "x"
  TWerteListe AbteileListe;    // [Abteile], Stelle 6
  TWerteListe EigentumListe;   // [Eigentumsmerkmal], Stelle 2
  TWerteListe RIVListe;        // [RIV-Merkmal], Stelle 1
  TWerteListe TypListe;        // [Wagentyp], Stelle 1; "G" heisst Gueterwagen
};

// Die Abschnitte in Ladereihenfolge mit ihrer Tabelle; [Version] wird gesondert gelesen.
struct TAbschnitt {
  std::string_view Name;
  TWerteListe TStammdaten::*Tabelle;
};
inline constexpr std::array<TAbschnitt, 7> Abschnitte = {{
    {"Bahnen", &TStammdaten::BahnenListe},
    {"Austausch", &TStammdaten::AustauschListe},
    {"Wagengattung", &TStammdaten::GattungListe},
    {"Abteile", &TStammdaten::AbteileListe},
    {"Eigentumsmerkmal", &TStammdaten::EigentumListe},
    {"RIV-Merkmal", &TStammdaten::RIVListe},
    {"Wagentyp", &TStammdaten::TypListe},
}};

// Entpackbar als: auto [Stammdaten, Version] = LadeStammdaten(...);
struct TLadeErgebnis {
  TStammdaten Stammdaten;
  std::string Version;
};

inline constexpr std::string_view StammdatenDateiName = "Wagen.ebb";
inline constexpr std::string_view VersionFehlt = "Daten nicht geladen";
// Grenzen der Lesepuffer, an denen sich auch gepflegte Dateien ausrichten.
inline constexpr std::size_t NamenBlockGroesse = 16384;  // Schluesselnamen je Abschnitt, samt Nullbytes
inline constexpr std::size_t WertHoechstlaenge = 2047;   // Zeichen je Wert
// Groessere Dateien gelten als fehlend: keine echte Datendatei kommt in die Naehe.
inline constexpr std::uintmax_t DateiHoechstgroesse = std::uintmax_t{16} * 1024 * 1024;

// Beliebige Abschnitte einer Datei im selben Format, nach denselben Regeln; die Tabellen in der
// Reihenfolge von Namen, Version wie oben. Fuer Wagen.ebb ist NamenBlock NamenBlockGroesse.
// Die Zeilen je Abschnitt in Dateireihenfolge, doppelte Namen mit: ob der erste gilt, regelt
// der Leser, der sie einordnet (TWerteListe, die geordneten Tabellen in kennzeichen.h).
struct TProfil {
  std::vector<std::vector<TWerteListe::TEintrag>> Tabellen;
  std::string Version;
  std::shared_ptr<const std::string> Text;  // der gelesene Text, in den die Tabellen verweisen
};
TProfil LiesProfil(std::string Inhalt, std::span<const std::string_view> Namen, std::size_t NamenBlock);

// "Wagen.ebb" neben der Programmdatei.
TLadeErgebnis LadeStammdaten();
TLadeErgebnis LadeStammdaten(const std::filesystem::path& Datei);
// Der Dateiinhalt als Bytes; hierauf beruhen beide Varianten oben.
TLadeErgebnis LadeStammdatenAusText(std::string Inhalt);
