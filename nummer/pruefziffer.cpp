#include "nummer/pruefziffer.h"

int ZiffernWert(char Zeichen) { return (Zeichen >= '0' && Zeichen <= '9') ? Zeichen - '0' : 0; }

std::string Pruefziffer(std::string_view Nummer)
{
  int Summe = 0;
  bool Doppelt = true;  // die letzte Stelle traegt immer das Gewicht 2
  for (std::size_t I = Nummer.size(); I-- > 0;) {
    int Wert = ZiffernWert(Nummer[I]);
    if (Doppelt)
      Wert *= 2;
    Doppelt = !Doppelt;
    Summe += Wert >= 10 ? Wert / 10 + Wert % 10 : Wert;  // Quersumme der Produkte 10..18
  }
  const int Ziffer = (10 - Summe % 10) % 10;
  return std::string(1, static_cast<char>('0' + Ziffer));
}
