// Start von Tandrix: Anwendung einrichten, Hauptfenster zeigen, bis es geschlossen wird.

#include "fenster/wgn_haupt.h"
#include "oberflaeche/anwendung.h"

#include <QApplication>

int main(int argc, char* argv[])
{
  QApplication Anwendung(argc, argv);
  AnwendungEinrichten();
  TForm1 Form1;
  Form1.show();
  return QApplication::exec();
}
