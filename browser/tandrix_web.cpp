// Die Seite im Browser: dieselbe Auswertung wie wagennummer, als JavaScript-Objekte.
// Die Nummernlogik rechnet in Windows-1252; JavaScript bekommt und liefert UTF-8 (Embind setzt
// std::string und JS-String ineinander um). Beide Datendateien sind eingebaut (daten_web.cpp).

#include "auswertung/auswertung.h"
#include "auswertung/eingabe.h"
#include "auswertung/liste.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/pruefziffer.h"
#include "nummer/stammdaten.h"
#include "zeichen/meldung.h"
#include "zeichen/text.h"
#include "zeichen/zeichensatz.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

using emscripten::val;

// Von scripts/web aus daten/Wagen.ebb und daten/Kennzeichen.ebb ohne [Halter] erzeugt.
extern const unsigned char WagenEbb[];
extern const unsigned int WagenEbbLaenge;
extern const unsigned char KennzeichenEbb[];
extern const unsigned int KennzeichenEbbLaenge;

namespace {

std::string KennzeichenVorn() { return {reinterpret_cast<const char*>(KennzeichenEbb), KennzeichenEbbLaenge}; }

// Einmal geladen, beim ersten Aufruf: die Seite zeigt sofort etwas, die Tabellen kommen dann.
// Kennzeichen zuerst ohne [Halter]; HalterLaden liest die ganze Datei neu, sobald die Seite den
// Abschnitt nachreicht (Ziffern allein schlagen keinen Halter nach).
struct TGeladen {
  TLadeErgebnis Stammdaten =
      LadeStammdatenAusText(std::string(reinterpret_cast<const char*>(WagenEbb), WagenEbbLaenge));
  TKennzeichen Kennzeichen = LadeKennzeichenAusText(KennzeichenVorn());
  TWissen Wissen() const
  {
    return {Stammdaten.Stammdaten, Kennzeichen, Stammdaten.Version != VersionFehlt,
            Kennzeichen.Version != VersionFehlt};
  }
};
TGeladen& Geladen()
{
  static TGeladen Daten;
  return Daten;
}

// Der Abschnitt [Halter], wie ihn die Seite aus ihrem Block entpackt: vorn und er sind wieder die
// ganze Datei, gelesen wie in wagennummer.
void HalterLaden(const std::string& Halter)
{
  Geladen().Kennzeichen = LadeKennzeichenAusText(KennzeichenVorn() + Halter);
}

// Ein Feld fuer die Seite: sichtbar wie in der Ausgabe von wagennummer, als UTF-8.
std::string Utf8(const std::string& Cp1252) { return Cp1252NachUtf8(Sichtbar(Cp1252)); }

// Ein Feld eines Ergebnisses fuer die Seite.
std::string Zeigen(const std::string& Cp1252, const TErgebnis& Ergebnis)
{
  return WieGetippt(Utf8(Cp1252), Ergebnis.Getippt);
}

val Paare(const std::vector<std::pair<std::string, std::string>>& Liste, const TErgebnis& Ergebnis)
{
  val Feld = val::array();
  for (const auto& [Bezeichnung, Text] : Liste) {
    val Paar = val::array();
    Paar.call<void>("push", Zeigen(Bezeichnung, Ergebnis));
    Paar.call<void>("push", Zeigen(Text, Ergebnis));
    Feld.call<void>("push", Paar);
  }
  return Feld;
}

val Texte(const std::vector<std::string>& Liste, const TErgebnis& Ergebnis)
{
  val Feld = val::array();
  for (const std::string& Text : Liste)
    Feld.call<void>("push", Zeigen(Text, Ergebnis));
  return Feld;
}

// Jeder Vorschlag in seinen Teilen (die Seite zeigt die Nummer als Knopf) und als ganzer Text.
val VorschlaegeVon(const TErgebnis& Ergebnis)
{
  val Feld = val::array();
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege) {
    val Eintrag = val::object();
    Eintrag.set("nummer", NummerGegliedert(Vorschlag.Ziffern));
    Eintrag.set("aenderung", Zeigen(Vorschlag.Aenderung, Ergebnis));
    Eintrag.set("deutung", Zeigen(Vorschlag.Deutung, Ergebnis));
    Eintrag.set("grund", Zeigen(Begruendung(Vorschlag), Ergebnis));
    Eintrag.set("text", Zeigen(VorschlagText(Vorschlag), Ergebnis));
    Feld.call<void>("push", Eintrag);
  }
  return Feld;
}

