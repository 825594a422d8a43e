#include "kommandozeile/liste_ausgabe.h"

#include "kommandozeile/ausgabe.h"
#include "kommandozeile/listenleser.h"
#include "kommandozeile/programm.h"

#include "auswertung/eingabe.h"
#include "zeichen/meldung.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>

// Texte dieser Datei: UTF-8 im Quelltext; was in Ergebnisse geht, als Windows-1252 ueber _cp1252.

namespace {

// Die Standardeingabe in Stuecken fuer TListenStrom.
TZerleger::TQuelle Stueckweise(std::istream& Ein)
{
  return [&Ein](std::string& Puffer) {
    constexpr std::size_t Stueck = std::size_t{64} * 1024;
    const std::size_t Vorher = Puffer.size();
    Puffer.resize(Vorher + Stueck);
    Ein.read(Puffer.data() + Vorher, static_cast<std::streamsize>(Stueck));
    Puffer.resize(Vorher + static_cast<std::size_t>(Ein.gcount()));
    return Puffer.size() > Vorher;
  };
}

// So viele verschiedene Nummern merkt sich die Doppelsuche einer Liste (etwa 80 Bytes je
// Nummer): der Speicher bleibt unter 64 MB, wie lang die Eingabe auch ist.
constexpr std::size_t HoechstensGemerkt = 500000;

// Eine Liste Zeile fuer Zeile: gelesen, ausgewertet, Doppelte als Hinweis, Befunde des Lesens auf
// die Fehlerausgabe. Jede Zeile geht an Jede; der Exit-Status kommt zurueck.
class TListenLauf {
public:
  TListenLauf(const TWissen& Wissen, const TOptionen& Optionen, TListenEingabe Eingabe, std::ostream& Fehler)
      : FWissen(Wissen),
        FOptionen(Optionen),
        FEin(Eingabe.Ein),
        FFehler(Fehler),
        FMappe(Eingabe.Mappe),
        FDoppelte(HoechstensGemerkt)
  {
    if (!FMappe)
      FStrom.emplace(Stueckweise(FEin), Vorgabe(Optionen));
  }
  const TListe& Tabelle() const { return FMappe ? FMappe->Tabelle : FStrom->Tabelle(); }
  const std::string& LeseFehler() const { return FMappe ? FMappe->Fehler : FStrom->Fehler(); }
  std::size_t LeseBefunde() const { return FLeseBefunde; }
  // Zeilen wie in der Tabellenkalkulation gezaehlt: ab 1, die Kopfzeile mit.
  std::size_t Versatz() const { return Tabelle().MitKopf ? 2 : 1; }

  template <class TJede>
  int Alle(TJede Jede, const std::ostream& Aus)
  {
    if (!LeseFehler().empty()) {
      FFehler << "wagennummer: " << Cp1252NachUtf8(Sichtbar(LeseFehler())) << "\n";
      return StatusUnbrauchbar;
    }
    int Gesamt = StatusGut;
    TFelder Zeile;
    bool Zahl = false;
    for (std::size_t I = 0; Aus && Naechste(I, Zeile, Zahl); ++I) {
      Gesamt = std::max(Gesamt, BefundeMelden());
      const std::string Zelle = Tabelle().Nummernspalte < Zeile.size() ? Zeile[Tabelle().Nummernspalte] : std::string();
      TErgebnis Ergebnis = ZelleAuswerten(FWissen, Zelle, Tabelle().Kennung, FOptionen.Erklaeren,
                                          KontextDerZeile(Zeile, Tabelle()), Zahl);
      TDoppelt Doppelt = FDoppelte.Anmelden(I + Versatz(), SchluesselVon(Ergebnis));
      if (Doppelt.Art != TDoppelArt::Keine)
        Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Doppelt, DoppelText(Doppelt)));
      Gesamt = std::max(Gesamt, Status(Ergebnis, FOptionen.Streng));
      Jede(I, Zeile, Ergebnis);
    }
    Gesamt = std::max(Gesamt, BefundeMelden());
    if (FDoppelte.Voll())
      FFehler << Ersetzt("wagennummer: mehr als %1 verschiedene Nummern; Doppelte nur unter den ersten %1 gesucht\n",
                         {std::to_string(HoechstensGemerkt)});
    if (FEin.bad()) {
      FFehler << "wagennummer: Lesefehler\n";
      return StatusEinAusgabe;
    }
    return Gesamt;
  }

