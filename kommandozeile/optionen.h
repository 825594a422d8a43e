#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Was auf der Kommandozeile steht; alle Texte UTF-8, wie sie kamen.
struct TOptionen {
  bool Hilfe = false;
  bool Version = false;
  std::optional<std::string> Fehler;  // erste unbekannte oder unvollstaendige Option
  bool Csv = false;
  bool Utf8 = false;
  bool Erklaeren = false;
  bool Streng = false;
  std::optional<std::string> Daten;
  std::optional<std::string> Kennzeichen;
  std::optional<std::string> Spalte;                        // --spalte N|NAME
  std::optional<std::string> Liste;                         // --liste DATEI (statt der Standardeingabe)
  std::optional<std::string> Blatt;                         // --blatt N|NAME (Arbeitsmappen)
  std::optional<std::pair<std::string, std::string>> Frei;  // --frei REIHE ANZAHL
  std::vector<std::string> Nummern;
};

// Alle Argumente in einem Durchgang; Hilfe und Version gehen einem Fehler vor.
TOptionen OptionenLesen(const std::vector<std::string>& Argumente);

// Die Hilfe von "wagennummer --hilfe", UTF-8.
extern const char* const HilfeText;
