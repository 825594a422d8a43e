#pragma once

#include "auswertung/anschrift.h"
#include "auswertung/eingabe.h"
#include "auswertung/liste.h"
#include "auswertung/triebfahrzeug.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"
#include "nummer/wageninfo.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Das Urteil ueber eine Eingabe; das Wort dazu gibt UrteilText.
// OhnePruefziffer: eine nationale Nummer, die keine traegt ("SM42-2244").
enum class TUrteil { Unbrauchbar, Korrekt, Berechnet, Falsch, Unvollstaendig, OhnePruefziffer };
// "korrekt", "berechnet", "falsch", "unvollständig", "ohne Prüfziffer", "unbrauchbar" (Windows-1252).
std::string UrteilText(TUrteil Urteil);

// Ein Vorschlag zu einer falschen oder unvollstaendigen Nummer, in seinen Teilen.
struct TVorschlagEintrag {
  std::string Ziffern;             // 12 Ziffern
  std::string Aenderung;           // "Stelle 12: 8 statt 4"; leer bei Ergaenzungen
  std::string Deutung;             // "Fals, Deutschland"
  std::vector<std::string> Passt;  // was von der Anschrift passt: "D-DB", "Fals"; oft leer
};
// "passt zu D-DB und Fals"; leer, wenn nichts passt (Windows-1252).
std::string Begruendung(const TVorschlagEintrag& Vorschlag);
// "31 80 6652 003-8  Stelle 12: 8 statt 4; Fals, Deutschland; passt zu Fals" (Windows-1252).
std::string VorschlagText(const TVorschlagEintrag& Vorschlag);

// "Abweichung: …" bzw. "Hinweis: …" (Windows-1252).
std::string BefundText(const TBefund& Befund);
// Worauf der Befund sich bezieht, fuer Tooltips und Titel: "Halter „DB“", "Nummer" (Windows-1252).
std::string BezugText(const TBefund& Befund);

// Die Baureihe einer nationalen Nummer in einem Land, in das sie sich umrechnen laesst.
struct TReihenAngabe {
  std::string Wort;      // "Baureihe", "Reihe"
  std::string Land;      // Name des Landes, wenn es mehrere sind; sonst leer
  std::string Baureihe;  // "193, Nr. 193 558"
};

// Eine andere Zelle derselben Zeile (Windows-1252): was dort an Gattungszeichen, Halter und
// Land steht, zaehlt wie neben die Nummer geschrieben.
struct TZellenKontext {
  std::string Spalte;  // Name der Spalte ("Bezeichnung") oder "Spalte 3"
  std::string Text;
};
// Was aus einer Zelle in die Anschrift ging: "Zacns", "VTG".
struct TKontextFund {
  std::string Spalte;
  std::vector<std::string> Woerter;
};

// Was "wagennummer" zu einer Eingabe weiss. Alle Texte Windows-1252 und roh, wie sie aus Eingabe
// und Datendateien kommen: sichtbar bzw. zur CSV-Zelle macht sie erst die Ausgabe, jedes Feld.
struct TErgebnis {
  std::string Eingabe;
  std::string Meldung;        // nicht leer: die Eingabe ist unbrauchbar, und das ist der Grund
  std::string Nummer;         // wie gelesen, gegliedert; eine falsche Pruefziffer bleibt stehen
  std::string Ziffern;        // die Ziffern von Nummer (12 bei einer vollstaendigen), "?" fuer unbekannte
  std::string Angeschrieben;  // Pruefziffer auf dem Wagen, leer bei 11 Stellen
  std::string Berechnet;      // leer bei unbekannten Stellen
  TUrteil Urteil = TUrteil::Unbrauchbar;
  std::string Kopf;                             // Tabelle: was hinter der Nummer steht
  std::optional<TAnzeige> Wagen;                // die fuenf Felder des Fensters
  std::optional<TTriebfahrzeug> Triebfahrzeug;  // statt Wagen; Baureihe leer ohne Kennzeichen.ebb
  std::vector<TReihenAngabe> Reihen;            // einer nationalen Nummer, je Land
  std::string Anschrift;                        // wie gelesen ("D-DB Fals RIV"); leer ohne
  std::vector<TKontextFund> AusDerZeile;        // aus anderen Zellen der Zeile in die Anschrift
  std::string Halter;
  std::vector<TBefund> Befunde;
  std::string VorschlagKopf;
  std::vector<TVorschlagEintrag> Vorschlaege;
  std::string Rechenweg;  // mehrzeilig, mit --erklaeren
  std::size_t Abweichungen = 0;
  std::vector<std::pair<std::string, std::string>> Getippt;  // TEingabeText::Getippt
};

