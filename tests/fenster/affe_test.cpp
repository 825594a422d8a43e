// Affentest: eine lange, zufaellige, aber wiederholbare Folge von Eingaben am echten Fenster,
// nach jedem Ereignis werden die Zusagen des Fensters geprueft.
//   TANDRIX_AFFE_SAAT=N     Saat (sonst fest), TANDRIX_AFFE_SCHRITTE=N  Anzahl (sonst 100000)

#include "fenster/wgn_haupt.h"
#include "nummer/pruefziffer.h"
#include "oberflaeche/anwendung.h"
#include "oberflaeche/umwandlung.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <memory>
#include <random>

class TAffeTest : public QObject {
  Q_OBJECT
public slots:
  void Oeffnen(const QUrl&) {}  // Links fangen, nichts starten

private slots:
  void ZufaelligeEingaben();
};

namespace {

unsigned Zahl(std::mt19937& Z, unsigned Bis) { return static_cast<unsigned>(Z() % Bis); }

QString Zufallstext(std::mt19937& Z)
{
  static const QStringList Vorrat = {QStringLiteral("31806652003"),
                                     QStringLiteral("31 80 6652 003-8"),
                                     QStringLiteral("7"),
                                     QStringLiteral("65"),
                                     QStringLiteral("3180665200399999"),
                                     QString::fromUtf8("😀"),
                                     QString::fromUtf8("中文"),
                                     QString::fromUtf8("שלום"),
                                     QStringLiteral("\001\002\t\033"),
                                     QString(QChar(0)),
                                     QStringLiteral("\u00fc\u00c4\u20ac"),
                                     QString(QChar(0xD83D)),
                                     QStringLiteral("<b>x</b>"),
                                     QStringLiteral("3180\n6652003"),
                                     QStringLiteral("\r\n"),
                                     QString()};
  QString Text = Vorrat[static_cast<int>(Zahl(Z, static_cast<unsigned>(Vorrat.size())))];
  if (Zahl(Z, 4) == 0)
    Text += Vorrat[static_cast<int>(Zahl(Z, static_cast<unsigned>(Vorrat.size())))];
  return Text;
}

}  // namespace

