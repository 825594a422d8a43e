#pragma once

// Die ausgelieferten Datendateien (daten/Wagen.ebb, daten/Kennzeichen.ebb), einmal je
// Testprogramm geladen; fuer Tests, die das ganze Wissen brauchen statt der kleinen Tabellen.

#include "auswertung/auswertung.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

#include <string>

inline const TLadeErgebnis& EchteStammdaten()
{
  static const TLadeErgebnis Geladen = LadeStammdaten(std::string(TANDRIX_DATEN) + "/Wagen.ebb");
  return Geladen;
}

inline const TKennzeichen& EchteKennzeichen()
{
  static const TKennzeichen Geladen = LadeKennzeichen(std::string(TANDRIX_DATEN) + "/Kennzeichen.ebb");
  return Geladen;
}

inline TWissen EchtesWissen() { return {EchteStammdaten().Stammdaten, EchteKennzeichen(), true, true}; }
