// Tandrix schreibt nichts: Start, Eingaben und Links mit HOME, XDG_* und dem Datenverzeichnis
// in frischen Verzeichnissen; danach muss dort alles unveraendert sein.

#include "fenster/wgn_haupt.h"
#include "oberflaeche/anwendung.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <map>
#include <memory>

namespace {

using TStand = std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>;

TStand Stand(const std::filesystem::path& Wurzel)
{
  TStand Ergebnis;
  for (const auto& Eintrag : std::filesystem::recursive_directory_iterator(Wurzel)) {
    std::error_code F;
    Ergebnis[Eintrag.path().string()] = {Eintrag.is_regular_file(F) ? Eintrag.file_size(F) : 0,
                                         Eintrag.last_write_time(F)};
  }
  return Ergebnis;
}

QTemporaryDir* Wurzel = nullptr;

}  // namespace

class TNichtsGeschriebenTest : public QObject {
  Q_OBJECT
public slots:
  void Oeffnen(const QUrl&) {}

private slots:
  void StartEingabenUndLinksSchreibenNichts()
  {
    const std::filesystem::path Basis = Wurzel->path().toStdString();
    const auto Datenverzeichnis = Basis / "programm";
    std::filesystem::copy_file(std::filesystem::path(TANDRIX_DATEN) / "Wagen.ebb", Datenverzeichnis / "Wagen.ebb");
    const TStand Vorher = Stand(Basis);

    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Oeffnen");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Oeffnen");
    AnwendungEinrichten();
    {
      TForm1 Form(Datenverzeichnis / "Wagen.ebb");
      Form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&Form));
      QTest::keyClicks(Form.findChild<QLineEdit*>("Personennummer"), QStringLiteral("31806652003"));
      Form.findChild<QLineEdit*>("Gueternummer1")->setFocus();
      for (const char Z : QByteArray("21812471217"))
        QTest::keyClick(QApplication::focusWidget(), Z);
      QTest::keyClick(&Form, Qt::Key_I, Qt::ControlModifier);
      QTest::mouseClick(Form.findChild<QWidget*>("Label17"), Qt::LeftButton);
      QCOMPARE(Form.findChild<QLineEdit*>("Gueterkontr")->text(), QStringLiteral("3"));
      Form.close();
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QApplication::processEvents();

    const TStand Nachher = Stand(Basis);
    for (const auto& [Pfad, Angaben] : Nachher)
      QVERIFY2(Vorher.count(Pfad) && Vorher.at(Pfad) == Angaben, ("neu oder geaendert: " + Pfad).c_str());
    QCOMPARE(Nachher.size(), Vorher.size());
  }
};

int main(int argc, char* argv[])
{
  // Vor QApplication: Qt und seine Bibliotheken lesen diese Variablen beim Start.
  QTemporaryDir Verzeichnis;
  Wurzel = &Verzeichnis;
  const std::filesystem::path Basis = Verzeichnis.path().toStdString();
  for (const char* Name : {"home", "config", "cache", "data", "state", "laufzeit", "programm"})
    std::filesystem::create_directory(Basis / Name);
  std::filesystem::permissions(Basis / "laufzeit", std::filesystem::perms::owner_all);
  qputenv("HOME", QByteArray::fromStdString((Basis / "home").string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((Basis / "config").string()));
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((Basis / "cache").string()));
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString((Basis / "data").string()));
  qputenv("XDG_STATE_HOME", QByteArray::fromStdString((Basis / "state").string()));
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((Basis / "laufzeit").string()));
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication Anwendung(argc, argv);
  TNichtsGeschriebenTest Test;
  return QTest::qExec(&Test, argc, argv);
}

#include "nichts_geschrieben_test.moc"
