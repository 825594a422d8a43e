// Das fertige Programm an echten Dateideskriptoren: Lese- und Schreibfehler duerfen nicht als
// Erfolg enden, und eine riesige Zeile darf den Speicher nicht fuellen. Nur unter POSIX.

#include "kommandozeile/programm.h"

#include "tests/hilfen/testdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>

#include <sys/resource.h>
#include <sys/wait.h>

namespace {

struct TFall {
  const char* Name;
  std::string Befehl;  // sh; W steht fuer das Programm, T fuer ein leeres Verzeichnis
  std::string Meldung;
};

void PrintTo(const TFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class EinAusgabefehler : public testing::TestWithParam<TFall> {};

TEST_P(EinAusgabefehler, EndetMitStatusDreiUndMeldung)
{
  const TTestVerzeichnis T;
  const std::string Befehl = "W='" TANDRIX_WAGENNUMMER " --daten=" TANDRIX_DATEN "/Wagen.ebb' T='" + T.Pfad().string() +
                             "'; " + GetParam().Befehl;
  const std::string Aufruf = "timeout 60 sh -c '" +
                             [&] {
                               std::string Maskiert;
                               for (const char Z : Befehl)
                                 Maskiert += Z == '\'' ? std::string("'\\''") : std::string(1, Z);
                               return Maskiert;
                             }() +
                             "' 2>'" + (T.Pfad() / "fehler").string() + "'";
  const int Roh = std::system(Aufruf.c_str());
  ASSERT_TRUE(WIFEXITED(Roh)) << Aufruf;
  std::ifstream Datei(T.Pfad() / "fehler");
  const std::string Fehler((std::istreambuf_iterator<char>(Datei)), std::istreambuf_iterator<char>());
  EXPECT_EQ(WEXITSTATUS(Roh), StatusEinAusgabe) << Fehler;
  EXPECT_NE(Fehler.find(GetParam().Meldung), std::string::npos) << Fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, EinAusgabefehler,
    testing::Values(TFall{"VolleAusgabe", "$W --csv \"31 80 6652 003-8\" > /dev/full", "Schreibfehler"},
                    TFall{"Dateigroessengrenze",
                          "yes \"31 80 6652 003-8\" | head -n 1000 | (ulimit -f 8; $W --csv > \"$T/aus.csv\")",
                          "Schreibfehler"},
                    TFall{"VerzeichnisAlsEingabe", "$W < /", "Lesefehler"},
                    TFall{"GeschlosseneAusgabe", "$W \"31 80 6652 003-8\" >&-", "Schreibfehler"},
                    // SIGPIPE ignoriert (wie in manchen Umgebungen): ohne Leser haelt es an, statt
                    // endlos weiterzurechnen; timeout wuerde sonst mit 124 enden.
                    TFall{"LeserWeg",
                          "trap \"\" PIPE; yes 31806652003 | ($W; echo $? > \"$T/status\") | head -n 1 > /dev/null; "
                          "exit $(cat \"$T/status\")",
                          "Schreibfehler"}),
    [](const testing::TestParamInfo<TFall>& Info) { return std::string(Info.param.Name); });

// Liefert Einsen ohne Zeilenende, ohne sie zu speichern.
class TEinsen : public std::streambuf {
public:
  explicit TEinsen(std::size_t Anzahl) : FRest(Anzahl) {}

private:
  int_type underflow() override
  {
    if (FRest == 0)
      return traits_type::eof();
    const std::size_t Stueck = std::min(FRest, sizeof FPuffer);
    std::memset(FPuffer, '1', Stueck);
    FRest -= Stueck;
    setg(FPuffer, FPuffer, FPuffer + Stueck);
    return '1';
  }
  std::size_t FRest;
  char FPuffer[65536];
};

long HoechsterSpeicherKiB()
{
  rusage Verbrauch{};
  getrusage(RUSAGE_SELF, &Verbrauch);
  return Verbrauch.ru_maxrss;
}

TEST(Grenzen, RiesigeZeileBrauchtKaumSpeicher)
{
  TEinsen Quelle(std::size_t{64} << 20);
  std::istream Ein(&Quelle);
  std::ostringstream Aus, Fehler;
  const long Vorher = HoechsterSpeicherKiB();
  EXPECT_EQ(Wagennummer({"--daten=" TANDRIX_DATEN "/Wagen.ebb"}, Ein, Aus, Fehler), StatusUnbrauchbar);
  EXPECT_LT(HoechsterSpeicherKiB() - Vorher, 16384);  // KiB, mit Datendatei und Sanitizer-Aufschlag
  EXPECT_LT(Aus.str().size(), 200u) << Aus.str();
}

// Eine Sammlung als CSV, Zeile fuer Zeile erzeugt: je Zeile eine andere Nummer der Reihe
// 31 80 6652 (wie tests/daten/anschriften.csv, Fals der DB) und eine lange Bemerkung.
class TSammlung : public std::streambuf {
public:
  explicit TSammlung(std::size_t Zeilen) : FRest(Zeilen) {}

private:
  int_type underflow() override
  {
    if (FRest == 0)
      return traits_type::eof();
    const std::size_t Nummer = FRest--;
    FZeile = "Roco " + std::to_string(Nummer) + ";31 80 6652 " + std::to_string(100 + Nummer % 900) + "-" +
             std::to_string(Nummer % 10) + ";" + std::string(2000, 'x') + "\r\n";
    setg(FZeile.data(), FZeile.data(), FZeile.data() + FZeile.size());
    return FZeile.front();
  }
  std::size_t FRest;
  std::string FZeile;
};

// Zaehlt Zeilenenden und vergisst den Rest.
class TZeilenzaehler : public std::streambuf {
public:
  std::size_t Zeilen = 0;

private:
  int_type overflow(int_type Zeichen) override
  {
    Zeilen += Zeichen == '\n';
    return traits_type::not_eof(Zeichen);
  }
  std::streamsize xsputn(const char* Text, std::streamsize Anzahl) override
  {
    Zeilen += static_cast<std::size_t>(std::count(Text, Text + Anzahl, '\n'));
    return Anzahl;
  }
};

TEST(Grenzen, LangeTabelleBrauchtFestenSpeicher)
{
#if defined(__SANITIZE_ADDRESS__)
  // Der AddressSanitizer haelt freigegebenen Speicher zurueck (256 MB): gemessen wird ohne ihn.
  GTEST_SKIP();
#endif
  constexpr std::size_t Zeilen = 100000;  // gut 200 MB
  TSammlung Quelle(Zeilen);
  std::istream Ein(&Quelle);
  TZeilenzaehler Zaehler;
  std::ostream Aus(&Zaehler);
  std::ostringstream Fehler;
  const long Vorher = HoechsterSpeicherKiB();
  EXPECT_EQ(Wagennummer({"--daten=" TANDRIX_DATEN "/Wagen.ebb", "--spalte", "2", "--csv"}, Ein, Aus, Fehler),
            StatusFalsch)
      << Fehler.str();
  EXPECT_LT(HoechsterSpeicherKiB() - Vorher, 65536);  // KiB
  EXPECT_EQ(Zaehler.Zeilen, Zeilen + 1);              // jede Zeile und der Kopf
}

}  // namespace
