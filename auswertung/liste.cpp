#include "auswertung/liste.h"

#include "auswertung/eingabe.h"
#include "nummer/pruefziffer.h"
#include "zeichen/meldung.h"
#include "zeichen/text.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

// Texte dieser Datei: UTF-8 im Quelltext, als Windows-1252 ueber _cp1252.

namespace {

// Der Anfang des Textes bis zur ErkennungsZeilen-ten Zeile: mehr braucht die Erkennung nicht,
// und eine Liste mit 100.000 Zeilen wird so nicht viermal zerlegt.
std::string_view Anfang(std::string_view Text)
{
  std::size_t Zeilen = 0;
  for (std::size_t Pos = 0; Pos < Text.size(); ++Pos)
    if (Text[Pos] == '\n' && ++Zeilen == ErkennungsZeilen)
      return Text.substr(0, Pos);
  return Text;
}

}  // namespace

TZerleger::TZerleger(char Trenner, std::string Anfang, TQuelle Quelle)
    : FTrenner(Trenner), FQuelle(std::move(Quelle)), FPuffer(std::move(Anfang))
{
}

bool TZerleger::Da(std::size_t I)
{
  while (FAnfang + I >= FPuffer.size()) {
    if (FAmEnde)
      return false;
    // Gelieferte Zeilen fallen weg, bevor nachgelesen wird: der Puffer haelt nur die in Arbeit.
    FPuffer.erase(0, FAnfang);
    FAnfang = 0;
    if (FPuffer.size() >= StueckZeileHoechstens) {
      Befunde.push_back({FZeile, Ersetzt("Zeile %1 ist länger als %2 MiB; die Liste wurde dort abgebrochen"_cp1252,
                                         {std::to_string(FZeile), std::to_string(StueckZeileHoechstens >> 20)})});
      FQuelle = {};
    }
    FAmEnde = !FQuelle || !FQuelle(FPuffer);
  }
  return true;
}

// Ab dem oeffnenden Anfuehrungszeichen bei I bis hinter das schliessende. False, wenn das
// oeffnende als Zeichen zaehlen muss (Regeln in liste.h).
bool TZerleger::ZitatLesen(std::size_t& I, std::string& Feld, std::size_t& Umbrueche)
{
  std::size_t Zeilen = 0;
  for (++I;; ++I) {
    if (!Da(I))
      return false;
    const char Zeichen = Bei(I);
    if (Zeichen == '"') {
      if (!Da(I + 1) || Bei(I + 1) != '"')
        break;
      ++I;
    } else if (Zeichen == '\n' || (Zeichen == '\r' && (!Da(I + 1) || Bei(I + 1) != '\n'))) {
      if (++Zeilen, Feld.size() > ZitatHoechstlaenge)
        return false;
    }
    Feld += Zeichen;
  }
  ++I;
  if (Zeilen > 0 && Da(I) && Bei(I) != FTrenner && Bei(I) != '\r' && Bei(I) != '\n')
    return false;
  Umbrueche += Zeilen;
  return true;
}

TZerleger::TSchritt TZerleger::ZeileLesen(TFelder& Zeile, std::size_t& Umbrueche)
{
  Zeile.clear();
  std::string Feld;
  bool Zitiert = false;  // ein Feld hatte Anfuehrungszeichen: auch leer zaehlt die Zeile
  std::size_t I = 0;
  for (; Da(I); ++I) {
    const char Zeichen = Bei(I);
    if (Zeichen == '"' && Feld.empty() && std::find(FWoertlich.begin(), FWoertlich.end(), I) == FWoertlich.end()) {
      const std::size_t Oeffnend = I;
      if (!ZitatLesen(I, Feld, Umbrueche)) {
        FWoertlich.push_back(Oeffnend);
        Befunde.push_back(
            {FZeile + Umbrueche, Ersetzt("Zeile %1: Anführungszeichen ohne Gegenstück, als Zeichen gelesen; die Zeile "
                                         "endet am Zeilenende"_cp1252,
                                         {std::to_string(FZeile + Umbrueche)})});
        return TSchritt::Nochmal;
      }
      Zitiert = true;
      // Was nach dem schliessenden Zeichen bis zum Trenner steht, gehoert noch zum Feld.
      --I;
    } else if (FTrenner != '\0' && Zeichen == FTrenner) {
      Zeile.push_back(std::move(Feld));
      Feld.clear();
    } else if (Zeichen == '\r' || Zeichen == '\n') {
      if (Zeichen == '\r' && Da(I + 1) && Bei(I + 1) == '\n')
        ++I;
      ++I;
      ++Umbrueche;
      break;
    } else {
      Feld += Zeichen;
    }
  }
  if (I == 0 && !Da(0))
    return TSchritt::Ende;
  Zeile.push_back(std::move(Feld));
  FAnfang += I;
  if (Zeile.size() == 1 && Zeile.front().empty() && !Zitiert)
    Zeile.clear();
  return TSchritt::Fertig;
}