// Der Rechenweg ueber die ersten 11 Ziffern, nur wenn alle bekannt sind.
val RechenwegVon(const TErgebnis& Ergebnis)
{
  const std::string& Ziffern = Ergebnis.Ziffern;
  if (!Ergebnis.Meldung.empty() || Ergebnis.Berechnet.empty() || Ziffern.size() < 11 ||
      Ziffern.find('?') != std::string::npos)
    return val::null();
  const TRechenweg Weg = Rechenweg(std::string_view(Ziffern).substr(0, 11));
  val Schritte = val::array();
  for (const TRechenschritt& Schritt : Weg.Schritte) {
    val Zeile = val::object();
    Zeile.set("ziffer", Schritt.Wert);
    Zeile.set("gewicht", Schritt.Gewicht);
    Zeile.set("produkt", Schritt.Produkt);
    Zeile.set("quersumme", Schritt.Quersumme);
    Schritte.call<void>("push", Zeile);
  }
  val Objekt = val::object();
  Objekt.set("schritte", Schritte);
  Objekt.set("summe", Weg.Summe);
  Objekt.set("pruefziffer", Weg.Pruefziffer);
  return Objekt;
}

// Was Liste und Einzelpruefung gleich zeigen.
val Kurz(const TErgebnis& Ergebnis)
{
  val Objekt = val::object();
  Objekt.set("eingabe", Zeigen(Ergebnis.Eingabe, Ergebnis));
  Objekt.set("meldung", Zeigen(Ergebnis.Meldung, Ergebnis));
  Objekt.set("nummer", Zeigen(Ergebnis.Nummer, Ergebnis));
  Objekt.set("angeschrieben", Zeigen(Ergebnis.Angeschrieben, Ergebnis));
  Objekt.set("berechnet", Zeigen(Ergebnis.Berechnet, Ergebnis));
  Objekt.set("urteil", Utf8(UrteilText(Ergebnis.Meldung.empty() ? Ergebnis.Urteil : TUrteil::Unbrauchbar)));
  const std::array<std::string, 5> Spalten = CsvSpalten(Ergebnis);
  Objekt.set("spalten", Texte({Spalten.begin(), Spalten.end()}, Ergebnis));
  Objekt.set("halter", Zeigen(Ergebnis.Halter, Ergebnis));
  val Befunde = val::array();
  for (const TBefund& Befund : Ergebnis.Befunde) {
    val Eintrag = val::object();
    Eintrag.set("abweichung", Befund.Abweichung());
    Eintrag.set("bezug", Zeigen(BezugText(Befund), Ergebnis));
    Eintrag.set("text", Zeigen(Befund.Text, Ergebnis));
    Befunde.call<void>("push", Eintrag);
  }
  Objekt.set("befunde", Befunde);
  return Objekt;
}

// Eine Eingabe wie eine Zeile von wagennummer; Bytes mit der Kennung ihrer Quelle.

// Die ganze Auswertung einer Eingabe (UTF-8) fuer die Ergebnisansicht.
val Pruefen(const std::string& Eingabe)
{
  const TErgebnis Ergebnis = ZelleAuswerten(Geladen().Wissen(), Eingabe, TKennung::Utf8, false);
  val Objekt = Kurz(Ergebnis);
  Objekt.set("kopf", Zeigen(Ergebnis.Kopf, Ergebnis));
  Objekt.set("zeilen", Paare(Angaben(Ergebnis), Ergebnis));
  Objekt.set("vorschlagKopf", Zeigen(Ergebnis.VorschlagKopf, Ergebnis));
  Objekt.set("vorschlaege", VorschlaegeVon(Ergebnis));
  Objekt.set("rechenweg", RechenwegVon(Ergebnis));
  Objekt.set("abweichungen", static_cast<double>(Ergebnis.Abweichungen));
  return Objekt;
}

