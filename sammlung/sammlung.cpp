// Start von Tandrix Sammlung: eine Liste als Argument wird gleich geoeffnet.

#include "oberflaeche/anwendung.h"
#include "sammlung/sammelfenster.h"
#include "sammlung/speichern.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
  QApplication Anwendung(argc, argv);
  // Uebersetzung, Symbol und Stil wie Tandrix; die Schrift des Hauptfensters (8 pt, ohne
  // Ersatzschriften) ist fuer eine grosse Tabelle zu klein, also die des Systems.
  const QFont Systemschrift = QApplication::font();
  AnwendungEinrichten();
  QApplication::setFont(Systemschrift);
  QCoreApplication::setApplicationName(QStringLiteral("Tandrix Sammlung"));
  Q_INIT_RESOURCE(bilder_sammlung);
  QIcon Symbol;
  for (const char* Groesse : {"48", "128"})
    Symbol.addFile(QStringLiteral(":/sammlung/%1.png").arg(QLatin1String(Groesse)));
  QApplication::setWindowIcon(Symbol);
  // Qts Dateidialog merkt sich beim Schliessen den letzten Ordner (QSettings "QtProject"). Die
  // Sammlung schreibt nur, was der Benutzer speichert: unter Linux landet das in einem
  // Verzeichnis, das beim Beenden verschwindet (unter Windows ist es die Registry, dort nicht).
  QTemporaryDir Wegwerfeinstellungen;
  if (Wegwerfeinstellungen.isValid())
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Wegwerfeinstellungen.path());
  // Was ein abgestuerzter Lauf an Zwischendateien liess (Daten des Benutzers), verschwindet jetzt.
  ZwischendateienAufraeumen();
  TSammelfenster Fenster;
  Fenster.show();
  // Auch von der Kommandozeile sagt eine Meldung, warum eine Datei nicht gelesen wurde.
  if (const QStringList Argumente = QApplication::arguments(); Argumente.size() > 1)
    Fenster.OeffnenUndMelden(Argumente[1]);
  return QApplication::exec();
}