bool TZerleger::Naechste(TFelder& Zeile)
{
  for (;;) {
    std::size_t Umbrueche = 0;
    const TSchritt Schritt = ZeileLesen(Zeile, Umbrueche);
    if (Schritt == TSchritt::Ende)
      return false;
    if (Schritt == TSchritt::Nochmal)
      continue;
    FWoertlich.clear();
    FBegonnen = FZeile;
    FZeile += Umbrueche;
    if (!Zeile.empty())
      return true;
  }
}

std::vector<TFelder> Zerlegen(std::string_view Text, char Trenner, std::vector<TLeseBefund>* Befunde)
{
  TZerleger Zerleger(Trenner, std::string(Text));
  std::vector<TFelder> Zeilen;
  for (TFelder Zeile; Zerleger.Naechste(Zeile);)
    Zeilen.push_back(std::move(Zeile));
  if (Befunde)
    *Befunde = std::move(Zerleger.Befunde);
  return Zeilen;
}

char TrennerErkennen(std::string_view Text)
{
  const std::string_view Probe = Anfang(Text);
  char Bester = '\0';
  std::size_t BesteZeilen = 0;
  for (const char Trenner : {'\t', ';', ',', '|'}) {
    std::map<std::size_t, std::size_t> Haeufigkeit;  // Felderzahl -> Zeilen
    for (const TFelder& Zeile : Zerlegen(Probe, Trenner))
      if (Zeile.size() > 1)
        ++Haeufigkeit[Zeile.size()];
    for (const auto& [Felder, Zeilen] : Haeufigkeit)
      if (Zeilen > BesteZeilen) {
        BesteZeilen = Zeilen;
        Bester = Trenner;
      }
  }
  return Bester;
}

bool IstNummer(std::string_view Zelle, TKennung Kennung)
{
  const TEingabeText Text = EingabeUmsetzen(Zelle, Kennung);
  return Text.Fehler.empty() && NummerAusText(Text.Text).Fehler.empty();
}

std::string ZelleText(const std::string& Zelle, TKennung Kennung) { return NachCp1252(Zelle, Kennung); }

std::string ZelleUtf8(const std::string& Zelle, TKennung Kennung)
{
  std::string Utf8;
  for (const char32_t Zeichen : UnicodeZeichen(Zelle, Kennung))
    Utf8Anhaengen(Utf8, Zeichen);
  return Utf8;
}

