#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Eigenes leeres Verzeichnis je Test, danach wieder entfernt.
class TTestVerzeichnis {
public:
  TTestVerzeichnis()
  {
    const auto* Info = testing::UnitTest::GetInstance()->current_test_info();
    std::string Name = std::string(Info->test_suite_name()) + "_" + Info->name();
    for (char& Z : Name)
      if (Z == '/')
        Z = '_';
    FPfad = std::filesystem::temp_directory_path() / ("tandrix_test_" + Name);
    std::filesystem::remove_all(FPfad);
    std::filesystem::create_directories(FPfad);
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
