// Spielt einen Korpus ohne libFuzzer ab: jede Datei der genannten Verzeichnisse (oder die
// genannten Dateien) einmal durch das Ziel. So ist der Korpus ein Regressionstest auch dort,
// wo es clang und seine Fuzzer-Laufzeit nicht gibt.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse);

int main(int argc, char* argv[])
{
  std::vector<std::filesystem::path> Dateien;
  for (int I = 1; I < argc; ++I) {
    if (std::filesystem::is_directory(argv[I])) {
      for (const auto& Eintrag : std::filesystem::directory_iterator(argv[I]))
        if (Eintrag.is_regular_file())
          Dateien.push_back(Eintrag.path());
    } else {
      Dateien.emplace_back(argv[I]);
    }
  }
  std::sort(Dateien.begin(), Dateien.end());
  for (const auto& Datei : Dateien) {
    std::ifstream Strom(Datei, std::ios::binary);
    const std::vector<char> Inhalt((std::istreambuf_iterator<char>(Strom)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Inhalt.data()), Inhalt.size());
  }
  std::printf("%zu Eingaben abgespielt\n", Dateien.size());
  return Dateien.empty() ? 1 : 0;
}
