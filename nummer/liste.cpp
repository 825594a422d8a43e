#include "nummer/liste.h"

#include "nummer/eingabe.h"
#include "nummer/pruefziffer.h"

#include <algorithm>
#include <array>

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

bool NurZiffern(std::string_view Text)
{
  return !Text.empty() && std::all_of(Text.begin(), Text.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
}

std::string OhneRand(std::string_view Text)
{
  const auto Erstes = Text.find_first_not_of(" \t");
  if (Erstes == std::string_view::npos)
    return {};
  return std::string(Text.substr(Erstes, Text.find_last_not_of(" \t") - Erstes + 1));
}

}  // namespace

std::vector<TFelder> Zerlegen(std::string_view Text, char Trenner)
{
  std::vector<TFelder> Zeilen;
  TFelder Zeile;
  std::string Feld;
  bool Zitiert = false;  // das aktuelle Feld hatte Anfuehrungszeichen: auch leer zaehlt es
  const auto FeldEnde = [&] {
    Zeile.push_back(std::move(Feld));
    Feld.clear();
  };
  const auto ZeilenEnde = [&] {
    FeldEnde();
    if (Zeile.size() > 1 || !Zeile.front().empty() || Zitiert)
      Zeilen.push_back(std::move(Zeile));
    Zeile.clear();
    Zitiert = false;
  };
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    const char Zeichen = Text[Pos];
    if (Zeichen == '"' && Feld.empty()) {
      Zitiert = true;
      for (++Pos; Pos < Text.size(); ++Pos) {
        if (Text[Pos] == '"') {
          if (Pos + 1 < Text.size() && Text[Pos + 1] == '"')
            ++Pos;
          else
            break;
        }
        Feld += Text[Pos];
      }
      ++Pos;
      // Was nach dem schliessenden Zeichen bis zum Trenner steht, gehoert noch zum Feld.
      continue;
    }
    ++Pos;
    if (Trenner != '\0' && Zeichen == Trenner) {
      FeldEnde();
    } else if (Zeichen == '\r' || Zeichen == '\n') {
      if (Zeichen == '\r' && Pos < Text.size() && Text[Pos] == '\n')
        ++Pos;
      ZeilenEnde();
    } else {
      Feld += Zeichen;
    }
  }
  if (!Feld.empty() || !Zeile.empty() || Zitiert)
    ZeilenEnde();
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

TListenErgebnis ListeLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe)
{
  TListenErgebnis Ergebnis;
  TListe& Tabelle = Ergebnis.Tabelle;
  const TKennungAmAnfang Kennung = KennungAmAnfang(Bytes);
  Bytes.remove_prefix(Kennung.Laenge);
  std::string Utf8;
  Tabelle.Kennung = Kennung.Kennung;
  if (Kennung.Kennung == TKennung::Utf16LE || Kennung.Kennung == TKennung::Utf16BE) {
    Utf8 = Utf16NachUtf8(Bytes, Kennung.Kennung);
    Bytes = Utf8;
    Tabelle.Kennung = TKennung::Utf8;
  }
  Tabelle.Trenner = Vorgabe.Trenner.value_or(TrennerErkennen(Bytes));
  Tabelle.Zeilen = Zerlegen(Bytes, Tabelle.Trenner);
  for (const TFelder& Zeile : Tabelle.Zeilen)
    Tabelle.Spalten = std::max(Tabelle.Spalten, Zeile.size());

  const auto Nummer = [&](std::size_t Zeile, std::size_t Spalte) {
    return Spalte < Tabelle.Zeilen[Zeile].size() && IstNummer(Tabelle.Zeilen[Zeile][Spalte], Tabelle.Kennung);
  };
  const std::size_t Probe = std::min(Tabelle.Zeilen.size(), ErkennungsZeilen);
  bool NachName = false;
  if (Vorgabe.Spalte && NurZiffern(*Vorgabe.Spalte) && Vorgabe.Spalte->size() < 6) {
    const std::size_t Spalte = std::stoul(*Vorgabe.Spalte);
    if (Spalte == 0 || Spalte > Tabelle.Spalten) {
      Ergebnis.Fehler = "Spalte " + *Vorgabe.Spalte + " gibt es nicht, die Liste hat " +
                        std::to_string(Tabelle.Spalten) + (Tabelle.Spalten == 1 ? " Spalte" : " Spalten");
      return Ergebnis;
    }
    Tabelle.Nummernspalte = Spalte - 1;
  } else if (Vorgabe.Spalte) {
    NachName = true;
  } else {
    std::size_t Beste = 0;
    for (std::size_t Spalte = 0; Spalte < Tabelle.Spalten; ++Spalte) {
      std::size_t Treffer = 0;
      for (std::size_t Zeile = 0; Zeile < Probe; ++Zeile)
        Treffer += Nummer(Zeile, Spalte);
      if (Treffer > Beste) {
        Beste = Treffer;
        Tabelle.Nummernspalte = Spalte;
      }
    }
  }

  if (Vorgabe.MitKopf)
    Tabelle.MitKopf = *Vorgabe.MitKopf;
  else if (NachName)
    Tabelle.MitKopf = true;
  else if (!Tabelle.Zeilen.empty() && !Nummer(0, Tabelle.Nummernspalte))
    for (std::size_t Zeile = 1; Zeile < Probe && !Tabelle.MitKopf; ++Zeile)
      Tabelle.MitKopf = Nummer(Zeile, Tabelle.Nummernspalte);
  if (Tabelle.MitKopf && !Tabelle.Zeilen.empty()) {
    Tabelle.Kopf = std::move(Tabelle.Zeilen.front());
    Tabelle.Zeilen.erase(Tabelle.Zeilen.begin());
  }
  if (NachName) {
    const std::string Gesucht = OhneFall(OhneRand(*Vorgabe.Spalte));
    const auto Treffer = std::find_if(Tabelle.Kopf.begin(), Tabelle.Kopf.end(), [&](const std::string& Zelle) {
      return OhneFall(OhneRand(ZelleText(Zelle, Tabelle.Kennung))) == Gesucht;
    });
    if (Treffer == Tabelle.Kopf.end()) {
      Ergebnis.Fehler = "keine Spalte „"_cp1252 + *Vorgabe.Spalte + "“ in der Kopfzeile"_cp1252;
      return Ergebnis;
    }
    Tabelle.Nummernspalte = static_cast<std::size_t>(Treffer - Tabelle.Kopf.begin());
  }
  return Ergebnis;
}

TDoppelt TDoppelSuche::Anmelden(std::size_t Zeile, const TSchluessel& Schluessel)
{
  if (Schluessel.Zwoelf.size() != 12)
    return {};
  const std::string_view Elf = std::string_view(Schluessel.Zwoelf).substr(0, 11);
  const auto Gefunden = FErste.find(Elf);
  if (Gefunden == FErste.end()) {
    FErste.emplace(std::string(Elf), TErste{Zeile, Schluessel});
    return {};
  }
  const TSchluessel& Erste = Gefunden->second.Schluessel;
  TDoppelt Doppelt;
  Doppelt.Andere = Gefunden->second.Zeile;
  Doppelt.AndererSchluessel = Erste;
  Doppelt.Art = Erste.Zwoelf != Schluessel.Zwoelf                   ? TDoppelArt::AnderePruefziffer
                : OhneRand(Erste.Text) != OhneRand(Schluessel.Text) ? TDoppelArt::AndersGeschrieben
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