// Die geladenen Tabellen und was davon da ist.
struct TWissen {
  const TStammdaten& Stammdaten;
  const TKennzeichen& Kennzeichen;
  bool MitDaten;
  bool MitKennzeichen;
};

// Wie viele Nummern eine Liste von Ergaenzungen bzw. Reparaturen hoechstens zeigt.
inline constexpr std::size_t HoechstensVorschlaege = 100;
inline constexpr std::size_t HoechstensReparaturen = 5;

// Eine umgesetzte Eingabe (EingabeUmsetzen) gelesen und ausgewertet; ihre Hinweise kommen zuerst.
TErgebnis Auswerten(const TWissen& Wissen, TEingabeText Text, bool Erklaeren,
                    const std::vector<TZellenKontext>& Kontext = {});

// Eine Eingabe, die schon als Windows-1252 gelesen ist.
TErgebnis Auswerten(const TWissen& Wissen, const std::string& Eingabe, const TGelesen& Gelesen, bool Erklaeren,
                    const std::vector<TZellenKontext>& Kontext = {});

// Eine Zelle oder Zeile, wie sie kommt (Bytes mit Kennung): laenger als ZeilenHoechstlaenge
// Zeichen ist sie unbrauchbar, ohne erst ganz umgesetzt zu werden; sonst wie oben.
// AlsZahl: die Arbeitsmappe hielt die Zelle als Zahl (AlsZahl aus liste.h). Die
// Tabellenkalkulation laesst dann eine fuehrende Null weg ("01 86 5000 235-7" wird 18650002357):
// 11 Ziffern aus einer Zahl gelten deshalb nicht still als Nummer ohne Pruefziffer, eine
// Abweichung sagt es und nennt die Nummer mit der Null. Die Regel steht nur hier.
TErgebnis ZelleAuswerten(const TWissen& Wissen, std::string_view Bytes, TKennung Kennung, bool Erklaeren,
                         const std::vector<TZellenKontext>& Kontext = {}, bool AlsZahl = false);
// Dasselbe fuer Zeile und Spalte einer gelesenen Tabelle (Zeile wie in Tabelle.Zeilen), mit den
// uebrigen Zellen der Zeile als Kontext.
TErgebnis ZelleAuswerten(const TWissen& Wissen, const TListe& Tabelle, std::size_t Zeile, std::size_t Spalte,
                         bool Erklaeren);

// Die uebrigen Zellen einer Zeile einer Liste als Kontext der Nummernspalte (Windows-1252).
std::vector<TZellenKontext> KontextDerZeile(const TFelder& Zeile, const TListe& Tabelle);

// Was von einem Ergebnis in die Doppelsuche geht: 12 Ziffern (die Pruefziffer wie angeschrieben
// oder berechnet) und die Eingabe; ohne vollstaendige Nummer kein Schluessel.
TSchluessel SchluesselVon(const TErgebnis& Ergebnis);

// Ein Text in UTF-8 mit den Woertern, wie sie getippt waren: "CZ-CD" wieder als "CZ-ČD"
// (Getippt aus dem Ergebnis); nur ganze Woerter oder Wortteile zwischen Strichen, und nur ab zwei
// Zeichen (ein "C" steht auch in Hinweisen).
std::string WieGetippt(std::string Utf8, const std::vector<std::pair<std::string, std::string>>& Getippt);

// Die Angaben zur Nummer je Bezeichnung und Text: die fuenf Felder des Fensters bzw. Art, Land,
// Baureihe eines Triebfahrzeugs, die Reihen einer nationalen Nummer, die Anschrift und was aus
// der Zeile dazukam.
std::vector<std::pair<std::string, std::string>> Angaben(const TErgebnis& Ergebnis);
// Was eine Ansicht unter der Nummer zeigt, in dieser Reihenfolge: Angaben, der Halter, die
// Befunde ("Abweichung", "Hinweis").
std::vector<std::pair<std::string, std::string>> AlleAngaben(const TErgebnis& Ergebnis);
// Die fuenf Spalten der CSV (Eigentumsmerkmal .. Hoechstgeschwindigkeit); ein Triebfahrzeug
// fuellt Austauschverfahren mit der Art, Eigentumsverwaltung mit dem Land, Wagengattung mit der
// Baureihe.
std::array<std::string, 5> CsvSpalten(const TErgebnis& Ergebnis);

// Unbrauchbar mit Meldung.
TErgebnis UnbrauchbarWeil(std::string Eingabe, std::string Meldung);
// Unbrauchbar, weil die Zeile laenger als ZeilenHoechstlaenge ist; Anfang ist ihr Beginn.
TErgebnis ZeileZuLang(const std::string& Anfang);