private:
  static TLeseVorgabe Vorgabe(const TOptionen& Optionen)
  {
    TLeseVorgabe Vorgabe;
    Vorgabe.Spalte = Optionen.Spalte;
    return Vorgabe;
  }
  // Zeile I der Liste (ab 0, ohne Kopf); Zahl: ihre Nummernzelle war in der Mappe eine Zahl.
  bool Naechste(std::size_t I, TFelder& Zeile, bool& Zahl)
  {
    if (!FMappe)
      return FStrom->Naechste(Zeile);
    if (I >= FMappe->Tabelle.Zeilen.size())
      return false;
    Zeile = std::move(FMappe->Tabelle.Zeilen[I]);
    Zahl = AlsZahl(FMappe->Tabelle, I, FMappe->Tabelle.Nummernspalte);
    return true;
  }
  // Was der Leser nicht sauber zerlegen konnte, sagt er mit der Zeile: die Liste ist dann nicht
  // so gelesen, wie sie gemeint war (Exit-Status 2).
  int BefundeMelden()
  {
    std::vector<TLeseBefund> Befunde;
    if (FMappe)
      Befunde.swap(FMappe->Tabelle.Befunde);
    else
      Befunde = FStrom->NeueBefunde();
    FLeseBefunde += Befunde.size();
    for (const TLeseBefund& Befund : Befunde)
      FFehler << "wagennummer: " << Cp1252NachUtf8(Sichtbar(Befund.Text)) << "\n";
    return Befunde.empty() ? StatusGut : StatusUnbrauchbar;
  }

  const TWissen& FWissen;
  const TOptionen& FOptionen;
  std::istream& FEin;
  std::ostream& FFehler;
  TListenErgebnis* FMappe;
  std::optional<TListenStrom> FStrom;
  TDoppelSuche FDoppelte;
  std::size_t FLeseBefunde = 0;
};

// Zellen mit Zeichen, die Windows-1252 nicht hat: gezaehlt, damit die CSV es sagt statt still
// '?' zu schreiben.
bool PasstInCp1252(const std::string& Zelle, TKennung Kennung)
{
  const std::u32string Zeichen = UnicodeZeichen(Zelle, Kennung);
  return std::all_of(Zeichen.begin(), Zeichen.end(),
                     [](char32_t Z) { return Z == U'?' || UnicodeNachCp1252(Z) != '?'; });
}

}  // namespace

namespace {

// Eine Zelle des Benutzers fuer die CSV: wie sie dastand, in UTF-8 mit jedem Zeichen;
// Zeilenumbrueche und Tabulatoren bleiben (CsvFeld setzt Anfuehrungszeichen), andere
// Steuerzeichen werden sichtbar wie ueberall in der Ausgabe von wagennummer (Sichtbar).
std::string BenutzerZelle(const std::string& Zelle, TKennung Kennung, bool Utf8)
{
  std::string Text;
  for (const char32_t Zeichen : UnicodeZeichen(Zelle, Kennung)) {
    if ((Zeichen < 0x20 && Zeichen != U'\t' && Zeichen != U'\r' && Zeichen != U'\n') || Zeichen == 0x7F) {
      Text += '^';
      Text += static_cast<char>(Zeichen ^ 0x40);
    } else if (Zeichen >= 0x80 && Zeichen < 0xA0) {
      Text += '?';
    } else if (Utf8) {
      Utf8Anhaengen(Text, Zeichen);
    } else {
      Text += UnicodeNachCp1252(Zeichen);
    }
  }
  return CsvFeld(Text);
}

}  // namespace

