// Nachschlagen in TWerteListe: ohne Beachtung der Gross-/Kleinschreibung (auch Windows-1252),
// der erste Name gilt, und viele oder gleiche Namen bleiben richtig.
#include "nummer/werteliste.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Zeilen "Name=Wert" als Liste, wie LiesProfil sie fuellt: Name und Wert im gemeinsamen Text.
TWerteListe Liste(const std::vector<std::string>& Zeilen)
{
  std::string Text;
  for (const std::string& Zeile : Zeilen)
    Text += Zeile + '\n';
  const auto Geteilt = std::make_shared<const std::string>(Text);
  std::vector<TWerteListe::TEintrag> Eintraege;
  std::string_view Rest = *Geteilt;
  while (!Rest.empty()) {
    const std::string_view Zeile = Rest.substr(0, Rest.find('\n'));
    const std::size_t Gleich = Zeile.find('=');
    Eintraege.push_back({Zeile.substr(0, Gleich), Zeile.substr(Gleich + 1)});
    Rest.remove_prefix(Zeile.size() + 1);
  }
  return TWerteListe(Geteilt, std::move(Eintraege));
}

struct TFall {
  const char* Name;
  std::vector<std::string> Zeilen;
  std::string Gesucht;
  std::string Erwartet;
};

void PrintTo(const TFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class WertelisteTest : public testing::TestWithParam<TFall> {};

TEST_P(WertelisteTest, Wert) { EXPECT_EQ(Liste(GetParam().Zeilen).Wert(GetParam().Gesucht), GetParam().Erwartet); }

INSTANTIATE_TEST_SUITE_P(
    Faelle, WertelisteTest,
    testing::Values(TFall{"Gefunden", {"80=DB", "81=OeBB"}, "81", "OeBB"}, TFall{"Fehlt", {"80=DB"}, "85", ""},
                    TFall{"LeereListe", {}, "80", ""}, TFall{"OhneFall", {"Eaos=offen"}, "EAOS", "offen"},
                    TFall{"OhneFall1252", {"\304h=gross"}, "\344H", "gross"},  // Ae-Umlaut: 0xC4 / 0xE4
                    TFall{"NurGleichLang", {"Ea=kurz"}, "Eao", ""},
                    TFall{"ErsterGilt", {"R=1", "r=2", "R=3"}, "R", "1"},
                    TFall{"LeererName", {"=leer", "A=a"}, "", "leer"}),
    [](const testing::TestParamInfo<TFall>& Info) { return std::string(Info.param.Name); });

TEST(Werteliste, SpaetereDoppelteTragenDenErstenWert)
{
  EXPECT_EQ(Liste({"a=1", "B=2", "A=3", "b=4"}).Zeilen(), (std::vector<std::string>{"a=1", "B=2", "A=1", "b=2"}));
}

// Viele Namen fuellen die Plaetze bis zur Haelfte: jeder bleibt auffindbar, Fehlende fehlen.
TEST(Werteliste, VieleNamenBleibenAuffindbar)
{
  std::vector<std::string> Zeilen;
  for (int I = 0; I < 20000; ++I)
    Zeilen.push_back("N" + std::to_string(I) + "=" + std::to_string(I));
  const TWerteListe Viele = Liste(Zeilen);
  for (int I = 0; I < 20000; I += 997)
    EXPECT_EQ(Viele.Wert("n" + std::to_string(I)), std::to_string(I));
  EXPECT_EQ(Viele.Wert("N20000"), "");
  EXPECT_EQ(Viele.Anzahl(), 20000u);
}

// Derselbe Name sehr oft: alle Zeilen bleiben, jede mit dem ersten Wert.
TEST(Werteliste, GleicherNameVielfach)
{
  std::vector<std::string> Zeilen(50000, "X=spaet");
  Zeilen.front() = "x=frueh";
  const TWerteListe Gleiche = Liste(Zeilen);
  EXPECT_EQ(Gleiche.Wert("X"), "frueh");
  EXPECT_EQ(Gleiche.Eintraege().back().Wert, "frueh");
  EXPECT_EQ(Gleiche.Anzahl(), 50000u);
}

}  // namespace
