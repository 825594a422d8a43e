#include "kommandozeile/listenleser.h"

#include <istream>
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
