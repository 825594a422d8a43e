// Umsetzungen fuer die Windows-Konsole und Pfade aus UTF-8-Argumenten; laeuft unter Linux und
// unter Wine.

#include "kommandozeile/konsole.h"
#include "kommandozeile/pfad.h"
#include "nummer/datei.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

struct TKonsolenFall {
  const char* Name;
  std::string Bytes;
  std::u16string Erwartet;
};

void PrintTo(const TKonsolenFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class Konsolentext : public testing::TestWithParam<TKonsolenFall> {};

TEST_P(Konsolentext, UtfAchtSonstWindows1252)
{
  std::string Rest;
  EXPECT_EQ(TextFuerKonsole(GetParam().Bytes, &Rest), GetParam().Erwartet);
  EXPECT_EQ(Rest, "");
}

INSTANTIATE_TEST_SUITE_P(Faelle, Konsolentext,
                         testing::Values(TKonsolenFall{"Ascii", "31 80 6652 003-8\r\n", u"31 80 6652 003-8\r\n"},
                                         TKonsolenFall{"Utf8",
                                                       "Pr\xC3\xBC"
                                                       "fziffer \xE2\x80\x9E"
                                                       "x\xE2\x80\x9C",
                                                       u"Prüfziffer „x“"},
                                         TKonsolenFall{"Cp1252AusCsv", "G\xFCterwagen;\x80;\x84", u"Güterwagen;€;„"},
                                         TKonsolenFall{"Gemischt", "\xC3\xBC\xFC", u"üü"},
                                         TKonsolenFall{"Ueberlang", "\xC0\xAF", u"À¯"},
                                         TKonsolenFall{"Surrogat", "\xED\xA0\x80", u"í\u00A0€"},
                                         TKonsolenFall{"Emoji", "\xF0\x9F\x98\x80", u"\U0001F600"},
                                         TKonsolenFall{"Abgebrochen", "\xE2\x80x", u"â€x"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Konsolentext, FolgeUeberZweiStueckeBleibtGanz)
{
  std::string Rest;
  EXPECT_EQ(TextFuerKonsole("Pr\xC3", &Rest), u"Pr");
  EXPECT_EQ(Rest, "\xC3");
  EXPECT_EQ(TextFuerKonsole("\xBC"
                            "f",
                            &Rest),
            u"üf");
  EXPECT_EQ(TextFuerKonsole("\xE2\x80", &Rest), u"");
  // Endet die Ausgabe mitten in der Folge, erscheinen ihre Bytes als Windows-1252.
  EXPECT_EQ(TextFuerKonsole(Rest, nullptr), u"â€");
}

TEST(Utf8AusUtf16, Faelle)
{
  EXPECT_EQ(Utf8AusUtf16(u"--daten"), "--daten");
  EXPECT_EQ(Utf8AusUtf16(u"CZ-ČD Łódź"),
            "CZ-\xC4\x8C"
            "D \xC5\x81\xC3\xB3"
            "d\xC5\xBA");
  EXPECT_EQ(Utf8AusUtf16(u"\uFF0D\uFF0Dversion"), "\xEF\xBC\x8D\xEF\xBC\x8Dversion");
  EXPECT_EQ(Utf8AusUtf16(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8AusUtf16(std::u16string{u'a', char16_t{0xD83D}}), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8AusUtf16(std::u16string{char16_t{0xDE00}, u'b'}),
            "\xEF\xBF\xBD"
            "b");
}

// Ein Pfad ausserhalb von Windows-1252 aus einem UTF-8-Argument oeffnet die Datei.
TEST(PfadAusUtf8, NichtWindows1252)
{
  const std::string Ordner = testing::TempDir() +
                             "\xC5\x81\xC3\xB3"
                             "d\xC5\xBA Wagen";  // "Łódź Wagen"
  std::filesystem::create_directories(PfadAusUtf8(Ordner));
  const std::string Datei = Ordner + "/Wagen.ebb";
  std::ofstream(PfadAusUtf8(Datei), std::ios::binary) << "[Version]\r\n";
  EXPECT_EQ(LiesDatei(PfadAusUtf8(Datei), 100), "[Version]\r\n");
#ifdef _WIN32
  EXPECT_EQ(PfadAusUtf8("C:\\Modellbahn\\\xC5\x81\xC3\xB3"
                        "d\xC5\xBA")
                .wstring(),
            L"C:\\Modellbahn\\Łódź");
#endif
  std::filesystem::remove_all(PfadAusUtf8(Ordner));
}

}  // namespace
