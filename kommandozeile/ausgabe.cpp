#include "kommandozeile/ausgabe.h"

#include "zeichen/text.h"
#include "zeichen/zeichensatz.h"

#include <ostream>

// Texte dieser Datei: UTF-8 im Quelltext, als Windows-1252 ueber _cp1252.

void TAusgabe::Kopf()
{
  if (!FCsv)
    return;
  if (FUtf8)
    FAus << Utf8Kennung;  // damit Tabellenkalkulationen UTF-8 erkennen
  Text(
      "Eingabe;Nummer;Prüfziffer angeschrieben;Prüfziffer berechnet;Urteil;Eigentumsmerkmal;"
      "Austauschverfahren;Eigentumsverwaltung;Wagengattung;Höchstgeschwindigkeit;Halter;Befunde;"
      "Vorschläge\r\n"_cp1252);
}

void TAusgabe::Schreibe(const TErgebnis& Ergebnis, const std::pair<std::string, std::string>& Vorab)
{
  FGetippt = &Ergebnis.Getippt;
  if (FCsv)
    CsvZeile(Ergebnis);
  else
    Tabelle(Ergebnis, Vorab);
}

void TAusgabe::CsvZeile(const TErgebnis& Ergebnis)
{
  const auto Feld = [](const std::string& Inhalt) { return CsvFeld(Sichtbar(Inhalt)); };
  if (!Ergebnis.Meldung.empty()) {
    Text(Feld(Ergebnis.Eingabe) + ";;;;unbrauchbar;;;;;;;" + Feld(Ergebnis.Meldung) + ";\r\n");
    return;
  }
  std::string Zeile = Feld(Ergebnis.Eingabe) + ";" + Feld(Ergebnis.Nummer) + ";" + Feld(Ergebnis.Angeschrieben) + ";" +
                      Feld(Ergebnis.Berechnet) + ";" + Feld(UrteilText(Ergebnis.Urteil));
  for (const std::string& Spalte : CsvSpalten(Ergebnis))
    Zeile += ";" + Feld(Spalte);
  std::string Befunde, Vorschlaege;
  for (const TBefund& Befund : Ergebnis.Befunde)
    Befunde += (Befunde.empty() ? "" : " | ") + BefundText(Befund);
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege)
    Vorschlaege += (Vorschlaege.empty() ? "" : " | ") + VorschlagText(Vorschlag);
  Text(Zeile + ";" + Feld(Ergebnis.Halter) + ";" + Feld(Befunde) + ";" + Feld(Vorschlaege) + "\r\n");
}

void TAusgabe::Tabelle(const TErgebnis& Ergebnis, const std::pair<std::string, std::string>& Vorab)
{
  if (!Ergebnis.Meldung.empty()) {
    Text(Sichtbar(Ergebnis.Meldung) + "\n\n");
    return;
  }
  Text(Sichtbar(Ergebnis.Nummer) + "  " + Sichtbar(Ergebnis.Kopf) + "\n");
  if (!Vorab.first.empty())
    Angabe(Vorab.first, Vorab.second);
  for (const auto& [Bezeichnung, Inhalt] : AlleAngaben(Ergebnis))
    Angabe(Bezeichnung, Inhalt);
  if (!Ergebnis.VorschlagKopf.empty())
    Text("  " + Sichtbar(Ergebnis.VorschlagKopf) + "\n");
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege)
    Text("    " + Sichtbar(VorschlagText(Vorschlag)) + "\n");
  const std::string_view Rechenweg = Ergebnis.Rechenweg;
  for (std::size_t Pos = 0; Pos < Rechenweg.size();) {
    const std::size_t Ende = std::min(Rechenweg.find('\n', Pos), Rechenweg.size());
    Text("    " + Sichtbar(Rechenweg.substr(Pos, Ende - Pos)) + "\n");
    Pos = Ende + 1;
  }
  Text("\n");
}

// "  Eigentumsmerkmal:      Text", die Texte untereinander
void TAusgabe::Angabe(const std::string& Bezeichnung, const std::string& Inhalt)
{
  const std::string Sichtbare = Sichtbar(Bezeichnung);
  Text("  " + Sichtbare + ":" + std::string(Sichtbare.size() < 22 ? 22 - Sichtbare.size() : 1, ' ') + Sichtbar(Inhalt) +
       "\n");
}

void TAusgabe::Text(const std::string& Cp1252)
{
  if (FCsv && !FUtf8) {
    FAus << Cp1252;
    return;
  }
  FAus << (FGetippt ? WieGetippt(Cp1252NachUtf8(Cp1252), *FGetippt) : Cp1252NachUtf8(Cp1252));
}