namespace {

// Nummernspalte nach Vorgabe oder nach den meisten Treffern in den ersten Zeilen.
std::string SpalteWaehlen(TListe& Tabelle, const TLeseVorgabe& Vorgabe, bool& NachName)
{
  const auto Nummer = [&](std::size_t Zeile, std::size_t Spalte) {
    return Spalte < Tabelle.Zeilen[Zeile].size() && IstNummer(Tabelle.Zeilen[Zeile][Spalte], Tabelle.Kennung);
  };
  NachName = false;
  if (Vorgabe.Spalte && NurZiffern(*Vorgabe.Spalte) && Vorgabe.Spalte->size() < 6) {
    const std::size_t Spalte = std::stoul(*Vorgabe.Spalte);
    if (Spalte == 0 || Spalte > Tabelle.Spalten)
      return Ersetzt(Tabelle.Spalten == 1 ? "Spalte %1 gibt es nicht, die Liste hat %2 Spalte"
                                          : "Spalte %1 gibt es nicht, die Liste hat %2 Spalten",
                     {*Vorgabe.Spalte, std::to_string(Tabelle.Spalten)});
    Tabelle.Nummernspalte = Spalte - 1;
    return {};
  }
  NachName = Vorgabe.Spalte.has_value();
  const std::size_t Probe = std::min(Tabelle.Zeilen.size(), ErkennungsZeilen);
  std::size_t Beste = 0;
  for (std::size_t Spalte = 0; Spalte < Tabelle.Spalten && !NachName; ++Spalte) {
    std::size_t Treffer = 0;
    for (std::size_t Zeile = 0; Zeile < Probe; ++Zeile)
      Treffer += Nummer(Zeile, Spalte);
    if (Treffer > Beste) {
      Beste = Treffer;
      Tabelle.Nummernspalte = Spalte;
    }
  }
  return {};
}

// Kopfzeile nach Vorgabe oder erkannt, bei einer Spalte nach Namen auch diese.
std::string KopfWaehlen(TListe& Tabelle, const TLeseVorgabe& Vorgabe, bool NachName)
{
  const auto Nummer = [&](std::size_t Zeile) {
    const TFelder& Felder = Tabelle.Zeilen[Zeile];
    return Tabelle.Nummernspalte < Felder.size() && IstNummer(Felder[Tabelle.Nummernspalte], Tabelle.Kennung);
  };
  const std::size_t Probe = std::min(Tabelle.Zeilen.size(), ErkennungsZeilen);
  if (Vorgabe.MitKopf)
    Tabelle.MitKopf = *Vorgabe.MitKopf;
  else if (NachName)
    Tabelle.MitKopf = true;
  else if (!Tabelle.Zeilen.empty() && !Nummer(0))
    for (std::size_t Zeile = 1; Zeile < Probe && !Tabelle.MitKopf; ++Zeile)
      Tabelle.MitKopf = Nummer(Zeile);
  if (Tabelle.MitKopf && !Tabelle.Zeilen.empty()) {
    Tabelle.Kopf = std::move(Tabelle.Zeilen.front());
    Tabelle.Zeilen.erase(Tabelle.Zeilen.begin());
    if (!Tabelle.Zahlen.empty())
      Tabelle.Zahlen.erase(Tabelle.Zahlen.begin());
  }
  if (!NachName)
    return {};
  const std::string Gesucht = OhneFall(OhneRand(*Vorgabe.Spalte));
  const auto Treffer = std::find_if(Tabelle.Kopf.begin(), Tabelle.Kopf.end(), [&](const std::string& Zelle) {
    return OhneFall(OhneRand(ZelleText(Zelle, Tabelle.Kennung))) == Gesucht;
  });
  if (Treffer == Tabelle.Kopf.end())
    return Ersetzt("keine Spalte „%1“ in der Kopfzeile"_cp1252, {*Vorgabe.Spalte});
  Tabelle.Nummernspalte = static_cast<std::size_t>(Treffer - Tabelle.Kopf.begin());
  return {};
}

}  // namespace

TKennung ZeichensatzErkennen(std::string_view Anfang, std::size_t& Kennungslaenge)
{
  const TKennungAmAnfang Kennung = KennungAmAnfang(Anfang);
  Kennungslaenge = Kennung.Laenge;
  return Kennung.Kennung == TKennung::Keine ? Utf16OhneKennung(Anfang) : Kennung.Kennung;
}

std::string ErkennenAusAnfang(TListe& Tabelle, const TLeseVorgabe& Vorgabe)
{
  for (const TFelder& Zeile : Tabelle.Zeilen)
    Tabelle.Spalten = std::max(Tabelle.Spalten, Zeile.size());
  bool NachName = false;
  std::string Fehler = SpalteWaehlen(Tabelle, Vorgabe, NachName);
  return Fehler.empty() ? KopfWaehlen(Tabelle, Vorgabe, NachName) : Fehler;
}