val LeseBefunde(const std::vector<TLeseBefund>& Befunde)
{
  val Feld = val::array();
  for (const TLeseBefund& Befund : Befunde)
    Feld.call<void>("push", Utf8(Ersetzt("Zeile %1: %2", {std::to_string(Befund.Zeile), Befund.Text})));
  return Feld;
}

// Eine eingefuegte oder gewaehlte Liste (Bytes wie gelesen, auch UTF-16 oder Windows-1252):
// jede Zeile ausgewertet, Doppelte mit Zeilen wie in der Tabellenkalkulation (ab 1, Kopf mit).
// Eine Arbeitsmappe (.xlsx, .ods, .xls) erkennt DateiLesen am Inhalt; die Seite liest sie nicht
// (mappe/ ohne libzip, expat, libfreexl) und zeigt die Meldung, sie als CSV zu speichern.
val Liste(const std::string& Bytes)
{
  const TListenErgebnis Gelesen = DateiLesen(Bytes);
  const TListe& Tabelle = Gelesen.Tabelle;
  val Objekt = val::object();
  Objekt.set("fehler", Utf8(Gelesen.Fehler));
  Objekt.set("befunde", LeseBefunde(Tabelle.Befunde));
  val Kopf = val::array();
  for (const std::string& Zelle : Tabelle.Kopf)
    Kopf.call<void>("push", ZelleUtf8(Zelle, Tabelle.Kennung));
  Objekt.set("kopf", Kopf);
  Objekt.set("nummernspalte", static_cast<double>(Tabelle.Nummernspalte));
  const std::size_t Versatz = Tabelle.MitKopf ? 2 : 1;
  std::vector<TErgebnis> Ergebnisse;
  std::vector<TSchluessel> Schluessel;
  Ergebnisse.reserve(Tabelle.Zeilen.size());
  for (std::size_t I = 0; I < Tabelle.Zeilen.size(); ++I) {
    Ergebnisse.push_back(ZelleAuswerten(Geladen().Wissen(), Tabelle, I, Tabelle.Nummernspalte, false));
    Schluessel.push_back(SchluesselVon(Ergebnisse.back()));
  }
  const std::vector<TDoppelt> Doppelte = DoppelteFinden(Schluessel);
  val Zeilen = val::array();
  for (std::size_t I = 0; I < Ergebnisse.size(); ++I) {
    val Zeile = Kurz(Ergebnisse[I]);
    Zeile.set("zeile", static_cast<double>(I + Versatz));
    TDoppelt Doppelt = Doppelte[I];
    Doppelt.Andere += Versatz;
    Zeile.set("doppelt", Zeigen(DoppelText(Doppelt), Ergebnisse[I]));
    val Zellen = val::array();
    for (const std::string& Zelle : Tabelle.Zeilen[I])
      Zellen.call<void>("push", ZelleUtf8(Zelle, Tabelle.Kennung));
    Zeile.set("zellen", Zellen);
    Zeilen.call<void>("push", Zeile);
  }
  Objekt.set("zeilen", Zeilen);
  return Objekt;
}

// Ob beide Datendateien gelesen sind (sonst zeigt die Seite nur Pruefziffern).
val DatenStand()
{
  const TWissen Wissen = Geladen().Wissen();
  val Objekt = val::object();
  Objekt.set("wagen", Wissen.MitDaten);
  Objekt.set("kennzeichen", Wissen.MitKennzeichen);
  return Objekt;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tandrix)
{
  emscripten::function("pruefen", &Pruefen);
  emscripten::function("liste", &Liste);
  emscripten::function("datenStand", &DatenStand);
  emscripten::function("halterLaden", &HalterLaden);
}
