// Tandrix Sammlung: eine Liste oeffnen, bis jede Zeile geprueft und die Doppelten gesucht sind.
// Misst, wann die Liste in der Tabelle steht, die Gesamtdauer, die laengste Zeit ohne
// Ereignisbearbeitung (so lange reagiert das Fenster nicht) und den Speicher; unsortiert und
// nach "Urteil" sortiert. Die Zeilen sind die echten Anschriften aus
// tests/daten/anschriften.csv, reihum wiederholt, mit eigenen Spalten wie in einer Sammlung.
//   sammlung_bench ZEILEN [ZEILEN ...]      (offscreen oder unter X)

#include "sammlung/sammelfenster.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Spitze und aktueller Stand des belegten Speichers in MB (Linux).
std::pair<long, long> Speicher()
{
  std::ifstream Status("/proc/self/status");
  long Spitze = 0, Jetzt = 0;
  for (std::string Zeile; std::getline(Status, Zeile);) {
    if (Zeile.starts_with("VmHWM:"))
      Spitze = std::stol(Zeile.substr(6)) / 1024;
    if (Zeile.starts_with("VmRSS:"))
      Jetzt = std::stol(Zeile.substr(6)) / 1024;
  }
  return {Spitze, Jetzt};
}

}  // namespace

int main(int argc, char* argv[])
{
  QApplication Anwendung(argc, argv);
  QTemporaryDir Ordner;
  QFile Quelle(QStringLiteral(TANDRIX_DATEN "/../tests/daten/anschriften.csv"));
  if (!Ordner.isValid() || !Quelle.open(QIODevice::ReadOnly))
    return 1;
  QList<QByteArray> Anschriften = Quelle.readAll().split('\n');
  Anschriften.removeFirst();
  Anschriften.removeAll(QByteArray());
  for (int I = 1; I < argc; ++I) {
    const int Zeilen = std::stoi(argv[I]);
    const QString Datei = Ordner.filePath(QStringLiteral("liste%1.csv").arg(Zeilen));
    QFile Liste(Datei);
    if (!Liste.open(QIODevice::WriteOnly))
      return 1;
    Liste.write("Anschrift;Art;Land;Quelle;Anmerkung;Regal\r\n");
    for (int Z = 0; Z < Zeilen; ++Z)
      Liste.write(Anschriften[Z % Anschriften.size()] + ";Fach " + QByteArray::number(Z / 40) + "\r\n");
    Liste.close();

    // Einmal wie geoeffnet, einmal mit einem Klick auf "Urteil", solange die Liste noch kommt:
    // dann sortiert die Ansicht 100.000 Zeilen nach einem berechneten Text.
    for (const bool Sortiert : {false, true}) {
      TSammelfenster Fenster(QStringLiteral(TANDRIX_DATEN));
      Fenster.show();
      QApplication::processEvents();
      const long Vorher = Speicher().second;
      QElapsedTimer Uhr, Pause;
      qint64 LaengstePause = 0, Da = -1;
      // Ein Zeitgeber im selben Ereignisfluss wie das Fenster: die Luecke zwischen zwei seiner
      // Aufrufe ist die Zeit, in der das Fenster nicht reagiert haette.
      // Jede Millisekunde, nicht dauernd: ein Zeitgeber ohne Pause naehme dem Lesen im
      // Hintergrund den zweiten Kern.
      QTimer Puls;
      Puls.setTimerType(Qt::PreciseTimer);
      Puls.setInterval(1);
      QObject::connect(&Puls, &QTimer::timeout, [&] { LaengstePause = std::max(LaengstePause, Pause.restart()); });
      Uhr.start();
      Pause.start();
      Puls.start();
      Fenster.Oeffnen(Datei);
      if (Sortiert)
        Fenster.Tabelle().sortByColumn(6 + TListenModell::Urteil, Qt::AscendingOrder);
      LaengstePause = std::max(LaengstePause, Pause.restart());
      while (!Fenster.IstFertig()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (Da < 0 && Fenster.Modell().rowCount() > 0)
          Da = Uhr.elapsed();
      }
      const qint64 Fertig = Uhr.elapsed();
      LaengstePause = std::max(LaengstePause, Pause.restart());
      Puls.stop();
      const auto [Spitze, Jetzt] = Speicher();
      std::printf(
          "%d Zeilen%s: Liste da nach %lld ms, alle geprueft nach %lld ms, laengste Pause %lld ms, "
          "Speicher der Liste %ld MB (Prozess %ld MB, Spitze %ld MB)\n",
          Zeilen, Sortiert ? ", nach Urteil sortiert" : "", static_cast<long long>(Da), static_cast<long long>(Fertig),
          static_cast<long long>(LaengstePause), Jetzt - Vorher, Jetzt, Spitze);
    }
  }
  return 0;
}
