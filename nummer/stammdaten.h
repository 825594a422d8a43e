#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Geordnete Liste von Zeilen "Name=Wert" in Dateireihenfolge.
class TWerteListe {
public:
  TWerteListe() = default;
  // Eintraege verweisen in eigenen oder geteilten Text: eine Kopie baut die Verweise neu auf.
  TWerteListe(const TWerteListe& Andere);
  TWerteListe& operator=(const TWerteListe& Andere);
  TWerteListe(TWerteListe&&) = default;
  TWerteListe& operator=(TWerteListe&&) = default;
  ~TWerteListe() = default;

  void Leeren();
  void Anhaengen(std::string Zeile);
  // Haengt "Name=Wert" an; steht der Name schon in der Liste, mit dem Wert seines ersten
  // Auftretens (so liest der Lader doppelte Schluessel). Liegen Name und Wert im geteilten
  // Speicher (TeileSpeicher), verweist die Liste nur darauf, sonst kopiert sie.
  void Eintragen(std::string_view Name, std::string_view Wert);
  // Ein Text, auf den Eintraege verweisen duerfen; die Liste haelt seinen Besitzer am Leben.
  void TeileSpeicher(std::shared_ptr<const void> Besitzer, std::string_view Text);

  // Wert der ersten Zeile, deren Name ohne Beachtung der Gross-/Kleinschreibung
  // passt; leer, wenn es keine gibt. Zeilen ohne "=" zaehlen nicht.
  std::string Wert(std::string_view Name) const;
  // Wie Wert, unterscheidet aber "fehlt" von "leerer Wert".
  std::optional<std::string_view> Suche(std::string_view Name) const;

  // Die Zeilen als Text, fuer Pruefungen und Werkzeuge (baut sie jedes Mal neu).
  std::vector<std::string> Zeilen() const;
  std::size_t Anzahl() const { return FEintraege.size(); }

private:
  friend struct TWerteListeLader;  // fuellt die Liste beim Laden und baut den Index einmal am Ende

  struct TEintrag {
    std::string_view Name;  // bei Zeilen ohne "=" die ganze Zeile
    std::string_view Wert;
    bool MitGleich;
  };
  // Platz des Namens im Index: der erste Treffer oder der freie Platz, an den er gehoert.
  std::size_t Platz(std::string_view Name, std::uint64_t Streu) const;
  void IndexVergroessern();
  void IndexAufbauen();
  void Aufnehmen(TEintrag Eintrag);
  bool ImSpeicher(std::string_view Text) const;

  std::vector<TEintrag> FEintraege;
  std::deque<std::string> FEigene;  // Text der Eintraege, die nicht im geteilten Speicher liegen
  std::shared_ptr<const void> FSpeicher;
  std::string_view FSpeicherText;
  // Offene Streutabelle ueber die Namen ohne Gross-/Kleinschreibung, ohne eigene Kopien der
  // Namen: 0 ist frei, sonst Teil des Streuwerts und Index des ersten Eintrags mit diesem Namen.
  std::vector<std::uint64_t> FIndex;
  std::size_t FBelegt = 0;
};

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

// Verzeichnis der laufenden Programmdatei (Verknuepfungen aufgeloest); leer, wenn unbekannt.
std::filesystem::path ProgrammVerzeichnis();

// "Wagen.ebb" neben der Programmdatei.
TLadeErgebnis LadeStammdaten();
// Beliebige Datei. Fehlt sie, ist sie kein lesbarer gewoehnlicher Datei oder groesser als
// DateiHoechstgroesse, bleiben alle Tabellen leer und die Version ist VersionFehlt.
TLadeErgebnis LadeStammdaten(const std::filesystem::path& Datei);
// Der Dateiinhalt als Bytes; hierauf beruhen beide Varianten oben.
TLadeErgebnis LadeStammdatenAusText(std::string_view Inhalt);
