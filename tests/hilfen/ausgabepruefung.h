#pragma once

// Was jede Ausgabe von "wagennummer" einhalten muss, gleich welche Eingabe: keine Steuerzeichen,
// die ein Terminal ausfuehrt (in CSV-Zellen in Anfuehrungszeichen nur Zeilenumbrueche aus den
// Zellen des Benutzers), und in CSV mindestens so viele Felder je Zeile wie im Kopf (mehr nur,
// wo eine Zeile des Benutzers breiter ist; sie stehen hinten) und keine Zelle, die eine
// Tabellenkalkulation als Formel liest. Gemeinsam fuer Fuzz-Ziel und Tests.

#include <string>
#include <string_view>

// Leer, wenn die Ausgabe in Ordnung ist, sonst was verletzt ist.
inline std::string AusgabeVerstoss(std::string_view Ausgabe, bool Csv, bool Utf8)
{
  bool Zitat = false;
  for (std::size_t I = 0; I < Ausgabe.size(); ++I) {
    const auto B = static_cast<unsigned char>(Ausgabe[I]);
    Zitat = Csv && (B == '"' ? !Zitat : Zitat);
    const bool CrLf = Csv && B == '\r' && I + 1 < Ausgabe.size() && Ausgabe[I + 1] == '\n';
    if ((B < 0x20 && B != '\t' && B != '\n' && !CrLf && !(Zitat && B == '\r')) || B == 0x7F)
      return "Steuerzeichen " + std::to_string(B) + " an Stelle " + std::to_string(I);
    if (Utf8 && B == 0xC2 && I + 1 < Ausgabe.size() && static_cast<unsigned char>(Ausgabe[I + 1]) < 0xA0 &&
        static_cast<unsigned char>(Ausgabe[I + 1]) >= 0x80)
      return "C1-Steuerzeichen an Stelle " + std::to_string(I);
    if (!Utf8 && (B == 0x81 || B == 0x8D || B == 0x8F || B == 0x90 || B == 0x9D))
      return "C1-Steuerzeichen an Stelle " + std::to_string(I);
  }
  if (!Csv)
    return {};
  std::size_t Kopffelder = 0;
  for (std::size_t Pos = Utf8 ? 3 : 0; Pos < Ausgabe.size();) {
    std::size_t Felder = 0;
    bool Zeilenende = false;
    while (!Zeilenende) {
      std::string Zelle;
      if (Pos < Ausgabe.size() && Ausgabe[Pos] == '"') {
        for (++Pos; Pos < Ausgabe.size(); ++Pos) {
          if (Ausgabe[Pos] == '"' && (Pos + 1 >= Ausgabe.size() || Ausgabe[Pos + 1] != '"'))
            break;
          Pos += Ausgabe[Pos] == '"';
          Zelle += Ausgabe[Pos];
        }
        ++Pos;
      } else {
        while (Pos < Ausgabe.size() && Ausgabe[Pos] != ';' && Ausgabe[Pos] != '\r')
          Zelle += Ausgabe[Pos++];
      }
      ++Felder;
      if (!Zelle.empty() && std::string_view("=+-@\t\r").find(Zelle.front()) != std::string_view::npos)
        return "Zelle als Formel: " + Zelle.substr(0, 60);
      if (Pos < Ausgabe.size() && Ausgabe[Pos] == ';') {
        ++Pos;
      } else if (Ausgabe.substr(Pos, 2) == "\r\n") {
        Pos += 2;
        Zeilenende = true;
      } else {
        return "Zeile ohne CRLF-Ende an Stelle " + std::to_string(Pos);
      }
    }
    if (Kopffelder == 0)
      Kopffelder = Felder;
    else if (Felder < Kopffelder)
      return std::to_string(Felder) + " statt " + std::to_string(Kopffelder) + " Felder";
  }
  return {};
}
