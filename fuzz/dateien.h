#pragma once

// Datendateien fuer Fuzz-Ziele, die das ganze Programm "wagennummer" mit Dateinamen aufrufen:
// einmal je Prozess geschrieben, am Ende wieder entfernt (auch wenn libFuzzer mit exit endet).

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

class TFuzzDateien {
public:
  ~TFuzzDateien()
  {
    std::error_code Fehler;
    for (const auto& Pfad : FPfade)
      std::filesystem::remove(Pfad, Fehler);
  }
  // Eine Datei je Zweck, bei jedem Aufruf ueberschrieben.
  std::string Schreibe(const std::string& Zweck, std::string_view Inhalt)
  {
    const auto Pfad = std::filesystem::temp_directory_path() / ("tandrix_fuzz_" + Zweck + "_" + FKennung + ".ebb");
    if (std::find(FPfade.begin(), FPfade.end(), Pfad) == FPfade.end())
      FPfade.push_back(Pfad);
    std::ofstream(Pfad, std::ios::binary | std::ios::trunc)
        .write(Inhalt.data(), static_cast<std::streamsize>(Inhalt.size()));
    return Pfad.string();
  }

private:
  std::string FKennung = std::to_string(std::random_device()()) + std::to_string(std::random_device()());
  std::vector<std::filesystem::path> FPfade;
};

inline std::string FuzzDatei(const std::string& Zweck, std::string_view Inhalt)
{
  static TFuzzDateien Dateien;
  return Dateien.Schreibe(Zweck, Inhalt);
}
