#include "nummer/wageninfo.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Lesbare Ausgabe bei Fehlschlag.
void PrintTo(const TAnzeige& A, std::ostream* Aus)
{
  *Aus << "{Eigentumsmerkmal=\"" << A.Eigentumsmerkmal << "\", Austauschverfahren=\"" << A.Austauschverfahren
       << "\", Eigentumsverwaltung=\"" << A.Eigentumsverwaltung << "\", Wagengattung=\"" << A.Wagengattung
       << "\", Geschwindigkeit=\"" << A.Geschwindigkeit << "\"}";
}

namespace {

const std::string Bis120 = "max. 120 km/h oder weniger";
const std::string Bis140 = "max. 140 km/h, aber über 120 km/h"_cp1252;
const std::string Bis160 = "max. 160 km/h, aber über 140 km/h"_cp1252;
const std::string Ueber160 = "über 160 km/h"_cp1252;
const std::string SieheGattung = "siehe Wagengattung";

struct TFall {
  const char* Name;
  std::string Daten;  // vor die Grunddaten gestellt; der erste Treffer gilt
  std::string Nummer;
  TAnzeige Erwartet;
};

void PrintTo(const TFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

// ---------------------------------------------------------------- ohne Datendatei

class OhneDatenTest : public testing::TestWithParam<TFall> {};

TEST_P(OhneDatenTest, LiestAlsReisezugwagen)
{
  EXPECT_EQ(WagenInfo(TStammdaten{}, GetParam().Nummer), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, OhneDatenTest,
    testing::Values(TFall{"Klasse2LeererAbteiltext", "", "51802000123", {"./.", "", "", " ", Bis120}},
                    TFall{"BuchstabeAlsGeschwindigkeit", "", "518020X0123", {"./.", "", "", " ", Bis120}},
                    TFall{"Ueber160", "", "51803090123", {"./.", "", "", " ", Ueber160}},
                    TFall{"Klasse6BleibtLeer", "", "51806050123", {"./.", "", "", "", Bis140}},
                    TFall{"Autotransport", "", "65805080123", {"./.", "", "", "Autotransportwagen", Bis160}},
                    TFall{"Stufe1", "", "00000010000", {"./.", "", "", "", Bis120}},
                    TFall{"Stufe2", "", "00000020000", {"./.", "", "", "", Bis120}},
                    TFall{"Stufe3", "", "00000030000", {"./.", "", "", "", Bis140}},
                    TFall{"Stufe6", "", "00000060000", {"./.", "", "", "", Bis140}},
                    TFall{"Stufe7", "", "00000070000", {"./.", "", "", "", Bis160}},
                    TFall{"Stufe8", "", "00000080000", {"./.", "", "", "", Bis160}},
                    TFall{"Stufe9", "", "00000090000", {"./.", "", "", "", Ueber160}}),
    [](const testing::TestParamInfo<TFall>& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------- mit Daten

const std::string Grunddaten =
    "[Wagentyp]\n3=G\n2=G\n6=P\n5=P\n"
    "[Eigentumsmerkmal]\n1=Privatwagen\n"
    "[RIV-Merkmal]\n3=RIV\n"
    "[Bahnen]\n80=Deutschland\n81=Österreich\n"_cp1252
    "[Austausch]\n31=TEN, RIV\n50=RIC\n"
    "[Wagengattung]\n6652=Fals\n665x=Fals-Gruppe\n3=1./2. Klasse\n1=1. Klasse\n6=\n"
    "66=Sonderwagen\n84=Speisewagen\n"
    "[Abteile]\n1=11 Abteile\n0=10 Abteile\n";

class MitDatenTest : public testing::TestWithParam<TFall> {};

TEST_P(MitDatenTest, LiestNachDaten)
{
  const auto [Stammdaten, Version] = LadeStammdatenAusText(GetParam().Daten + Grunddaten);
  EXPECT_EQ(WagenInfo(Stammdaten, GetParam().Nummer), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MitDatenTest,
    testing::Values(
        TFall{"Gueterwagen", "", "31806652003", {"Privatwagen; RIV", "TEN, RIV", "Deutschland", "Fals", SieheGattung}},
        TFall{"GueterwagenGruppe",
              "",
              "31806653003",
              {"Privatwagen; RIV", "TEN, RIV", "Deutschland", "Fals-Gruppe", SieheGattung}},
        TFall{"GueterwagenOhneGattung",
              "",
              "31816663003",
              {"Privatwagen; RIV", "TEN, RIV", "Österreich"_cp1252, "", SieheGattung}},
        TFall{"TrennerAuchOhneTexte", "", "22999999999", {"; ", "", "", "", SieheGattung}},
        TFall{"GruppenschluesselOhneFall",
              "[Wagengattung]\n123X=Gross\n",
              "31801234003",
              {"Privatwagen; RIV", "TEN, RIV", "Deutschland", "Gross", SieheGattung}},
        TFall{"Reisezugwagen", "", "50803134025", {"./.", "RIC", "Deutschland", "1./2. Klasse 11 Abteile", Bis140}},
        TFall{"ReisezugwagenOhneAbteiltext", "", "50801934025", {"./.", "RIC", "Deutschland", "1. Klasse ", Bis140}},
        TFall{"ZweistelligeGattung", "", "50808434025", {"./.", "RIC", "Deutschland", "Speisewagen", Bis140}},
        TFall{"LeereEinstelligeFaelltZurueck", "", "50806634025", {"./.", "RIC", "Deutschland", "Sonderwagen", Bis140}},
        TFall{"AutotransportBeiTypP", "", "65806652003", {"./.", "", "Deutschland", "Autotransportwagen", Bis140}},
        TFall{"AutotransportNichtBeiTypG",
              "[Wagentyp]\n6=G\n",
              "65806652003",
              {"; ", "", "Deutschland", "Fals", SieheGattung}},
        TFall{"KleinesGIstReisezugwagen",
              "[Wagentyp]\n3=g\n",
              "31806652003",
              {"./.", "TEN, RIV", "Deutschland", "Sonderwagen", Bis140}},
        TFall{"NurGenauG",
              "[Wagentyp]\n3=GG\n",
              "31806652003",
              {"./.", "TEN, RIV", "Deutschland", "Sonderwagen", Bis140}},
        TFall{"KurzeNummer", "", "318", {"Privatwagen; RIV", "TEN, RIV", "", "", SieheGattung}},
        TFall{"LangeNummer",
              "",
              "318066520039999",
              {"Privatwagen; RIV", "TEN, RIV", "Deutschland", "Fals", SieheGattung}}),
    [](const testing::TestParamInfo<TFall>& Info) { return std::string(Info.param.Name); });

TEST(WagenInfo, EigeneTexteSindWindows1252)
{
  // "ü"_cp1252 ist ü in Windows-1252; in UTF-8 stuende dort 0xC3 0xBC.
  for (const char* Nummer : {"00000030000", "00000070000", "00000090000"}) {
    const std::string Text = WagenInfo(TStammdaten{}, Nummer).Geschwindigkeit;
    EXPECT_NE(Text.find('\xFC'), std::string::npos) << Text;
    EXPECT_EQ(Text.find('\xC3'), std::string::npos) << Text;
  }
}

}  // namespace
