// Startet abwechselnd "startzeit tandrix" und "startzeit leer", misst Zeit bis zum ersten Bild
// und Spitzenspeicher (RSS) und gibt Mediane und Verhaeltnisse aus.
//   startmessung [RUNDEN]   (Plattform wie in QT_QPA_PLATFORM bzw. DISPLAY)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TMessung {
  double Millisekunden;
  double SpeicherMiB;
};

TMessung Einmal(const std::string& Programm, const char* Modus)
{
  timespec Jetzt{};
  clock_gettime(CLOCK_MONOTONIC, &Jetzt);
  const std::string Beginn = std::to_string(Jetzt.tv_sec * 1000000000LL + Jetzt.tv_nsec);
  int Rohr[2];
  if (pipe(Rohr) != 0)
    std::exit(2);
  const pid_t Kind = fork();
  if (Kind == 0) {
    dup2(Rohr[1], STDOUT_FILENO);
    close(Rohr[0]);
    execl(Programm.c_str(), Programm.c_str(), Modus, Beginn.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(Rohr[1]);
  char Puffer[64] = {};
  const ssize_t Gelesen = read(Rohr[0], Puffer, sizeof Puffer - 1);
  close(Rohr[0]);
  int Status = 0;
  rusage Verbrauch{};
  wait4(Kind, &Status, 0, &Verbrauch);
  if (Gelesen <= 0 || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0) {
    std::fprintf(stderr, "startzeit %s ist gescheitert\n", Modus);
    std::exit(1);
  }
  return {std::atof(Puffer) / 1000.0, static_cast<double>(Verbrauch.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> Werte)
{
  std::sort(Werte.begin(), Werte.end());
  return Werte[Werte.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
  const int Runden = argc > 1 ? std::atoi(argv[1]) : 15;
  std::string Programm = argv[0];
  Programm = Programm.substr(0, Programm.rfind('/') + 1) + "startzeit";
  Einmal(Programm, "leer");  // Plattencache fuellen
  Einmal(Programm, "tandrix");
  std::vector<double> ZeitT, ZeitL, RssT, RssL;
  for (int I = 0; I < Runden; ++I) {
    const bool TandrixZuerst = I % 2 == 0;  // abwechselnd, damit Drift beide gleich trifft
    for (int K = 0; K < 2; ++K) {
      const bool Tandrix = (K == 0) == TandrixZuerst;
      const TMessung M = Einmal(Programm, Tandrix ? "tandrix" : "leer");
      (Tandrix ? ZeitT : ZeitL).push_back(M.Millisekunden);
      (Tandrix ? RssT : RssL).push_back(M.SpeicherMiB);
    }
  }
  const double T = Median(ZeitT), L = Median(ZeitL), St = Median(RssT), Sl = Median(RssL);
  std::printf("Start bis erstes Bild (Median aus %d): Tandrix %.1f ms, leeres Fenster %.1f ms, Verhaeltnis %.3f\n",
              Runden, T, L, T / L);
  std::printf("Spitzenspeicher (RSS):                Tandrix %.1f MiB, leeres Fenster %.1f MiB, Verhaeltnis %.3f\n", St,
              Sl, St / Sl);
  return 0;
}