void TAffeTest::ZufaelligeEingaben()
{
  const unsigned Saat = qEnvironmentVariableIsSet("TANDRIX_AFFE_SAAT")
                            ? static_cast<unsigned>(qEnvironmentVariableIntValue("TANDRIX_AFFE_SAAT"))
                            : 20261208u;
  const int Schritte = qEnvironmentVariableIsSet("TANDRIX_AFFE_SCHRITTE")
                           ? qEnvironmentVariableIntValue("TANDRIX_AFFE_SCHRITTE")
                           : 100000;
  std::mt19937 Z(Saat);

  AnwendungEinrichten();
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Oeffnen");
  QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Oeffnen");
  TForm1 Form(std::filesystem::path(TANDRIX_DATEN) / "Wagen.ebb");
  Form.show();
  Form.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Form));

  const auto F = [&Form](const char* Name) { return Form.findChild<QLineEdit*>(Name); };
  QLineEdit* const Person = F("Personennummer");
  QLineEdit* const PersonK = F("Personenkontr");
  QLineEdit* const G1 = F("Gueternummer1");
  QLineEdit* const G2 = F("Gueternummer2");
  QLineEdit* const G3 = F("Gueternummer3");
  QLineEdit* const GueterK = F("Gueterkontr");
  const QList<QLineEdit*> Eingaben = {Person, G1, G2, G3};
  const QList<QLineEdit*> Alle = {Person, PersonK, G1, G2, G3, GueterK};

  int PersonFertig = 0, GueterFertig = 0;  // damit der Affe nicht nur Unvollstaendiges prueft
  for (int Schritt = 0; Schritt < Schritte; ++Schritt) {
    QWidget* Ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &Form;
    const unsigned Wurf = Zahl(Z, 100);
    if (Wurf < 40) {
      QTest::keyClick(Ziel, static_cast<char>('0' + Zahl(Z, 10)));
    } else if (Wurf < 48) {
      QTest::keyClick(Ziel, static_cast<char>('a' + Zahl(Z, 26)));
    } else if (Wurf < 53) {
      const QString Text = Zufallstext(Z);
      QTest::sendKeyEvent(QTest::Click, Ziel, Qt::Key_unknown, Text.left(2), Qt::NoModifier);
    } else if (Wurf < 63) {
      QTest::keyClick(Ziel, Zahl(Z, 2) ? Qt::Key_Backspace : Qt::Key_Delete);
    } else if (Wurf < 68) {
      static const Qt::Key Tasten[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
      QTest::keyClick(Ziel, Tasten[Zahl(Z, 4)], Zahl(Z, 3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (Wurf < 73) {
      QTest::keyClick(Ziel, Zahl(Z, 3) == 0 ? Qt::Key_Backtab : Qt::Key_Tab);
    } else if (Wurf < 80) {
      QApplication::clipboard()->setText(Zufallstext(Z));
      QTest::keyClick(Ziel, Qt::Key_V, Qt::ControlModifier);
    } else if (Wurf < 83) {
      QTest::keyClick(Ziel, Qt::Key_A, Qt::ControlModifier);
    } else if (Wurf < 91) {
      QLineEdit* Feld = Alle[static_cast<int>(Zahl(Z, 6))];
      Feld->setFocus();
      if (Zahl(Z, 2))
        Feld->selectAll();
    } else if (Wurf < 99) {
      Eingaben[static_cast<int>(Zahl(Z, 4))]->setText(Zufallstext(Z));
    } else {
      QTest::keyClick(Ziel, Qt::Key_I, Qt::ControlModifier);  // Link, abgefangen
    }

    const auto Melden = [&](const char* Was) {
      return QStringLiteral("Saat %1, Schritt %2: %3 (Person \"%4\"/\"%5\", Gueter \"%6\" \"%7\" \"%8\"/\"%9\")")
          .arg(Saat)
          .arg(Schritt)
          .arg(QString::fromLatin1(Was), Person->text(), PersonK->text(), G1->text(), G2->text(), G3->text(),
               GueterK->text());
    };
    const auto Pruefe = [&](bool Gilt, const char* Was) {
      if (!Gilt)
        QFAIL(qPrintable(Melden(Was)));
    };
    for (QLineEdit* Feld : Alle) {
      Pruefe(AusCp1252(NachCp1252(Feld->text())) == Feld->text(), "Zeichen ausserhalb von Windows-1252");
      Pruefe(Feld->maxLength() >= Feld->text().size(), "laenger als erlaubt");
      Pruefe(!Feld->text().contains(u'\n') && !Feld->text().contains(u'\r'), "Zeilenumbruch im Feld");
    }
    Pruefe(Person->text().size() <= 11 && G1->text().size() <= 2 && G2->text().size() <= 2 && G3->text().size() <= 7,
           "Laengengrenze");
    for (QLineEdit* K : {PersonK, GueterK})
      Pruefe(K->text().isEmpty() || (K->text().size() == 1 && K->text()[0].isDigit()), "Pruefziffernfeld");
    Pruefe(PersonK->text().isEmpty() || GueterK->text().isEmpty(), "beide Schemata zugleich");
    const bool GueterVoll = G1->text().size() == 2 && G2->text().size() == 2 && G3->text().size() == 7;
    Pruefe(!(Person->text().size() == 11 && GueterVoll), "beide Nummern zugleich vollstaendig");
    PersonFertig += Person->text().size() == 11;
    GueterFertig += GueterVoll;
    if (Person->text().size() == 11)
      Pruefe(PersonK->text() == AusCp1252(Pruefziffer(NachCp1252(Person->text()))), "Pruefziffer Personenwagen");
    if (GueterVoll)
      Pruefe(GueterK->text() == AusCp1252(Pruefziffer(NachCp1252(G1->text() + G2->text() + G3->text()))),
             "Pruefziffer Gueterwagen");
    if (QTest::currentTestFailed())
      return;
  }
  qInfo("%d Schritte, Saat %u: %d mit vollstaendiger Reisezugwagennummer, %d mit vollstaendiger Gueterwagennummer",
        Schritte, Saat, PersonFertig, GueterFertig);
  QVERIFY(Schritte < 1000 || (PersonFertig > Schritte / 100 && GueterFertig > Schritte / 1000));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QTEST_MAIN(TAffeTest)
#include "affe_test.moc"
