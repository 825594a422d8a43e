#include "kommandozeile/listenleser.h"

#include "mappe/mappe.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <stdexcept>
#include <utility>

namespace {

bool IstUtf16(TKennung K) { return K == TKennung::Utf16LE || K == TKennung::Utf16BE; }

}  // namespace

int TListenLeser::Byte()
{
  if (!FVorrat.empty()) {
    const auto B = static_cast<unsigned char>(FVorrat.front());
    FVorrat.erase(0, 1);
    return B;
  }
  const auto B = FEin.get();
  return B == std::istream::traits_type::eof() ? Ende : static_cast<int>(B);
}

int TListenLeser::Einheit()
{
  if (!FKennung) {
    // Nur so weit vorauslesen, wie eine Kennung reichen kann: eine Zeile vom Terminal soll
    // nicht auf weitere Bytes warten.
    const auto KannKennungWerden = [this] {
      for (const std::string_view Kennung : {Utf8Kennung, std::string_view("\377\376"), std::string_view("\376\377")})
        if (Kennung.size() > FVorrat.size() && Kennung.starts_with(FVorrat))
          return true;
      return false;
    };
    while (KannKennungWerden()) {
      const auto B = FEin.get();
      if (B == std::istream::traits_type::eof())
        break;
      FVorrat.push_back(static_cast<char>(B));
    }
    const auto [Kennung, Laenge] = KennungAmAnfang(FVorrat);
    FKennung = Kennung;
    FVorrat.erase(0, Laenge);
  }
  const int Erstes = Byte();
  if (Erstes == Ende || !IstUtf16(*FKennung))
    return Erstes;
  const int Zweites = Byte();
  if (Zweites == Ende)
    return Ende;  // ein ueberzaehliges Byte faellt weg
  return *FKennung == TKennung::Utf16BE ? (Erstes << 8) | Zweites : (Zweites << 8) | Erstes;
}

std::optional<TListenLeser::TZeile> TListenLeser::Naechste()
{
  int E = FZurueck != Ende ? FZurueck : FSchluss ? Ende : Einheit();
  FZurueck = Ende;
  if (E == StrgZ)
    FSchluss = true;
  if (E == Ende || FSchluss)
    return std::nullopt;
  const bool Utf16 = IstUtf16(*FKennung);
  // Ein Zeichen hat hoechstens 4 Byte UTF-8 bzw. 2 Einheiten UTF-16; gezaehlt wird nach dem Umsetzen.
  const std::size_t Hoechstens = ZeilenHoechstlaenge * (Utf16 ? 2 : 4);
  std::string Roh;  // bei UTF-16 als Paare in LE
  std::size_t Einheiten = 0;
  for (; E != Ende && E != '\n' && E != '\r' && E != StrgZ; E = Einheit()) {
    if (++Einheiten > Hoechstens)
      continue;
    Roh.push_back(static_cast<char>(E & 0xFF));
    if (Utf16)
      Roh.push_back(static_cast<char>(E >> 8));
  }
  FSchluss = E == StrgZ;
  if (E == '\r' && (E = Einheit()) != '\n')
    FZurueck = E;
  TZeile Zeile{Utf16 ? Utf16NachUtf8(Roh, TKennung::Utf16LE) : std::move(Roh), Utf16 ? TKennung::Utf8 : *FKennung,
               Einheiten > Hoechstens};
  // Nach Zeichen gekuerzt: die ersten ZeilenHoechstlaenge, ein angeschnittenes faellt weg.
  if (Zeile.ZuLang)
    Zeile.Bytes.resize(OhneAngeschnittenes(Zeile.Bytes).size());
  const std::size_t Laenge = ZeichenAnfang(Zeile.Bytes, Zeile.Kennung, ZeilenHoechstlaenge);
  Zeile.ZuLang = Zeile.ZuLang || Laenge < Zeile.Bytes.size();
  Zeile.Bytes.resize(Laenge);
  return Zeile;
}

TVorlauf::TVorlauf(std::istream& Quelle) : FQuelle(Quelle)
{
  // .xlsx und .ods beginnen mit "PK\3\4", .xls mit D0 CF 11 E0 A1 B1 1A E1: erst das erste Byte,
  // weitere nur, wenn es passt.
  const auto Erstes = FQuelle.get();
  if (Erstes == std::istream::traits_type::eof())
    return;
  FAnfang.push_back(static_cast<char>(Erstes));
  const std::size_t Laenge = FAnfang[0] == 'P' ? 4 : FAnfang[0] == '\xD0' ? 8 : 1;
  while (FAnfang.size() < Laenge) {
    const auto Byte = FQuelle.get();
    if (Byte == std::istream::traits_type::eof())
      break;
    FAnfang.push_back(static_cast<char>(Byte));
  }
  FMappe = MappenArtErkennen(FAnfang) != TMappenArt::Text;
}

TVorlauf::int_type TVorlauf::underflow()
{
  if (FGegeben < FAnfang.size()) {
    const std::size_t Anzahl = std::min(FAnfang.size() - FGegeben, FPuffer.size());
    std::memcpy(FPuffer.data(), FAnfang.data() + FGegeben, Anzahl);
    FGegeben += Anzahl;
    setg(FPuffer.data(), FPuffer.data(), FPuffer.data() + Anzahl);
    return traits_type::to_int_type(FPuffer[0]);
  }
  // Byte fuer Byte, wie TListenLeser liest: eine Zeile vom Terminal kommt sofort an.
  const auto Byte = FQuelle.get();
  if (Byte == std::istream::traits_type::eof()) {
    // Der Strom darueber faengt das ab und wird "bad", wie die Quelle.
    if (FQuelle.bad())
      throw std::runtime_error("Lesefehler");
    return traits_type::eof();
  }
  FPuffer[0] = static_cast<char>(Byte);
  setg(FPuffer.data(), FPuffer.data(), FPuffer.data() + 1);
  return Byte;
}

std::streamsize TVorlauf::xsgetn(char* Ziel, std::streamsize Anzahl)
{
  std::streamsize Gelesen = 0;
  // Was der Puffer noch haelt (aus dem Anfang oder einem einzelnen Byte), dann die Quelle am Stueck.
  while (Gelesen < Anzahl && (gptr() < egptr() || FGegeben < FAnfang.size())) {
    if (gptr() == egptr() && underflow() == traits_type::eof())
      return Gelesen;
    const std::streamsize Stueck = std::min<std::streamsize>(egptr() - gptr(), Anzahl - Gelesen);
    std::memcpy(Ziel + Gelesen, gptr(), static_cast<std::size_t>(Stueck));
    gbump(static_cast<int>(Stueck));
    Gelesen += Stueck;
  }
  if (Gelesen < Anzahl) {
    FQuelle.read(Ziel + Gelesen, Anzahl - Gelesen);
    Gelesen += FQuelle.gcount();
    if (FQuelle.bad())
      throw std::runtime_error("Lesefehler");
  }
  return Gelesen;
}

bool TVorlauf::Alles(std::string& Bytes, std::size_t Hoechstens)
{
  Bytes = FAnfang.substr(FGegeben);
  FGegeben = FAnfang.size();
  std::array<char, std::size_t{64} * 1024> Stueck;
  while (Bytes.size() <= Hoechstens && FQuelle.read(Stueck.data(), Stueck.size()).gcount() > 0)
    Bytes.append(Stueck.data(), static_cast<std::size_t>(FQuelle.gcount()));
  return !FQuelle.bad() && Bytes.size() <= Hoechstens;
}
