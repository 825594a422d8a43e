// Tastendruck, der eine Nummer vervollstaendigt, bis alle Anzeigen gesetzt sind (offscreen).

#include "fenster/wgn_haupt.h"
#include "oberflaeche/anwendung.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<TForm1> Form;

void Tastendruck(benchmark::State& State, const char* Feldname, const char* Vorher, char Letzte)
{
  auto* Feld = Form->findChild<QLineEdit*>(Feldname);
  Feld->setFocus();
  for (auto _ : State) {
    State.PauseTiming();
    // Eine Personennummer leert die Gueterfelder: jedes Mal beide Schemata neu vorbereiten.
    Form->findChild<QLineEdit*>("Gueternummer1")->setText("31");
    Form->findChild<QLineEdit*>("Gueternummer2")->setText("80");
    Feld->setText(QString::fromLatin1(Vorher));
    State.ResumeTiming();
    QTest::keyClick(Feld, Letzte);  // vervollstaendigt: Handler, WagenInfo, fuenf Labels, Pruefziffer
  }
}
BENCHMARK_CAPTURE(Tastendruck, Reisezugwagen, "Personennummer", "5080313402", '5')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Tastendruck, Gueterwagen, "Gueternummer3", "665200", '3')->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication Anwendung(argc, argv);
  AnwendungEinrichten();
  Form = std::make_unique<TForm1>(std::filesystem::path(TANDRIX_DATEN) / "Wagen.ebb");
  Form->show();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Form.reset();
  return 0;
}
