#pragma once

#include "auswertung/anschrift.h"
#include "auswertung/eingabe.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// Was "wagennummer" zu einer Eingabe weiss. Alle Texte Windows-1252 und roh, wie sie aus Eingabe
// und Datendateien kommen: sichtbar bzw. zur CSV-Zelle macht sie erst die Ausgabe, jedes Feld.
struct TErgebnis {
  std::string Eingabe;
  std::string Meldung;        // nicht leer: die Eingabe ist unbrauchbar, und das ist der Grund
  std::string Nummer;         // wie gelesen, gegliedert; eine falsche Pruefziffer bleibt stehen
  std::string Angeschrieben;  // Pruefziffer auf dem Wagen, leer bei 11 Stellen
  std::string Berechnet;      // leer bei unbekannten Stellen
  std::string Urteil;         // korrekt, falsch, berechnet, unvollstaendig
  std::string Kopf;           // Tabelle: was hinter der Nummer steht
  std::vector<std::pair<std::string, std::string>> Zeilen;  // Tabelle: Bezeichnung, Text
  std::array<std::string, 5> Spalten;                       // CSV: Eigentumsmerkmal .. Hoechstgeschwindigkeit
  std::string Halter;
  std::vector<TBefund> Befunde;
  std::string VorschlagKopf;
  std::vector<std::string> Vorschlaege;
  std::string Rechenweg;  // mehrzeilig, mit --erklaeren
  std::size_t Abweichungen = 0;
  std::vector<std::pair<std::string, std::string>> Getippt;  // TEingabeText::Getippt
};

// Die geladenen Tabellen und was davon da ist.
struct TWissen {
  const TStammdaten& Stammdaten;
  const TKennzeichen& Kennzeichen;
  bool MitDaten;
  bool MitKennzeichen;
};

// Wie viele Nummern eine Liste von Ergaenzungen bzw. Reparaturen hoechstens zeigt.
inline constexpr std::size_t HoechstensVorschlaege = 100;
inline constexpr std::size_t HoechstensReparaturen = 5;

// Eine umgesetzte Eingabe (EingabeUmsetzen) gelesen und ausgewertet; ihre Hinweise kommen zuerst.
TErgebnis Auswerten(const TWissen& Wissen, TEingabeText Text, bool Erklaeren);

// Eine Eingabe, die schon als Windows-1252 gelesen ist.
TErgebnis Auswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen, bool Erklaeren);

// Unbrauchbar mit Meldung.
TErgebnis UnbrauchbarWeil(std::string Eingabe, std::string Meldung);
// Unbrauchbar, weil die Zeile laenger als ZeilenHoechstlaenge ist; Anfang ist ihr Beginn.
TErgebnis ZeileZuLang(const std::string& Anfang);