TListenErgebnis ListeLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe)
{
  TListenErgebnis Ergebnis;
  TListe& Tabelle = Ergebnis.Tabelle;
  std::size_t Kennungslaenge = 0;
  Tabelle.Kennung = ZeichensatzErkennen(Bytes, Kennungslaenge);
  Bytes.remove_prefix(Kennungslaenge);
  std::string Utf8;
  if (Tabelle.Kennung == TKennung::Utf16LE || Tabelle.Kennung == TKennung::Utf16BE) {
    Utf8 = Utf16NachUtf8(Bytes, Tabelle.Kennung);
    Bytes = Utf8;
    Tabelle.Kennung = TKennung::Utf8;
  }
  Tabelle.Trenner = Vorgabe.Trenner.value_or(TrennerErkennen(Bytes));
  Tabelle.Zeilen = Zerlegen(Bytes, Tabelle.Trenner, &Tabelle.Befunde);
  Ergebnis.Fehler = ErkennenAusAnfang(Tabelle, Vorgabe);
  return Ergebnis;
}

bool AlsZahl(const TListe& Tabelle, std::size_t Zeile, std::size_t Spalte)
{
  return Zeile < Tabelle.Zahlen.size() && Spalte < Tabelle.Zahlen[Zeile].size() && Tabelle.Zahlen[Zeile][Spalte];
}

std::size_t BlattMitNummern(const TMappe& Mappe)
{
  for (std::size_t Blatt = 0; Blatt < Mappe.Blaetter.size(); ++Blatt) {
    const std::vector<TMappenZeile>& Zeilen = Mappe.Blaetter[Blatt].Zeilen;
    for (std::size_t Zeile = 0; Zeile < std::min(Zeilen.size(), ErkennungsZeilen); ++Zeile)
      for (const TMappenZelle& Zelle : Zeilen[Zeile])
        if (IstNummer(Zelle.Text, TKennung::Utf8))
          return Blatt;
  }
  return 0;
}

TListenErgebnis BlattLesen(TBlatt&& Blatt, const TLeseVorgabe& Vorgabe)
{
  TListenErgebnis Ergebnis;
  TListe& Tabelle = Ergebnis.Tabelle;
  Tabelle.Kennung = TKennung::Utf8;
  Tabelle.Zeilen.reserve(Blatt.Zeilen.size());
  Tabelle.Zahlen.reserve(Blatt.Zeilen.size());
  for (TMappenZeile& Zeile : Blatt.Zeilen) {
    TFelder Felder;
    std::vector<bool> Zahlen;
    Felder.reserve(Zeile.size());
    Zahlen.reserve(Zeile.size());
    for (TMappenZelle& Zelle : Zeile) {
      Felder.push_back(std::move(Zelle.Text));
      Zahlen.push_back(Zelle.Zahl);
    }
    TMappenZeile().swap(Zeile);  // der Speicher der Mappe geht, waehrend die Liste waechst
    Tabelle.Zeilen.push_back(std::move(Felder));
    Tabelle.Zahlen.push_back(std::move(Zahlen));
  }
  Ergebnis.Fehler = ErkennenAusAnfang(Tabelle, Vorgabe);
  return Ergebnis;
}

TListenErgebnis BlattLesen(const TBlatt& Blatt, const TLeseVorgabe& Vorgabe)
{
  TBlatt Kopie = Blatt;
  return BlattLesen(std::move(Kopie), Vorgabe);
}

std::string BlattWaehlen(const TMappe& Mappe, const TLeseVorgabe& Vorgabe, std::size_t& Blatt)
{
  Blatt = BlattMitNummern(Mappe);
  if (!Vorgabe.Blatt)
    return {};
  const std::string& Angabe = *Vorgabe.Blatt;
  const std::size_t Anzahl = Mappe.Blaetter.size();
  if (NurZiffern(Angabe) && !Angabe.empty() && Angabe.size() < 6) {
    Blatt = std::stoul(Angabe);
    if (Blatt >= 1 && Blatt <= Anzahl) {
      --Blatt;
      return {};
    }
  }
  const std::string Gesucht = OhneFall(OhneRand(NachCp1252(Angabe, TKennung::Utf8)));
  for (Blatt = 0; Blatt < Anzahl; ++Blatt)
    if (OhneFall(OhneRand(NachCp1252(Mappe.Blaetter[Blatt].Name, TKennung::Utf8))) == Gesucht)
      return {};
  Blatt = 0;
  std::string Namen;
  for (const TBlatt& Vorhanden : Mappe.Blaetter)
    Namen += (Namen.empty() ? "„" : ", „") + Vorhanden.Name + "“";
  return Ersetzt(
      "kein Blatt „%1“ in der Arbeitsmappe; sie hat %2"_cp1252,
      {NachCp1252(Angabe, TKennung::Utf8), NachCp1252(Namen.empty() ? "keine Blätter" : Namen, TKennung::Utf8)});
}

