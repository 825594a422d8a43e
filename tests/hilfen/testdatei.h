#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

// Eigenes leeres Verzeichnis je Test, danach wieder entfernt. Der Name ist zufaellig und wird
// exklusiv angelegt (wie mkdtemp): zwei gleichzeitige Laeufe desselben Tests loeschen sich
// nicht gegenseitig die Dateien.
class TTestVerzeichnis {
public:
  TTestVerzeichnis()
  {
    std::random_device Zufall;
    const auto Basis = std::filesystem::temp_directory_path();
    for (;;) {
      FPfad = Basis / ("tandrix_test_" + std::to_string(Zufall()) + std::to_string(Zufall()));
      if (std::filesystem::create_directory(FPfad))  // false: gab es schon, neuer Name
        break;
    }
  }
  ~TTestVerzeichnis()
  {
    std::error_code Fehler;
    std::filesystem::remove_all(FPfad, Fehler);
  }
  TTestVerzeichnis(const TTestVerzeichnis&) = delete;
  TTestVerzeichnis& operator=(const TTestVerzeichnis&) = delete;

  const std::filesystem::path& Pfad() const { return FPfad; }

  std::filesystem::path Schreibe(std::string_view Name, std::string_view Inhalt) const
  {
    const auto Datei = FPfad / Name;
    std::ofstream(Datei, std::ios::binary).write(Inhalt.data(), static_cast<std::streamsize>(Inhalt.size()));
    return Datei;
  }

private:
  std::filesystem::path FPfad;
};

// Der ganze Inhalt einer Datei als Bytes; leer, wenn sie fehlt.
inline std::string DateiInhalt(const std::filesystem::path& Pfad)
{
  std::ifstream Ein(Pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(Ein), std::istreambuf_iterator<char>()};
}
