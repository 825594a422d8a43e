#include "nummer/pruefziffer.h"

#include "zeichen/zeichensatz.h"

#include <string>

int ZiffernWert(char Zeichen) { return (Zeichen >= '0' && Zeichen <= '9') ? Zeichen - '0' : 0; }

TRechenweg Rechenweg(std::string_view Nummer)
{
  TRechenweg Weg;
  Weg.Schritte.resize(Nummer.size());
  int Gewicht = 2;
  for (std::size_t I = Nummer.size(); I-- > 0;) {
    TRechenschritt& S = Weg.Schritte[I];
    S.Zeichen = Nummer[I];
    S.Wert = ZiffernWert(S.Zeichen);
    S.Gewicht = Gewicht;
    S.Produkt = S.Wert * Gewicht;
    S.Quersumme = S.Produkt / 10 + S.Produkt % 10;
    Weg.Summe += S.Quersumme;
    Gewicht = 3 - Gewicht;
  }
  Weg.Pruefziffer = (10 - Weg.Summe % 10) % 10;
  return Weg;
}

std::string Pruefziffer(std::string_view Nummer)
{
  return std::string(1, static_cast<char>('0' + Rechenweg(Nummer).Pruefziffer));
}

namespace {

std::string Zeile(const char* Titel, const TRechenweg& Weg, auto Feld)
{
  std::string Text = Titel;
  for (const TRechenschritt& S : Weg.Schritte) {
    const std::string Zelle = Feld(S);
    Text += std::string(4 - Zelle.size(), ' ') + Zelle;
  }
  return Text + "\n";
}

}  // namespace

std::string Erklaerung(std::string_view Nummer)
{
  const TRechenweg Weg = Rechenweg(Nummer);
  std::string Text = "Prüfziffer von "_cp1252 + std::string(Nummer) + ":\n";
  Text += Zeile("Stelle     ", Weg, [](const TRechenschritt& S) { return std::string(1, S.Zeichen); });
  Text += Zeile("Gewicht    ", Weg, [](const TRechenschritt& S) { return std::to_string(S.Gewicht); });
  Text += Zeile("Produkt    ", Weg, [](const TRechenschritt& S) { return std::to_string(S.Produkt); });
  Text += Zeile("Quersumme  ", Weg, [](const TRechenschritt& S) { return std::to_string(S.Quersumme); });

  bool Fremd = false;
  std::string Summe;
  for (const TRechenschritt& S : Weg.Schritte) {
    Summe += (Summe.empty() ? "" : " + ") + std::to_string(S.Quersumme);
    Fremd = Fremd || S.Wert != S.Zeichen - '0';
  }
  if (Fremd)
    Text += "Zeichen, die keine Ziffern sind, zählen als 0.\n"_cp1252;
  Text += "Summe: " + (Summe.empty() ? "0" : Summe) + " = " + std::to_string(Weg.Summe) + "\n";
  if (Weg.Pruefziffer == 0) {
    Text += std::to_string(Weg.Summe) + " ist ein Vielfaches von 10, es fehlt nichts.\n";
  } else {
    const int Naechste = Weg.Summe + Weg.Pruefziffer;
    Text += "Bis zum nächsten Vielfachen von 10 ("_cp1252 + std::to_string(Naechste) + ") fehlen " +
            std::to_string(Weg.Pruefziffer) + ".\n";
  }
  return Text + "Prüfziffer: "_cp1252 + std::to_string(Weg.Pruefziffer) + "\n";
}