TListenErgebnis DateiLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe, std::optional<std::size_t> Blatt)
{
  if (MappenArtErkennen(Bytes) == TMappenArt::Text)
    return ListeLesen(Bytes, Vorgabe);
  TMappe Mappe = MappeLesen(Bytes);
  TListenErgebnis Ergebnis;
  std::size_t Gewaehlt = 0;
  std::string Fehler = !Mappe.Fehler.empty()    ? Mappe.Fehler
                       : Mappe.Blaetter.empty() ? "die Arbeitsmappe hat kein Blatt"_cp1252
                                                : BlattWaehlen(Mappe, Vorgabe, Gewaehlt);
  if (Fehler.empty() && Blatt) {
    Gewaehlt = *Blatt;
    if (Gewaehlt >= Mappe.Blaetter.size())
      Fehler = Ersetzt("Blatt %1 gibt es nicht, die Arbeitsmappe hat %2"_cp1252,
                       {std::to_string(Gewaehlt + 1), std::to_string(Mappe.Blaetter.size())});
  }
  if (Fehler.empty())
    Ergebnis = BlattLesen(std::move(Mappe.Blaetter[Gewaehlt]), Vorgabe);
  Ergebnis.Fehler = Ergebnis.Fehler.empty() ? std::move(Fehler) : Ergebnis.Fehler;
  Ergebnis.Art = Mappe.Art;
  Ergebnis.Blatt = Gewaehlt;
  for (const TBlatt& Vorhanden : Mappe.Blaetter)
    Ergebnis.Blaetter.push_back(Vorhanden.Name);
  return Ergebnis;
}

TDoppelt TDoppelSuche::Anmelden(std::size_t Zeile, const TSchluessel& Schluessel)
{
  if (Schluessel.Zwoelf.size() != 12 || !NurZiffern(Schluessel.Zwoelf))
    return {};
  const std::uint64_t Elf = std::stoull(Schluessel.Zwoelf.substr(0, 11));
  const std::string Text = OhneRand(Schluessel.Text);
  const auto Gefunden = FErste.find(Elf);
  if (Gefunden == FErste.end()) {
    FVoll = FVoll || FErste.size() >= FHoechstens;
    if (!FVoll) {
      FErste.emplace(Elf, TErste{Zeile, FTexte.size(), static_cast<std::uint32_t>(Text.size()), Schluessel.Zwoelf[11]});
      FTexte += Text;
    }
    return {};
  }
  const TErste& Erste = Gefunden->second;
  TDoppelt Doppelt;
  Doppelt.Andere = Erste.Zeile;
  Doppelt.AndererSchluessel = {Schluessel.Zwoelf.substr(0, 11) + Erste.Pruefziffer,
                               FTexte.substr(Erste.TextAnfang, Erste.TextLaenge)};
  Doppelt.Art = Erste.Pruefziffer != Schluessel.Zwoelf[11] ? TDoppelArt::AnderePruefziffer
                : Doppelt.AndererSchluessel.Text != Text   ? TDoppelArt::AndersGeschrieben
                                                           : TDoppelArt::Gleich;
  return Doppelt;
}

