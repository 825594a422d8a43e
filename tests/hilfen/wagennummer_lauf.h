#pragma once

// wagennummer im selben Prozess, mit den ausgelieferten Datendateien: fuer die Tests der
// Kommandozeile.

#include "kommandozeile/programm.h"

#include <sstream>
#include <string>
#include <vector>

struct TLauf {
  int Status;
  std::string Aus;
  std::string Fehler;
};

inline TLauf Starte(std::vector<std::string> Argumente, const std::string& Eingabe = {})
{
  Argumente.insert(Argumente.begin(), {std::string("--daten=") + TANDRIX_DATEN + "/Wagen.ebb",
                                       std::string("--kennzeichen=") + TANDRIX_DATEN + "/Kennzeichen.ebb"});
  std::istringstream Ein(Eingabe);
  std::ostringstream Aus, Fehler;
  const int Status = Wagennummer(Argumente, Ein, Aus, Fehler);
  return {Status, Aus.str(), Fehler.str()};
}
