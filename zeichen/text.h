#pragma once

#include <string>
#include <string_view>

// Kleine Textregeln, die jede Schicht braucht; Texte in Windows-1252 (ASCII-Regeln gelten auch fuer UTF-8).

// Steuerzeichen als sichtbare Stellvertreter, damit die Ausgabe zeigt, was Eingabe oder
// Datendatei enthielt, statt ein Terminal zu steuern: C0 und DEL in Caret-Schreibweise ("^[",
// "^?"), die C1-Zeichen auf den unbelegten Bytes von Windows-1252 als '?'. Tabulatoren bleiben.
std::string Sichtbar(std::string_view Cp1252);

// Ein CSV-Feld mit ";" als Trenner; Anfuehrungszeichen nur, wo noetig. Eine Zelle, die eine
// Tabellenkalkulation als Formel laese, beginnt mit einem Hochkomma.
std::string CsvFeld(const std::string& Text);

// Ohne Leerzeichen und Tabulatoren am Rand.
std::string OhneRand(std::string_view Text);

// Nicht leer und nur die Ziffern 0 bis 9.
bool NurZiffern(std::string_view Text);
