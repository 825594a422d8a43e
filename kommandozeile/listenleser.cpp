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
      for (const std::string_view Kennung : {"\357\273\277", "\377\376", "\376\377"})
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
  int E = FZurueck != Ende ? FZurueck : Einheit();
  FZurueck = Ende;
  if (E == Ende)
    return std::nullopt;
  const bool Utf16 = IstUtf16(*FKennung);
  std::string Roh;  // bei UTF-16 als Paare in LE
  std::size_t Einheiten = 0;
  for (; E != Ende && E != '\n' && E != '\r'; E = Einheit()) {
    if (++Einheiten > ZeilenHoechstlaenge)
      continue;
    Roh.push_back(static_cast<char>(E & 0xFF));
    if (Utf16)
      Roh.push_back(static_cast<char>(E >> 8));
  }
  if (E == '\r' && (E = Einheit()) != '\n')
    FZurueck = E;
  return TZeile{NachCp1252(std::move(Roh), Utf16 ? TKennung::Utf16LE : *FKennung), Einheiten > ZeilenHoechstlaenge};
}
