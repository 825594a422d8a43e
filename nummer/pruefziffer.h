#pragma once

#include <string>
#include <string_view>

// Ziffernwert einer Wagennummer-Stelle: "0".."9" zaehlen 0..9, jedes andere Zeichen 0.
int ZiffernWert(char Zeichen);

// Pruefziffer (12. Stelle) einer Wagennummer ohne Pruefziffer. Nimmt jeden Text an,
// auch leer oder mit Buchstaben, und liefert immer genau ein Zeichen "0".."9".
std::string Pruefziffer(std::string_view Nummer);