namespace {

// Die Spalten des Benutzers in der CSV: vorn, auf die Breite der ersten Zeilen aufgefuellt, damit
// die von wagennummer in jeder Zeile an derselben Stelle stehen; was eine spaetere Zeile darueber
// hinaus hat, kommt hinter sie. Zaehlt mit, was am Ende zu sagen ist.
class TBenutzerspalten {
public:
  TBenutzerspalten(const TListe& Tabelle, bool Utf8) : FTabelle(Tabelle), FUtf8(Utf8) {}

  // Die Felder vorn und hinten, je mit ";" dahinter; Nummer: Zeile wie in der Tabellenkalkulation.
  struct TFelderText {
    std::string Vorn, Hinten;
  };
  TFelderText Felder(const TFelder& Zeile, std::size_t Nummer, bool Kopf)
  {
    TFelderText Text;
    for (std::size_t Spalte = 0; Spalte < std::max(FTabelle.Spalten, Zeile.size()); ++Spalte) {
      const bool Da = Spalte < Zeile.size();
      if (Da && !FUtf8 && !PasstInCp1252(Zeile[Spalte], FTabelle.Kennung) && FOhne1252++ == 0)
        FErsteOhne1252 = Nummer;
      const std::string Feld = Da     ? BenutzerZelle(Zeile[Spalte], FTabelle.Kennung, FUtf8)
                               : Kopf ? "Spalte " + std::to_string(Spalte + 1)
                                      : std::string();
      (Spalte < FTabelle.Spalten ? Text.Vorn : Text.Hinten) += Feld + ";";
    }
    if (!Text.Hinten.empty() && FErsteBreitere == 0)
      FErsteBreitere = Nummer;
    return Text;
  }

  void Melden(std::ostream& Fehler) const
  {
    if (FErsteBreitere > 0)
      Fehler << Ersetzt(
          "wagennummer: Zeile %1 und vielleicht weitere haben mehr Spalten als die ersten; was "
          "darüber hinausgeht, steht hinter den Spalten von wagennummer\n",
          {std::to_string(FErsteBreitere)});
    if (FOhne1252 > 0)
      Fehler << Ersetzt(
          "wagennummer: %1 Zellen mit Zeichen, die Windows-1252 nicht hat (zuerst Zeile %2), in der "
          "CSV als ?; --utf8 behält sie\n",
          {std::to_string(FOhne1252), std::to_string(FErsteOhne1252)});
  }

private:
  const TListe& FTabelle;
  bool FUtf8;
  std::size_t FOhne1252 = 0, FErsteOhne1252 = 0, FErsteBreitere = 0;
};

// Eine Zeile der Liste als CSV: die Spalten des Benutzers, dann die von wagennummer.
void CsvZeile(TBenutzerspalten& Spalten, const TFelder& Zeile, std::size_t Nummer, const TErgebnis& Ergebnis, bool Utf8,
              std::ostream& Aus)
{
  const auto [Vorn, Hinten] = Spalten.Felder(Zeile, Nummer, false);
  std::ostringstream Eigene;
  TAusgabe(true, Utf8, Eigene).Schreibe(Ergebnis);
  std::string Text = Eigene.str();
  if (!Hinten.empty())
    Text.insert(Text.size() - 2, ";" + Hinten.substr(0, Hinten.size() - 1));
  Aus << Vorn << Text;
}

}  // namespace

