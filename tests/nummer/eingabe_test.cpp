#include "nummer/eingabe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TForm {
  const char* Name;
  std::string Text;     // Windows-1252
  std::string Ziffern;  // leer: muss abgelehnt werden
};

void PrintTo(const TForm& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class NummerAusTextTest : public testing::TestWithParam<TForm> {};

TEST_P(NummerAusTextTest, NimmtZiffernOderMeldet)
{
  const TGelesen G = NummerAusText(GetParam().Text);
  EXPECT_EQ(G.Ziffern, GetParam().Ziffern);
  EXPECT_EQ(G.Fehler.empty(), !GetParam().Ziffern.empty()) << G.Fehler;
}

INSTANTIATE_TEST_SUITE_P(Formen, NummerAusTextTest,
                         testing::Values(TForm{"Blank", "31806652003", "31806652003"},
                                         TForm{"Gruppen", "31 80 6652 003-8", "318066520038"},
                                         TForm{"Punkte", "37.84.4667.019-2", "378446670192"},
                                         TForm{"Halbgeviertstrich", "31 80 6652 003\2268", "318066520038"},
                                         TForm{"AnschriftRingsum", "31 RIV 80 D-DB 665 2 003-8", "318066520038"},
                                         TForm{"Triebzug", "RABe 94 85 0 511 028-8", "948505110288"},
                                         TForm{"TabUndGeschuetztesLeerzeichen", "\t31\24080 6652003 ", "31806652003"},
                                         TForm{"BuchstabeInGruppe", "3180A652003", ""},
                                         TForm{"BuchstabeAmGruppenende", "31 80D 6652 003", ""},
                                         TForm{"ZuWenig", "31 80 665", ""}, TForm{"ZuViel", "31 80 6652 003-81", ""},
                                         TForm{"Leer", "", ""}),
                         [](const testing::TestParamInfo<TForm>& Info) { return std::string(Info.param.Name); });

TEST(NummerAusText, MeldungNenntZiffernzahl)
{
  EXPECT_EQ(NummerAusText("31 80 665 20").Fehler, "\20431 80 665 20\223 hat 9 Ziffern, erwartet werden 11 oder 12");
}

TEST(NummerGegliedert, GliedertWieAmWagen)
{
  EXPECT_EQ(NummerGegliedert("318066520038"), "31 80 6652 003-8");
  EXPECT_EQ(NummerGegliedert("31806652003"), "31 80 6652 003");
  EXPECT_EQ(NummerGegliedert("318"), "318");
}

}  // namespace
