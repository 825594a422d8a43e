// Prueft die ausgelieferte Datendatei mit dem eigenen Leser.

#include "auswertung/anschrift.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"
#include "nummer/wageninfo.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>

namespace {

const std::filesystem::path DatenVerzeichnis = TANDRIX_DATEN;

const TLadeErgebnis& Geladen()
{
  static const TLadeErgebnis Ergebnis = LadeStammdaten(DatenVerzeichnis / "Wagen.ebb");
  return Ergebnis;
}

std::string Utf8(const std::string& Text) { return Cp1252NachUtf8(Text); }

TEST(WagenEbb, HatVersionUndAlleAbschnitte)
{
  const auto& [S, Version] = Geladen();
  EXPECT_EQ(Version, "2026-12 (UIC/ERA)");
  for (const TAbschnitt& A : Abschnitte)
    EXPECT_GT((S.*A.Tabelle).Anzahl(), 0u) << A.Name;
}

// Zaehlt Eintraege je Abschnitt unmittelbar aus der Datei, ohne den Leser.
std::map<std::string, std::size_t> EintraegeInDatei()
{
  std::ifstream Datei(DatenVerzeichnis / "Wagen.ebb", std::ios::binary);
  std::map<std::string, std::size_t> Anzahl;
  std::string Abschnitt;
  for (std::string Zeile; std::getline(Datei, Zeile);) {
    if (!Zeile.empty() && Zeile.back() == '\r')
      Zeile.pop_back();
    if (Zeile.starts_with("["))
      Abschnitt = Zeile.substr(1, Zeile.find(']') - 1);
    else if (!Zeile.starts_with(";") && Zeile.find('=') != std::string::npos)
      ++Anzahl[Abschnitt];
  }
  return Anzahl;
}

TEST(WagenEbb, KeinSchluesselGehtVerlorenUndKeinWertWirdGekappt)
{
  const auto& [S, Version] = Geladen();
  auto Anzahl = EintraegeInDatei();
  for (const TAbschnitt& A : Abschnitte)
    EXPECT_EQ((S.*A.Tabelle).Anzahl(), Anzahl[std::string(A.Name)]) << A.Name;
  for (const auto& Zeile : S.GattungListe.Zeilen())
    EXPECT_LT(Zeile.size() - Zeile.find('=') - 1, WertHoechstlaenge) << Zeile;
  // Austauschtexte stehen in einer Zeile des Fensters.
  for (const auto& Zeile : S.AustauschListe.Zeilen())
    EXPECT_LE(Zeile.size() - 3, 90u) << Utf8(Zeile);
}

TEST(WagenEbb, JedeKennzahlDerErATabelleWirdGefunden)
{
  const auto& S = Geladen().Stammdaten;
  std::ifstream Tabelle(DatenVerzeichnis / "quellen" / "gueterwagen-kennzahlen.csv");
  std::string Zeile;
  std::getline(Tabelle, Zeile);  // Kopfzeile
  std::size_t Geprueft = 0;
  while (std::getline(Tabelle, Zeile)) {
    const std::string Kennzahl = Zeile.substr(0, 4);
    const std::string Zeichen = Zeile.substr(5);
    const TAnzeige Anzeige = WagenInfo(S, "3180" + Kennzahl + "003");
    EXPECT_TRUE(Anzeige.Wagengattung.starts_with(Zeichen + " – "_cp1252))
        << Kennzahl << ": " << Utf8(Anzeige.Wagengattung);
    ++Geprueft;
  }
  EXPECT_EQ(Geprueft, 3779u);
}

// Kennzeichen.ebb: alle Abschnitte da, jedes Kuerzel des Registers nachschlagbar, und jede
// Kennzahl der ERA-Tabelle mit ihrem Gattungszeichen (auch die in "x"-Gruppen von Wagen.ebb).
TEST(KennzeichenEbb, RegisterUndKennzahlenVollstaendig)
{
  const TKennzeichen K = LadeKennzeichen(DatenVerzeichnis / KennzeichenDateiName);
  EXPECT_NE(K.Version, VersionFehlt);
  EXPECT_EQ(K.Laender.size(), 71u);
  EXPECT_EQ(K.Austausch.size(), 100u);
  EXPECT_EQ(K.Halter.size(), 4517u);  // 4.521 Eintraege ohne 3 rein kyrillische, ACTS zweifach in einer Zeile
  const THalter* Oebb = K.HalterZu("ÖBB"_cp1252);
  ASSERT_NE(Oebb, nullptr);
  EXPECT_EQ(Oebb->Name, "Österreichische Bundesbahnen"_cp1252);
  EXPECT_EQ(Oebb->Laender, "A");
  EXPECT_TRUE(Oebb->InGebrauch);
  // ACTS ist in zwei Laendern registriert: beim Laden zerlegt, jedes zaehlt.
  const THalter* Acts = K.HalterZu("ACTS");
  ASSERT_NE(Acts, nullptr);
  EXPECT_EQ(Acts->Laenderliste(), (std::vector<std::string_view>{"CH", "NL"}));
  EXPECT_TRUE(Acts->RegistriertIn("NL") && Acts->RegistriertIn("CH") && !Acts->RegistriertIn("N"));
  EXPECT_FALSE(Acts->InGebrauch);
  EXPECT_EQ(K.Schema("80", "91")->Reihe, TReihenstellen::Sechs);
  ASSERT_NE(K.Schema("80", "91"), nullptr);
  EXPECT_EQ(K.Schema("80", "91")->Fuellziffer, "6");

  std::ifstream Tabelle(DatenVerzeichnis / "quellen" / "gueterwagen-kennzahlen.csv");
  std::string Zeile;
  std::getline(Tabelle, Zeile);  // Kopfzeile
  while (std::getline(Tabelle, Zeile))
    EXPECT_EQ(K.Gattungszeichen58(Zeile.substr(0, 4)), Zeile.substr(5)) << Zeile;
}

struct TBekannt {
  const char* Nummer;
  const char* Eigentumsverwaltung;  // Anfang des Texts, UTF-8
  const char* Wagengattung;         // Anfang des Texts, UTF-8
  const char* Geschwindigkeit;      // ganz, UTF-8
};

void PrintTo(const TBekannt& Fall, std::ostream* Aus) { *Aus << Fall.Nummer; }

class BekannteNummernTest : public testing::TestWithParam<TBekannt> {};

TEST_P(BekannteNummernTest, ZeigtPassendeTexte)
{
  const auto& Fall = GetParam();
  const TAnzeige A = WagenInfo(Geladen().Stammdaten, Fall.Nummer);
  EXPECT_TRUE(Utf8(A.Eigentumsverwaltung).starts_with(Fall.Eigentumsverwaltung)) << Utf8(A.Eigentumsverwaltung);
  EXPECT_TRUE(Utf8(A.Wagengattung).starts_with(Fall.Wagengattung)) << Utf8(A.Wagengattung);
  EXPECT_EQ(Utf8(A.Geschwindigkeit), Fall.Geschwindigkeit);
  EXPECT_FALSE(A.Austauschverfahren.empty());
  EXPECT_FALSE(A.Eigentumsmerkmal.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Nummern, BekannteNummernTest,
    testing::Values(
        TBekannt{"31806652003", "Deutschland", "Fals \u2013 offener Wagen", "siehe Wagengattung"},
        TBekannt{"50803134025", "Deutschland", "Reisezugwagen 1./2. Klasse (AB), 11 Abteile",
                 "max. 140 km/h, aber \u00fcber 120 km/h"},
        TBekannt{"21812471217", "\u00d6sterreich", "Hbbills \u2013 gedeckter Wagen, Sonderbauart",
                 "siehe Wagengattung"},
        TBekannt{"37844667019", "Niederlande", "Sfhimmns \u2013 Drehgestell-Flachwagen", "siehe Wagengattung"},
        TBekannt{"82706723675", "Vereinigtes K\u00f6nigreich", "Fabnooss", "siehe Wagengattung"},
        TBekannt{"21809903001", "Deutschland", "Uikk \u2013 Sonderwagen", "siehe Wagengattung"},
        TBekannt{"33857813231", "Schweiz", "Zags \u2013 Kesselwagen", "siehe Wagengattung"},
        TBekannt{"01873320644", "Frankreich", "Ks \u2013 Flachwagen", "siehe Wagengattung"},
        TBekannt{"61808890003", "Deutschland", "Speisewagen (WR)", "\u00fcber 160 km/h"},
        TBekannt{"73802994708", "Deutschland", "Reisezugwagen 2. Klasse (B), 9 Abteile", "\u00fcber 160 km/h"},
        TBekannt{"50852035001", "Schweiz", "Reisezugwagen 2. Klasse (B), 10 Abteile",
                 "max. 140 km/h, aber \u00fcber 120 km/h"},
        TBekannt{"65805080123", "Deutschland", "Autotransportwagen", "max. 160 km/h, aber \u00fcber 140 km/h"},
        TBekannt{"51559271001", "Ungarn", "Gep\u00e4ckwagen (D)", "max. 160 km/h, aber \u00fcber 140 km/h"}));

}  // namespace