std::vector<TDoppelt> DoppelteFinden(const std::vector<TSchluessel>& Schluessel)
{
  std::vector<TDoppelt> Ergebnis(Schluessel.size());
  TDoppelSuche Suche;
  for (std::size_t Zeile = 0; Zeile < Schluessel.size(); ++Zeile) {
    Ergebnis[Zeile] = Suche.Anmelden(Zeile, Schluessel[Zeile]);
    const TDoppelt& Neu = Ergebnis[Zeile];
    // Die erste ihrer Gruppe verweist umgekehrt auf die zweite.
    if (Neu.Art != TDoppelArt::Keine && Ergebnis[Neu.Andere].Art == TDoppelArt::Keine)
      Ergebnis[Neu.Andere] = {Neu.Art, Zeile, Schluessel[Zeile]};
  }
  return Ergebnis;
}

std::string DoppelText(const TDoppelt& Doppelt)
{
  const std::string Zeile = "Zeile " + std::to_string(Doppelt.Andere);
  switch (Doppelt.Art) {
    case TDoppelArt::Keine:
      return {};
    case TDoppelArt::Gleich:
      return "doppelt: dieselbe Nummer wie " + Zeile;
    case TDoppelArt::AndersGeschrieben:
      return "doppelt: derselbe Wagen wie " + Zeile + ", dort anders geschrieben: „"_cp1252 +
             OhneRand(Doppelt.AndererSchluessel.Text) + "“"_cp1252;
    case TDoppelArt::AnderePruefziffer:
      return "doppelt: dieselben 11 Ziffern wie " + Zeile + ", dort mit Prüfziffer "_cp1252 +
             Doppelt.AndererSchluessel.Zwoelf.substr(11);
  }
  return {};
}

std::string FreiAuftragLesen(std::string_view Text, TFreiAuftrag& Auftrag)
{
  std::string Reihe = OhneRand(Text);
  // "... 100-199" am Ende: Ordnungsnummern von bis
  Auftrag.Von = 0;
  Auftrag.Bis = 999;
  const auto Leer = Reihe.find_last_of(" \t");
  if (Leer != std::string::npos) {
    const std::string Bereich = Reihe.substr(Leer + 1);
    const auto Strich = Bereich.find('-');
    if (Strich != std::string::npos && NurZiffern(Bereich.substr(0, Strich)) &&
        NurZiffern(Bereich.substr(Strich + 1)) && Strich <= 3 && Bereich.size() - Strich - 1 <= 3) {
      Auftrag.Von = std::stoi(Bereich.substr(0, Strich));
      Auftrag.Bis = std::stoi(Bereich.substr(Strich + 1));
      Reihe.resize(Leer);
    }
  }
  std::string Ziffern;
  for (const char Zeichen : Reihe) {
    if (Zeichen >= '0' && Zeichen <= '9')
      Ziffern += Zeichen;
    else if (Zeichen != ' ' && Zeichen != '.' && Zeichen != '-')
      return "Reihe „"_cp1252 + Reihe + "“ enthält anderes als Ziffern"_cp1252;
  }
  if (Ziffern.size() != 8)
    return "eine Reihe sind die ersten 8 Ziffern, „"_cp1252 + Reihe + "“ hat "_cp1252 + std::to_string(Ziffern.size());
  if (Auftrag.Von > Auftrag.Bis)
    return "Ordnungsnummern " + std::to_string(Auftrag.Von) + "-" + std::to_string(Auftrag.Bis) + ": von nach bis";
  Auftrag.Reihe = Ziffern;
  return {};
}

std::vector<std::string> FreieNummern(const TFreiAuftrag& Auftrag, const std::vector<std::string>& Belegt)
{
  std::array<bool, 1000> Vergeben{};
  for (const std::string& Nummer : Belegt)
    if (Nummer.size() >= 11 && Nummer.compare(0, 8, Auftrag.Reihe) == 0 && NurZiffern(Nummer.substr(8, 3)))
      Vergeben[static_cast<std::size_t>(std::stoi(Nummer.substr(8, 3)))] = true;
  std::vector<std::string> Freie;
  for (int Ordnung = std::max(Auftrag.Von, 0); Ordnung <= std::min(Auftrag.Bis, 999) && Freie.size() < Auftrag.Anzahl;
       ++Ordnung) {
    if (Vergeben[static_cast<std::size_t>(Ordnung)])
      continue;
    std::string Elf = Auftrag.Reihe + std::to_string(1000 + Ordnung).substr(1);
    Freie.push_back(Elf + Pruefziffer(Elf));
  }
  return Freie;
}