int SpaltenAuswerten(const TWissen& Wissen, const TOptionen& Optionen, TListenEingabe Eingabe, std::ostream& Aus,
                     std::ostream& Fehler)
{
  TListenLauf Lauf(Wissen, Optionen, Eingabe, Fehler);
  const TListe& Tabelle = Lauf.Tabelle();
  TBenutzerspalten Spalten(Tabelle, Optionen.Utf8);
  if (Optionen.Csv && Lauf.LeseFehler().empty()) {
    if (Optionen.Utf8)
      Aus << Utf8Kennung;
    Aus << Spalten.Felder(Tabelle.Kopf, 1, true).Vorn;
    std::ostringstream Kopf;
    TAusgabe(true, false, Kopf).Kopf();
    Aus << (Optionen.Utf8 ? Cp1252NachUtf8(Kopf.str()) : Kopf.str());
  }
  const int Ergebnisstatus = Lauf.Alle(
      [&](std::size_t I, const TFelder& Zeile, const TErgebnis& Ergebnis) {
        if (Optionen.Csv)
          return CsvZeile(Spalten, Zeile, I + Lauf.Versatz(), Ergebnis, Optionen.Utf8, Aus);
        std::string Text;
        for (const std::string& Zelle : Zeile)
          Text += (Text.empty() ? "" : " | ") + ZelleText(Zelle, Tabelle.Kennung);
        TAusgabe(false, true, Aus).Schreibe(Ergebnis, {"Zeile " + std::to_string(I + Lauf.Versatz()), Text});
      },
      Aus);
  Spalten.Melden(Fehler);
  return Ergebnisstatus;
}

int FreieAusgeben(const TWissen& Wissen, const TOptionen& Optionen, TListenEingabe Eingabe, std::ostream& Aus,
                  std::ostream& Fehler)
{
  TFreiAuftrag Auftrag;
  const std::string& Anzahl = Optionen.Frei->second;
  std::string Meldung = FreiAuftragLesen(NachCp1252(Optionen.Frei->first, TKennung::Keine), Auftrag);
  if (Meldung.empty() &&
      (Anzahl.size() > 4 || !NurZiffern(Anzahl) || std::stoul(Anzahl) == 0 || std::stoul(Anzahl) > 1000))
    Meldung = "Anzahl „"_cp1252 + Anzahl + "“: 1 bis 1000"_cp1252;
  if (!Meldung.empty()) {
    Fehler << "wagennummer: " << Cp1252NachUtf8(Sichtbar(Meldung)) << "\n";
    return StatusUnbrauchbar;
  }
  Auftrag.Anzahl = std::stoul(Anzahl);
  std::vector<std::string> Belegt;
  for (const std::string& Nummer : Optionen.Nummern)
    Belegt.push_back(Auswerten(Wissen, EingabeUmsetzen(Nummer, TKennung::Keine), false).Ziffern);
  int Listenstatus = StatusGut;
  if (Optionen.Spalte || Optionen.Liste || Eingabe.Mappe) {
    TListenLauf Lauf(Wissen, Optionen, Eingabe, Fehler);
    const std::ostringstream Ohne;
    const int Ergebnisstatus =
        Lauf.Alle([&](std::size_t, const TFelder&,
                      const TErgebnis& Ergebnis) { Belegt.push_back(SchluesselVon(Ergebnis).Zwoelf); },
                  Ohne);
    // Eine unbekannte Spalte oder ein Lesefehler: keine Nummern. Was der Leser nur mit Befund
    // zerlegen konnte, zaehlt trotzdem als belegt, der Exit-Status sagt es.
    if (!Lauf.LeseFehler().empty() || Ergebnisstatus == StatusEinAusgabe)
      return Ergebnisstatus;
    Listenstatus = Lauf.LeseBefunde() > 0 ? StatusUnbrauchbar : StatusGut;
  }
  const std::vector<std::string> Freie = FreieNummern(Auftrag, Belegt);
  for (const std::string& Nummer : Freie)
    Aus << NummerGegliedert(Nummer) << "\n";
  if (Freie.size() < Auftrag.Anzahl)
    Fehler << "wagennummer: nur " << Freie.size() << " freie Nummern in dieser Reihe\n";
  return std::max(Listenstatus, static_cast<int>(Freie.size() < Auftrag.Anzahl ? StatusFalsch : StatusGut));
}
