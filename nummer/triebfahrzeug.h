#pragma once

#include "nummer/kennzeichen.h"
#include "nummer/stammdaten.h"

#include <string>
#include <string_view>

// Ein Triebfahrzeug (Wagenart nach [Wagentyp], heute 90..99) gelesen: Art, Land und, wo das Schema des Landes
// bekannt ist, Baureihe und Ordnungsnummer.
struct TTriebfahrzeug {
  std::string Art;                     // "Elektrolokomotive"
  std::string Land;                    // "Deutschland (D)"
  std::string ReiheWort = "Baureihe";  // "Reihe" (Oesterreich), "Gruppo" (Italien)
  std::string Baureihe;                // "146, Nr. 146 569" oder warum nicht
};

TTriebfahrzeug TriebfahrzeugLesen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf);
