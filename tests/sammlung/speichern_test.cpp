// Die Schreiber der Sammlung ohne Fenster: jedes Byte geprueft (ein Geraet, das nur einen Teil
// nimmt), was .xlsx und Windows-1252 nicht halten koennen, und die Zwischendateien.

#include "sammlung/speichern.h"
#include "auswertung/liste.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Ein Geraet mit Platz fuer Platz Bytes, das je write() hoechstens Stueck nimmt; danach meldet
// es -1 wie ein volles Laufwerk oder, mit StummVoll, 0 ohne Fehler.
class TKnappesGeraet : public QIODevice {
public:
  TKnappesGeraet(qint64 Platz, qint64 Stueck, bool StummVoll) : FPlatz(Platz), FStueck(Stueck), FStumm(StummVoll)
  {
    open(QIODevice::WriteOnly);
  }
  QByteArray Inhalt;

protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* Daten, qint64 Laenge) override
  {
    const qint64 Frei = FPlatz - static_cast<qint64>(Inhalt.size());
    if (Frei <= 0) {
      if (FStumm)
        return 0;
      setErrorString(QStringLiteral("No space left on device"));
      return -1;
    }
    const qint64 Jetzt = std::min({Laenge, Frei, FStueck});
    Inhalt.append(Daten, static_cast<qsizetype>(Jetzt));
    return Jetzt;
  }

private:
  qint64 FPlatz, FStueck;
  bool FStumm;
};

TTabellenInhalt Beispiel(int Zeilen)
{
  TTabellenInhalt Inhalt{{QStringLiteral("Nummer"), QStringLiteral("Bemerkung")}, {}};
  for (int I = 0; I < Zeilen; ++I)
    Inhalt.Zeilen.push_back({QStringLiteral("31 80 5377 614-8"), QStringLiteral("Zeile %1 \"mit\" ;").arg(I)});
  return Inhalt;
}

QString Schreiben(const TTabellenInhalt& Inhalt, const QString& Format, QIODevice& Ziel)
{
  QString Fehler;
  auto Schreiber = Format == QStringLiteral("xlsx")
                       ? XlsxSchreiber(Ziel, Fehler)
                       : CsvSchreiber(Ziel, Format == QStringLiteral("utf8") ? TCsvZeichensatz::Utf8MitKennung
                                                                             : TCsvZeichensatz::Windows1252);
  if (!Schreiber)
    return Fehler;
  Fehler = Schreiber->Zeile(Inhalt.Kopf);
  for (std::size_t I = 0; Fehler.isEmpty() && I < Inhalt.Zeilen.size(); ++I)
    Fehler = Schreiber->Zeile(Inhalt.Zeilen[I]);
  return Fehler.isEmpty() ? Schreiber->Abschliessen() : Fehler;
}

}  // namespace

class TSpeichernTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase()
  {
    QVERIFY(FOrdner.isValid());
    // Die Zwischendateien dieses Tests liegen in seinem eigenen Ordner.
    qputenv("TMPDIR", QFile::encodeName(FOrdner.path()));
  }

  // Ein Laufwerk nimmt nur einen Teil: es darf nie "geklappt" heissen, wenn ein Byte fehlt; kurze
  // Schreibvorgaenge ohne Fehler sind dagegen keiner.
  void JedesByteGeprueft_data()
  {
    QTest::addColumn<QString>("Format");
    QTest::addColumn<qint64>("Platz");  // -1: genug; sonst Bytes (negativ: so viele weniger als noetig, -2: eines)
    QTest::addColumn<qint64>("Stueck");
    QTest::addColumn<bool>("StummVoll");
    QTest::addColumn<bool>("Geklappt");
    QTest::newRow("CSV passt") << "1252" << qint64{-1} << qint64{1} << false << true;
    QTest::newRow("CSV in Stuecken zu 7 Byte") << "1252" << qint64{-1} << qint64{7} << false << true;
    QTest::newRow("CSV nach 61440 Byte voll") << "1252" << qint64{61440} << qint64{1 << 30} << false << false;
    QTest::newRow("CSV ein Byte zu wenig") << "utf8" << qint64{-2} << qint64{4096} << false << false;
    QTest::newRow("CSV voll ohne Fehlermeldung") << "utf8" << qint64{1000} << qint64{1 << 30} << true << false;
    QTest::newRow("XLSX passt in Stuecken") << "xlsx" << qint64{-1} << qint64{999} << false << true;
    QTest::newRow("XLSX nach 4096 Byte voll") << "xlsx" << qint64{4096} << qint64{1 << 30} << false << false;
    // Die Mappe traegt die Uhrzeit: ihre Groesse schwankt um wenige Bytes.
    QTest::newRow("XLSX 100 Byte zu wenig") << "xlsx" << qint64{-101} << qint64{1 << 30} << false << false;
  }
  void JedesByteGeprueft()
  {
    QFETCH(QString, Format);
    QFETCH(qint64, Platz);
    QFETCH(qint64, Stueck);
    QFETCH(bool, StummVoll);
    QFETCH(bool, Geklappt);
    if (Format == QStringLiteral("xlsx") && !XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    const TTabellenInhalt Inhalt = Beispiel(3000);
    // Wie viel die ganze Datei braucht, zeigt ein Geraet mit unbegrenztem Platz.
    TKnappesGeraet Ganz(qint64{1} << 40, qint64{1} << 40, false);
    QCOMPARE(Schreiben(Inhalt, Format, Ganz), QString());
    if (Format != QStringLiteral("xlsx"))
      QVERIFY(Ganz.Inhalt.size() > 61440);
    const qint64 Groesse = Ganz.Inhalt.size();
    TKnappesGeraet Knapp(Platz == -1 ? qint64{1} << 40 : Platz < 0 ? Groesse + Platz + 1 : Platz, Stueck, StummVoll);
    const QString Fehler = Schreiben(Inhalt, Format, Knapp);
    QCOMPARE(Fehler.isEmpty(), Geklappt);
    if (Geklappt && Format == QStringLiteral("xlsx")) {
      QVERIFY(Knapp.Inhalt.startsWith("PK") && std::abs(Knapp.Inhalt.size() - Groesse) < 64);
    } else if (Geklappt) {
      QCOMPARE(Knapp.Inhalt, Ganz.Inhalt);
    } else {
      QVERIFY(Knapp.Inhalt.size() < Groesse);
      QVERIFY2(Fehler.contains(StummVoll ? QStringLiteral("Bytes geschrieben") : QStringLiteral("No space left")),
               qPrintable(Fehler));
    }
  }

  // Zellen bleiben, wie sie sind: Zeilenenden, CR und Escape stehen nicht als "^J" in der Datei.
  void CsvBehaeltSteuerzeichen_data()
  {
    QTest::addColumn<QString>("Zelle");
    QTest::addColumn<QByteArray>("ImCsv");
    QTest::newRow("Zeilenende") << QStringLiteral("Wagen\nzwei") << QByteArray("\"Wagen\nzwei\"");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QByteArray("\"a\r\nb\"");
    QTest::newRow("Escape") << QStringLiteral("rot\x1b[31m") << QByteArray("rot\x1b[31m");
    QTest::newRow("Formel") << QStringLiteral("=1+2") << QByteArray("\"'=1+2\"");
  }
  void CsvBehaeltSteuerzeichen()
  {
    QFETCH(QString, Zelle);
    QFETCH(QByteArray, ImCsv);
    const QByteArray Text =
        CsvText({{QStringLiteral("Nummer"), QStringLiteral("Text")}, {{QStringLiteral("31 80 5377 614-8"), Zelle}}},
                TCsvZeichensatz::Utf8MitKennung);
    QVERIFY2(Text.contains(ImCsv), Text.constData());
    QVERIFY(!Text.contains("^J") && !Text.contains("^M") && !Text.contains("^["));
    if (!Zelle.startsWith(u'='))
      QCOMPARE(QString::fromStdString(ListeLesen(Text.toStdString()).Tabelle.Zeilen.at(0).at(1)), Zelle);
  }

  // Was eine Arbeitsmappe nicht halten kann, wird vorher gesagt, mit der Zeile.
  void XlsxGrenzen_data()
  {
    QTest::addColumn<int>("Zeilen");
    QTest::addColumn<int>("Spalten");
    QTest::addColumn<int>("Zellenlaenge");
    QTest::addColumn<bool>("MitNul");
    QTest::addColumn<QString>("Satz");  // leer: passt
    QTest::newRow("passt") << 10 << 13 << 100 << false << QString();
    QTest::newRow("Zelle genau 32767") << 10 << 13 << 32767 << false << QString();
    QTest::newRow("Zelle 32768") << 10 << 13 << 32768 << false << QStringLiteral("mehr als 32767 Zeichen");
    QTest::newRow("Nullzeichen") << 10 << 13 << 5 << true << QStringLiteral("Nullzeichen");
    QTest::newRow("16384 Spalten") << 2 << 16384 << 1 << false << QString();
    QTest::newRow("16385 Spalten") << 2 << 16385 << 1 << false << QStringLiteral("16385 Spalten");
    QTest::newRow("1048576 Zeilen") << 1048576 << 2 << 1 << false << QString();
    QTest::newRow("1048577 Zeilen") << 1048577 << 2 << 1 << false << QStringLiteral("1048577 Zeilen");
  }
  void XlsxGrenzen()
  {
    QFETCH(int, Zeilen);
    QFETCH(int, Spalten);
    QFETCH(int, Zellenlaenge);
    QFETCH(bool, MitNul);
    QFETCH(QString, Satz);
    TInhaltsPruefung Pruefung;
    const QStringList Kurz(Spalten, QStringLiteral("x"));
    QStringList Besonders = Kurz;
    Besonders[0] = QString(Zellenlaenge, u'7');
    if (MitNul)
      Besonders[0][2] = QChar(u'\0');
    for (int Zeile = 0; Zeile < Zeilen; ++Zeile)
      Pruefung.Zeile(Zeile == 7 ? Besonders : Kurz, Zeile);
    const QStringList Saetze = Pruefung.XlsxGrenzen();
    QCOMPARE(Saetze.isEmpty(), Satz.isEmpty());
    if (!Satz.isEmpty()) {
      QVERIFY2(Saetze.join(u' ').contains(Satz), qPrintable(Saetze.join(u' ')));
      if (Zellenlaenge > 32767 || MitNul)
        QVERIFY(Saetze.join(u' ').contains(QStringLiteral("Zeile 7")));
    }
    QVERIFY(Pruefung.Cp1252Verluste().isEmpty());
  }

  // Auch wer die Pruefung umgeht, bekommt von libxlsxwriter keinen stillen Verlust.
  void XlsxSchreiberVerweigert_data()
  {
    QTest::addColumn<QString>("Zelle");
    QTest::newRow("zu lang") << QString(40000, u'a');
    QTest::newRow("Nullzeichen") << QStringLiteral("vor") + QChar(u'\0') + QStringLiteral("nach");
  }
  void XlsxSchreiberVerweigert()
  {
    QFETCH(QString, Zelle);
    if (!XlsxVorhanden())
      QSKIP("ohne libxlsxwriter gebaut");
    QByteArray Bytes;
    QBuffer Puffer(&Bytes);
    Puffer.open(QIODevice::WriteOnly);
    QString Fehler;
    auto Schreiber = XlsxSchreiber(Puffer, Fehler);
    QVERIFY(Schreiber);
    QCOMPARE(Schreiber->Zeile({QStringLiteral("Kopf")}), QString());
    QVERIFY(!Schreiber->Zeile({Zelle}).isEmpty());
  }

  // Was Windows-1252 nicht kennt, nennt die Pruefung vor dem Speichern.
  void Cp1252Verluste_data()
  {
    QTest::addColumn<QString>("Zelle");
    QTest::addColumn<QString>("Fremde");  // leer: nichts geht verloren
    QTest::newRow("tschechisch und polnisch") << QStringLiteral("ČD Cargo Łódź") << QStringLiteral("ČŁź");
    QTest::newRow("Umlaute und Euro") << QStringLiteral("Müller € – „ok“") << QString();
    QTest::newRow("Emoji") << QStringLiteral("Wagen 🚃") << QStringLiteral("🚃");
    QTest::newRow("kyrillisch") << QStringLiteral("РЖД") << QStringLiteral("РЖД");
  }
  void Cp1252Verluste()
  {
    QFETCH(QString, Zelle);
    QFETCH(QString, Fremde);
    TInhaltsPruefung Pruefung;
    Pruefung.Zeile({QStringLiteral("Kopf")}, 0);
    Pruefung.Zeile({QStringLiteral("31 80 5377 614-8"), Zelle}, 1);
    const QStringList Saetze = Pruefung.Cp1252Verluste();
    QCOMPARE(Saetze.isEmpty(), Fremde.isEmpty());
    if (!Fremde.isEmpty())
      QVERIFY2(Saetze.front().endsWith(Fremde) && Saetze.front().contains(QStringLiteral("Zeile 1")),
               qPrintable(Saetze.front()));
  }

  // Ein Lauf, der nicht mehr lebt, liess eine halbe Arbeitsmappe: der naechste raeumt sie weg.
  void ZwischendateienAufgeraeumt_data()
  {
    QTest::addColumn<QString>("Sperre");  // "tot", "lebt", "keine"
    QTest::addColumn<bool>("Bleibt");
    QTest::newRow("toter Lauf") << "tot" << false;
    QTest::newRow("ohne Sperre") << "keine" << false;
    QTest::newRow("lebender Lauf") << "lebt" << true;
  }
  void ZwischendateienAufgeraeumt()
  {
#ifdef _WIN32
    QSKIP("Sperren toter Laeufe werden unter Wine anders erkannt; geprueft unter Linux");
#endif
    QFETCH(QString, Sperre);
    QFETCH(bool, Bleibt);
    const QDir Lauf(QDir(FOrdner.path()).filePath(QStringLiteral("tandrix-sammlung/lauf-") + Sperre));
    QVERIFY(QDir().mkpath(Lauf.path()));
    QFile Mappe(Lauf.filePath(QStringLiteral("sammlung-1.xlsx")));
    QVERIFY(Mappe.open(QIODevice::WriteOnly) && Mappe.write("PK halbe Mappe mit Daten") > 0);
    Mappe.close();
    QLockFile Lebend(Lauf.filePath(QStringLiteral("sperre")));
    if (Sperre == QStringLiteral("lebt")) {
      QVERIFY(Lebend.tryLock(0));
    } else if (Sperre == QStringLiteral("tot")) {
      // wie QLockFile sie schreibt, von einem Prozess, den es nicht gibt
      QFile Tot(Lauf.filePath(QStringLiteral("sperre")));
      QVERIFY(Tot.open(QIODevice::WriteOnly));
      Tot.write("2147483000\ntandrix-sammlung\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    ZwischendateienAufraeumen();
    QCOMPARE(QFileInfo::exists(Mappe.fileName()), Bleibt);
    // Nach einem Speichern liegt keine Mappe mehr im Ordner des eigenen Laufs.
    if (XlsxVorhanden()) {
      QBuffer Puffer;
      Puffer.open(QIODevice::WriteOnly);
      QCOMPARE(Schreiben(Beispiel(10), QStringLiteral("xlsx"), Puffer), QString());
      QCOMPARE(Puffer.data().left(2), QByteArray("PK"));
      const QStringList Reste = QDir(QDir(FOrdner.path()).filePath(QStringLiteral("tandrix-sammlung")))
                                    .entryList({QStringLiteral("*.xlsx")}, QDir::Files);
      QVERIFY2(Reste.isEmpty(), qPrintable(Reste.join(u' ')));
      QStringList Eigene;
      for (const QString& Ordner : QDir(QDir(FOrdner.path()).filePath(QStringLiteral("tandrix-sammlung")))
                                       .entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        Eigene += QDir(QDir(FOrdner.path()).filePath(QStringLiteral("tandrix-sammlung/") + Ordner))
                      .entryList({QStringLiteral("*.xlsx")}, QDir::Files);
      QCOMPARE(Eigene, Bleibt ? QStringList{QStringLiteral("sammlung-1.xlsx")} : QStringList());
    }
  }

private:
  QTemporaryDir FOrdner;
};

QTEST_GUILESS_MAIN(TSpeichernTest)
#include "speichern_test.moc"
