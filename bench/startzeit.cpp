// Start bis zum ersten gezeichneten Bild: Tandrix (Modus "tandrix") und zum Vergleich ein
// leeres Qt-Hauptfenster gleicher Groesse mit einem Label (Modus "leer"). Gibt die Mikrosekunden seit dem
// Zeitstempel aus, den der Aufrufer als zweites Argument mitgibt (CLOCK_MONOTONIC, ns), und
// endet sofort; den Speicher misst der Aufrufer ueber wait4.

#include "fenster/wgn_haupt.h"
#include "oberflaeche/anwendung.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace {

class TErstesBild : public QObject {
public:
  explicit TErstesBild(long long Beginn) : FBeginn(Beginn) {}

protected:
  bool eventFilter(QObject*, QEvent* Ereignis) override
  {
    if (Ereignis->type() == QEvent::Paint && !FGemeldet) {
      FGemeldet = true;
      // Nach dem Zeichnen des ganzen Fensters, nicht mitten darin
      QTimer::singleShot(0, [this] {
        timespec Jetzt{};
        clock_gettime(CLOCK_MONOTONIC, &Jetzt);
        const long long Ns = Jetzt.tv_sec * 1000000000LL + Jetzt.tv_nsec;
        std::printf("%lld\n", (Ns - FBeginn) / 1000);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

private:
  long long FBeginn;
  bool FGemeldet = false;
};

}  // namespace

int main(int argc, char* argv[])
{
  if (argc < 3)
    return 2;
  const std::string Modus = argv[1];
  TErstesBild Melder(std::atoll(argv[2]));
  QApplication Anwendung(argc, argv);
  std::unique_ptr<QMainWindow> Fenster;
  if (Modus == "tandrix") {
    // wie zuzarid.cpp
    AnwendungEinrichten();
    Fenster = std::make_unique<TForm1>();
  } else {
    // Gleich gross wie Tandrix: Fenstergroesse und damit Zeichenpuffer (1,3 MB) sind vorgegeben
    // und gehoeren zum Boden, nicht zum Mehraufwand.
    Fenster = std::make_unique<QMainWindow>();
    Fenster->setCentralWidget(new QLabel(QStringLiteral("Hallo")));
    Fenster->resize(794, 424);
  }
  Fenster->installEventFilter(&Melder);
  Fenster->show();
  return QApplication::exec();
}
