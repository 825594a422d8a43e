#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TUmsetzung {
  const char* Name;
  std::string Utf8;
  std::string Cp1252;
};

void PrintTo(const TUmsetzung& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class Utf8NachCp1252Test : public testing::TestWithParam<TUmsetzung> {};

TEST_P(Utf8NachCp1252Test, SetztUm) { EXPECT_EQ(Utf8NachCp1252(GetParam().Utf8), GetParam().Cp1252); }

INSTANTIATE_TEST_SUITE_P(
    Faelle, Utf8NachCp1252Test,
    testing::Values(TUmsetzung{"Ascii", "Wagen 123", "Wagen 123"}, TUmsetzung{"Umlaute", "äöüßÄ", "äöüßÄ"_cp1252},
                    TUmsetzung{"Euro", "€", "€"_cp1252}, TUmsetzung{"Halbgeviertstrich", "–", "–"_cp1252},
                    TUmsetzung{"HacekGross", "Š", "Š"_cp1252}, TUmsetzung{"NichtImZeichensatz", "Č中", "??"},
                    TUmsetzung{"Emoji", "😀1", "?1"}, TUmsetzung{"C1Steuerzeichen", "\302\201", "?"},
                    TUmsetzung{"UngueltigJeByte", "ÿÃ"_cp1252, "??"}, TUmsetzung{"Ueberlang", "À¯"_cp1252, "??"},
                    TUmsetzung{"Surrogat", "\355\240\200", "???"}),
    [](const testing::TestParamInfo<TUmsetzung>& Info) { return std::string(Info.param.Name); });

TEST(Zeichensatz, HinUndZurueckErhaeltJedesBelegteByte)
{
  for (int Byte = 1; Byte < 256; ++Byte) {
    const std::string Zeichen(1, static_cast<char>(Byte));
    const std::string Zurueck = Utf8NachCp1252(Cp1252NachUtf8(Zeichen));
    const bool Unbelegt = Byte == 0x81 || Byte == 0x8D || Byte == 0x8F || Byte == 0x90 || Byte == 0x9D;
    EXPECT_EQ(Zurueck, Unbelegt ? "?" : Zeichen) << "Byte " << Byte;
  }
}

struct TMehrbyte {
  const char* Name;
  std::string Text;
  bool Erwartet;
};

void PrintTo(const TMehrbyte& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class IstMehrbyteUtf8Test : public testing::TestWithParam<TMehrbyte> {};

TEST_P(IstMehrbyteUtf8Test, Erkennt) { EXPECT_EQ(IstMehrbyteUtf8(GetParam().Text), GetParam().Erwartet); }

INSTANTIATE_TEST_SUITE_P(Faelle, IstMehrbyteUtf8Test,
                         testing::Values(TMehrbyte{"NurAscii", "abc", false}, TMehrbyte{"Leer", "", false},
                                         TMehrbyte{"Umlaut", "ü", true}, TMehrbyte{"Windows1252", "über"_cp1252, false},
                                         TMehrbyte{"AbgeschnittenAmEnde", "Ã¼Ã"_cp1252, false},
                                         TMehrbyte{"Cp1252DasWieUtf8Aussieht", "ä und \374", false}),
                         [](const testing::TestParamInfo<TMehrbyte>& Info) { return std::string(Info.param.Name); });

TEST(Zeichensatz, Utf16MitSurrogatpaarUndEinzelsurrogat)
{
  // "ä", Emoji als Paar, einzelnes hohes Surrogat, "A"; ein ueberzaehliges Byte
  const std::string Le("\344\000\075\330\000\336\075\330\101\000\102", 11);
  EXPECT_EQ(Utf16NachCp1252(Le, false), "ä??A"_cp1252);
  const std::string Be("\000\344\040\254", 4);
  EXPECT_EQ(Utf16NachCp1252(Be, true), "ä€"_cp1252);
}

TEST(Zeichensatz, GrossUndKleinNachWindows1252)
{
  // Umlaute, S/Z mit Hacek, OE, Y mit Trema; Mal- und Geteiltzeichen sind kein Paar
  EXPECT_TRUE(GleichOhneFall("ÄÖÜŠŒŽŸÞX"_cp1252, "äöüšœžÿþx"_cp1252));
  EXPECT_FALSE(GleichOhneFall("×"_cp1252, "÷"_cp1252));
  EXPECT_EQ(Klein1252(0xDF), 0xDF);  // sz hat keinen Grossbuchstaben
  EXPECT_EQ(Klein1252('@'), '@');
}

}  // namespace
