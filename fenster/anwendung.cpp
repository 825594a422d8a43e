#include "fenster/anwendung.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void AnwendungEinrichten()
{
  Q_INIT_RESOURCE(bilder);  // aus einer statischen Bibliothek nicht von selbst eingebunden

  // Name fuer Taskleiste und WM_CLASS; setApplicationDisplayName haengte ihn an die Fensterbeschriftung.
  QCoreApplication::setApplicationName(QStringLiteral("Tandrix 1.0"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.11"));

  // MS Sans Serif gibt es unter Linux nicht; Arial fuehrt per fontconfig zur massgleichen
  // Liberation Sans. Anwendungsweit, damit auch Menues sie tragen.
  QFont Schrift;
  Schrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans")});
  Schrift.setPointSize(8);
  QApplication::setFont(Schrift);

  QIcon Symbol;
  for (const int Groesse : {32, 48, 64, 128})
    Symbol.addFile(QStringLiteral(":/bilder/tandrix-%1.png").arg(Groesse), QSize(Groesse, Groesse));
  QApplication::setWindowIcon(Symbol);
}
