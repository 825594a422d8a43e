#pragma once

#include "auswertung/liste.h"
#include "mappe/mappe.h"

#include <QStringList>

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Eine Zelle einer gelesenen Liste als Unicode, nach derselben Regel wie NachCp1252 (UTF-8 mit
// Mehrbyte-Zeichen oder Windows-1252), aber ohne Verlust: Ziffern anderer Schriften bleiben.
QString ZelleAlsText(const std::string& Zelle, TKennung Kennung);

// Eine gelesene Liste als Unicode, wie das Modell sie bekommt. Kopf hat immer einen Namen je
// Spalte ("Spalte 3", wenn die Liste keinen hat).
struct TTextListe {
  QStringList Kopf;
  std::vector<QStringList> Zeilen;
  char Trenner = '\0';
  bool MitKopf = false;
  int Nummernspalte = 0;
  QStringList Befunde;        // was das Lesen bemerkte, je Befund ein Satz mit der Zeile
  std::vector<bool> AlsZahl;  // je Zeile: die Nummernzelle war in der Arbeitsmappe eine Zahl
};
QStringList BefundTexte(const std::vector<TLeseBefund>& Befunde);
// Braucht kein Fenster und keinen geteilten Zustand: laeuft im Hintergrund. Wird Abbruch wahr,
// endet es nach der laufenden Zeile mit einer unvollstaendigen Liste.
TTextListe ListeAlsText(std::string_view Bytes, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch);

// Arbeitsmappen: hier und nur hier ruft die Sammlung mappe/ und die Bruecke zur Liste.
// Sind die Bytes eine Arbeitsmappe (am Inhalt erkannt), die ganze Mappe; sonst nullopt (Text).
std::optional<TMappe> AlsMappe(std::string_view Bytes);
// Ob die Bytes eine Excel-Arbeitsmappe (.xlsx) sind: nur die darf die Sammlung ersetzen.
bool IstXlsx(std::string_view Bytes);
// Ein Blatt wird gelesen wie eine Liste (Kopf, Nummernspalte), ohne Trenner.
TTextListe BlattAlsText(const TBlatt& Blatt, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch);
// Das Blatt, das die Sammlung vorschlaegt: das mit den meisten Nummern.
int BlattMitNummernIndex(const TMappe& Mappe);