namespace {

// So viele Bytes holt der Strom auf einmal aus der Quelle.
constexpr std::size_t StueckGroesse = std::size_t{64} * 1024;

bool IstUtf16(TKennung Kennung) { return Kennung == TKennung::Utf16LE || Kennung == TKennung::Utf16BE; }

// Wie viele Bytes vom Anfang ganze UTF-16-Zeichen sind: gerade, ohne ein hohes Surrogat am Ende.
std::size_t GanzeUtf16(std::string_view Bytes, TKennung Kennung)
{
  std::size_t Laenge = Bytes.size() & ~std::size_t{1};
  if (Laenge >= 2) {
    const auto Hoch = static_cast<unsigned char>(Bytes[Laenge - (Kennung == TKennung::Utf16BE ? 2 : 1)]);
    if (Hoch >= 0xD8 && Hoch <= 0xDB)
      Laenge -= 2;
  }
  return Laenge;
}

}  // namespace

bool TListenStrom::Roh(std::string& Puffer)
{
  std::string Stueck;
  const bool Mehr = FQuelle && FQuelle(Stueck);
  if (!IstUtf16(FRoh)) {
    Puffer += Stueck;
    return Mehr || !Stueck.empty();
  }
  FRest += Stueck;
  const std::size_t Ganz = Mehr ? GanzeUtf16(FRest, FRoh) : FRest.size();
  Puffer += Utf16NachUtf8(std::string_view(FRest).substr(0, Ganz), FRoh);
  FRest.erase(0, Ganz);
  return Mehr || Ganz > 0;
}

TListenStrom::TListenStrom(TZerleger::TQuelle Quelle, const TLeseVorgabe& Vorgabe) : FQuelle(std::move(Quelle))
{
  // Der Anfang bis zur ErkennungsZeilen-ten Zeile entscheidet ueber Zeichensatz und Trenner.
  std::string Anfang;
  while (static_cast<std::size_t>(std::count(Anfang.begin(), Anfang.end(), '\n')) < ErkennungsZeilen && FQuelle &&
         FQuelle(Anfang) && Anfang.size() < StueckGroesse * 16) {
  }
  std::size_t Kennungslaenge = 0;
  FRoh = ZeichensatzErkennen(Anfang, Kennungslaenge);
  FTabelle.Kennung = IstUtf16(FRoh) ? TKennung::Utf8 : FRoh;
  std::string Text = Anfang.substr(Kennungslaenge);
  if (IstUtf16(FRoh)) {
    FRest = std::move(Text);
    const std::size_t Ganz = GanzeUtf16(FRest, FRoh);
    Text = Utf16NachUtf8(std::string_view(FRest).substr(0, Ganz), FRoh);
    FRest.erase(0, Ganz);
  }
  FTabelle.Trenner = Vorgabe.Trenner.value_or(TrennerErkennen(Text));
  FZerleger.emplace(FTabelle.Trenner, std::move(Text), [this](std::string& Puffer) { return Roh(Puffer); });
  for (TFelder Zeile; FTabelle.Zeilen.size() < ErkennungsZeilen && FZerleger->Naechste(Zeile);)
    FTabelle.Zeilen.push_back(std::move(Zeile));
  FFehler = ErkennenAusAnfang(FTabelle, Vorgabe);
}

bool TListenStrom::Naechste(TFelder& Zeile)
{
  if (FGeholt < FTabelle.Zeilen.size()) {
    Zeile = std::move(FTabelle.Zeilen[FGeholt++]);
    if (FGeholt == FTabelle.Zeilen.size())
      FTabelle.Zeilen.clear();
    return true;
  }
  FGeholt = 0;
  return FZerleger->Naechste(Zeile);
}

std::vector<TLeseBefund> TListenStrom::NeueBefunde()
{
  std::vector<TLeseBefund> Neue = std::move(FZerleger->Befunde);
  FZerleger->Befunde.clear();
  return Neue;
}
