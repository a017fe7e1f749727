// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/ClassRegister.h"
#include "register/ClassSummary.h"
#include "register/PupilName.h"
#include "register/RegisterFile.h"
#include "register/RegisterStore.h"
#include "register/TeacherCode.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

RegisterRow row(const QString &pupil, const QString &kind, bool right, int minute = 0, qint64 number = 1,
                const QString &schoolClass = QStringLiteral("3B"))
{
    return {QDate(2026, 11, 3), QTime(9, minute, 5), schoolClass, pupil, QStringLiteral("Cubo"), kind,
            QStringLiteral("Volume"), QStringLiteral("141,3"), right, 12, number};
}

QByteArray file(const QByteArray &lines)
{
    return QByteArray(RegisterCsv::Bom) + RegisterCsv::Header + '\n' + lines;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QList<RegisterRow> rowsOf(const QString &path, RegisterFile::Reading *reading = nullptr)
{
    QList<RegisterRow> rows;
    const RegisterFile::Reading r = RegisterFile::readRows(path, [&rows](const RegisterRow &row) { rows << row; });
    if (reading)
        *reading = r;
    return rows;
}

QStringList numbersOf(const QList<RegisterRow> &rows)
{
    QStringList out;
    for (const RegisterRow &r : rows)
        out << QString::number(r.number);
    return out;
}

} // namespace

class RegisterTest : public QObject
{
    Q_OBJECT

private slots:
    void csvRowsReadBackAsWritten_data();
    void csvRowsReadBackAsWritten();
    void linesThatAreNotRowsAreRefused_data();
    void linesThatAreNotRowsAreRefused();
    void filesReadWhatParses_data();
    void filesReadWhatParses();
    void aTornLastLineNeverSwallowsTheNextRow();
    void aDroppedShareIsNeverMadeLocally();
    void names_data();
    void names();
    void theSpoolReachesTheFolderInOrderOnce();
    void aSpoolMovedTwiceIsWrittenOnce();
    void numbersGoOnAfterTheComputerForgetsItsCount();
    void summaryByPupilAcrossComputers();
    void toReviewIsTheMostMissedOfTheLatest();
    void percentIsRounded_data();
    void percentIsRounded();
    void pbkdf2MatchesRfc_data();
    void pbkdf2MatchesRfc();
    void teacherCodes();
    void hostileCodeFilesAreRefused_data();
    void hostileCodeFilesAreRefused();
    void theRegisterThreadRecordsAndReportsTheShare();
    void twentyFiveComputersAtOnce();
    void aComputerKilledMidWriteLeavesItsGoodRows();
};

void RegisterTest::csvRowsReadBackAsWritten_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("schoolClass");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");

    QTest::newRow("plain") << "Maria Rossi" << "3B" << "Volume" << "141,3";
    QTest::newRow("separator and quotes") << "Anna; \"Nina\" Bianchi" << "3B" << "Area; \"base\"" << "12";
    QTest::newRow("accents") << "Niccolò Citterà" << "3ª B" << "Superficie laterale" << "224";
    QTest::newRow("formula name") << "=HYPERLINK(\"x\")" << "+3B" << "Volume" << "-1";
    QTest::newRow("at and minus") << "@Luca" << "-3B" << "Volume" << "@1";
    QTest::newRow("blanks at the ends") << " Luca " << "3B " << " Volume" << "5 ";
    QTest::newRow("apostrophe kept") << "'Sara" << "3B" << "l'altezza" << "'5";
}

void RegisterTest::csvRowsReadBackAsWritten()
{
    QFETCH(QString, pupil);
    QFETCH(QString, schoolClass);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    RegisterRow written = row(pupil, QStringLiteral("Volume"), true, 7, 42, schoolClass);
    written.question = question;
    written.answer = answer;
    const QByteArray line = RegisterCsv::line(written);
    QVERIFY(line.endsWith('\n'));
    QCOMPARE(line.count('\n'), 1);
    // No spreadsheet ever sees a field that begins as a formula.
    RegisterCsv::Fields fields;
    const QByteArray body = line.chopped(1); // the fields are views into it
    QVERIFY(RegisterCsv::split(body, fields));
    QCOMPARE(fields.views.size(), 11);
    for (QByteArrayView f : fields.views)
        QVERIFY2(f.isEmpty() || !QByteArrayView("=+-@").contains(f.front()), f.toByteArray().constData());
    const std::optional<RegisterRow> read = RegisterCsv::parse(line.chopped(1));
    QVERIFY(read);
    QCOMPARE(read->pupil, pupil);
    QCOMPARE(read->schoolClass, schoolClass);
    QCOMPARE(read->question, question);
    QCOMPARE(read->answer, answer);
    QCOMPARE(read->date, written.date);
    QCOMPARE(read->time, written.time);
    QCOMPARE(read->number, 42);
    QVERIFY(read->right);
}

void RegisterTest::linesThatAreNotRowsAreRefused_data()
{
    QTest::addColumn<QByteArray>("line");
    const QByteArray good = "03/11/2026;09:00:05;3B;Maria Rossi;Cubo;Volume;Volume;141,3;esatta;12;1";
    QVERIFY(RegisterCsv::parse(good));

    QTest::newRow("torn") << good.left(40);
    QTest::newRow("one field more") << good + ";x";
    QTest::newRow("no such day") << QByteArray(good).replace("03/11", "31/02");
    QTest::newRow("short year") << QByteArray(good).replace("2026", "26");
    QTest::newRow("hour 25") << QByteArray(good).replace("09:00", "25:00");
    QTest::newRow("another outcome") << QByteArray(good).replace("esatta", "giusta");
    QTest::newRow("negative seconds") << QByteArray(good).replace(";12;", ";-12;");
    QTest::newRow("seconds beyond int") << QByteArray(good).replace(";12;", ";99999999999;");
    QTest::newRow("number zero") << good.chopped(1) + "0";
    QTest::newRow("number of 19 digits") << good + "234567890123456789";
    QTest::newRow("no class") << QByteArray(good).replace(";3B;", ";;");
    QTest::newRow("unclosed quote") << QByteArray(good).replace("Maria Rossi", "\"Maria Rossi");
    QTest::newRow("text after quote") << QByteArray(good).replace("Maria Rossi", "\"Maria\" Rossi");
    QTest::newRow("quote inside") << QByteArray(good).replace("Maria Rossi", "Maria\"Rossi");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("the header") << QByteArray(RegisterCsv::Header);
}

void RegisterTest::linesThatAreNotRowsAreRefused()
{
    QFETCH(QByteArray, line);
    QVERIFY(!RegisterCsv::parse(line));
}

void RegisterTest::filesReadWhatParses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isRegister");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("unreadable");

    const QByteArray a = RegisterCsv::line(row(QStringLiteral("Maria Rossi"), QStringLiteral("Volume"), true, 1, 1));
    const QByteArray b = RegisterCsv::line(row(QStringLiteral("Maria Rossi"), QStringLiteral("Area"), false, 2, 2));
    QTest::newRow("two rows") << file(a + b) << true << 2 << 0;
    QTest::newRow("no byte-order mark") << file(a + b).mid(3) << true << 2 << 0;
    QTest::newRow("Windows line ends") << file(a.chopped(1) + "\r\n" + b) << true << 2 << 0;
    QTest::newRow("last break missing") << file(a + b.chopped(1)) << true << 2 << 0;
    QTest::newRow("torn last line") << file(a + b.left(20)) << true << 1 << 1;
    QTest::newRow("torn line in the middle") << file(a.left(30) + '\n' + b) << true << 1 << 1;
    QTest::newRow("blank lines") << file(a + "\n\n" + b) << true << 2 << 0;
    QTest::newRow("seconds not a number") << file(a + QByteArray(b).replace(";12;", ";7\xff;"))
                                          << true << 1 << 1;
    QTest::newRow("a line too long, then a row")
        << file(a + QByteArray(RegisterFile::MaxLine + 10, 'x') + '\n' + b) << true << 2 << 1;
    QTest::newRow("a later version's header")
        << QByteArray(RegisterCsv::Header) + ";scuola\n" + a << false << 0 << 0;
    QTest::newRow("another program's CSV") << QByteArray("nome;voto\nMaria;8\n") << false << 0 << 0;
    QTest::newRow("empty") << QByteArray() << false << 0 << 0;
    QTest::newRow("binary, no line break") << QByteArray(3 * RegisterFile::MaxLine, '\0') << false << 0 << 0;
}

void RegisterTest::filesReadWhatParses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isRegister);
    QFETCH(int, rows);
    QFETCH(int, unreadable);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    int sunk = 0;
    const RegisterFile::Reading reading = RegisterFile::read(buffer, [&sunk](const RegisterCsv::Fields &) { ++sunk; });
    QCOMPARE(reading.isRegister, isRegister);
    QCOMPARE(reading.rows, rows);
    QCOMPARE(sunk, rows);
    QCOMPARE(reading.unreadable, unreadable);
}

void RegisterTest::aTornLastLineNeverSwallowsTheNextRow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("3B - Maria Rossi - pc1.csv"));
    write(path, file(RegisterCsv::line(row(QStringLiteral("Maria Rossi"), QStringLiteral("Volume"), true, 1, 1))
                     + "03/11/2026;09:0"));
    QVERIFY(RegisterFile::append(path, {row(QStringLiteral("Maria Rossi"), QStringLiteral("Area"), false, 2, 2)}));
    RegisterFile::Reading reading;
    const QList<RegisterRow> rows = rowsOf(path, &reading);
    QCOMPARE(numbersOf(rows), (QStringList{"1", "2"}));
    QCOMPARE(reading.unreadable, 1);

    // A new file gets its header first.
    const QString fresh = dir.filePath(QStringLiteral("nuovo.csv"));
    QVERIFY(RegisterFile::append(fresh, {row(QStringLiteral("Luca"), QStringLiteral("Volume"), true)}));
    QFile f(fresh);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readLine().startsWith(QByteArray(RegisterCsv::Bom) + RegisterCsv::Header));
}

void RegisterTest::aDroppedShareIsNeverMadeLocally()
{
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("condivisa"));
    QVERIFY(!RegisterFile::append(gone + QStringLiteral("/3B - Luca - pc1.csv"),
                                  {row(QStringLiteral("Luca"), QStringLiteral("Volume"), true)}));
    QVERIFY(!QFileInfo::exists(gone));
}

void RegisterTest::names_data()
{
    QTest::addColumn<QString>("schoolClass");
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("tidy");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("plain") << "3B" << "Maria Rossi" << "Maria Rossi" << "3B - Maria Rossi - pc1.csv";
    QTest::newRow("blanks") << " 3B " << "  Maria \t  Rossi " << "Maria Rossi" << "3B - Maria Rossi - pc1.csv";
    QTest::newRow("separators") << "3/B" << "Maria\\Rossi: \"ok\"?" << "Maria\\Rossi: \"ok\"?"
                                << "3_B - Maria_Rossi_ _ok__ - pc1.csv";
    QTest::newRow("climbing out") << ".." << "../../etc" << "../../etc" << "_ - _.._etc - pc1.csv";
    QTest::newRow("control characters") << "3B" << QString("Maria\x01Rossi") << QString("Maria\x01Rossi")
                                        << "3B - Maria_Rossi - pc1.csv";
    QTest::newRow("too long") << "3B" << QString(50, u'a') << QString(40, u'a')
                              << "3B - " + QString(40, u'a') + " - pc1.csv";
}

void RegisterTest::names()
{
    QFETCH(QString, schoolClass);
    QFETCH(QString, pupil);
    QFETCH(QString, tidy);
    QFETCH(QString, fileName);
    QCOMPARE(PupilName::tidy(pupil), tidy);
    QCOMPARE(PupilName::fileName(schoolClass, pupil, QStringLiteral("pc1")), fileName);
    QCOMPARE(PupilName::key(schoolClass, pupil), PupilName::key(schoolClass.toLower(), pupil.toUpper()));
}

void RegisterTest::theSpoolReachesTheFolderInOrderOnce()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    const QString away = dir.filePath(QStringLiteral("staccata"));
    QVERIFY(QDir().mkpath(share));
    RegisterStore store({share, dir.filePath(QStringLiteral("locale")), QStringLiteral("pc1")});
    const RegisterRow answer = row(QStringLiteral("Maria Rossi"), QStringLiteral("Volume"), true);

    QCOMPARE(store.record(answer), RegisterStore::Outcome::Written);
    // The share drops: renamed, as root's rights would not stop a write.
    QVERIFY(QDir().rename(share, away));
    QCOMPARE(store.record(answer), RegisterStore::Outcome::Spooled);
    QCOMPARE(store.record(answer), RegisterStore::Outcome::Spooled);
    QVERIFY(store.hasSpool());
    QVERIFY(!QFileInfo::exists(share));
    QVERIFY(QDir().rename(away, share));
    QCOMPARE(store.record(answer), RegisterStore::Outcome::Written);
    QVERIFY(!store.hasSpool());
    QCOMPARE(numbersOf(rowsOf(QDir(share).filePath(store.fileFor(QStringLiteral("3B"), QStringLiteral("Maria Rossi"))))),
             (QStringList{"1", "2", "3", "4"}));
}

void RegisterTest::aSpoolMovedTwiceIsWrittenOnce()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    const QString local = dir.filePath(QStringLiteral("locale"));
    QVERIFY(QDir().mkpath(share));
    RegisterStore store({share, local, QStringLiteral("pc1")});
    const QString name = store.fileFor(QStringLiteral("3B"), QStringLiteral("Maria Rossi"));
    const QString spool = RegisterStore::spoolFolder(local, share);
    QVERIFY(QDir().mkpath(spool));
    const QList<RegisterRow> spooled{row(QStringLiteral("Maria Rossi"), QStringLiteral("Volume"), true, 1, 7),
                                     row(QStringLiteral("Maria Rossi"), QStringLiteral("Area"), false, 2, 8)};
    QVERIFY(RegisterFile::append(QDir(spool).filePath(name), spooled));
    // The PC went off after the rows reached the folder, before the spool
    // was emptied: the first of them made it, torn after it.
    write(QDir(share).filePath(name), file(RegisterCsv::line(spooled[0]) + "03/11"));
    QVERIFY(store.moveSpool());
    RegisterFile::Reading reading;
    QCOMPARE(numbersOf(rowsOf(QDir(share).filePath(name), &reading)), (QStringList{"7", "8"}));
    QCOMPARE(reading.unreadable, 1);
    QVERIFY(!store.hasSpool());
}

void RegisterTest::numbersGoOnAfterTheComputerForgetsItsCount()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    const QString local = dir.filePath(QStringLiteral("locale"));
    QVERIFY(QDir().mkpath(share));
    const RegisterRow answer = row(QStringLiteral("Maria Rossi"), QStringLiteral("Volume"), true);
    {
        RegisterStore store({share, local, QStringLiteral("pc1")});
        for (int i = 0; i < 3; ++i)
            QCOMPARE(store.record(answer), RegisterStore::Outcome::Written);
    }
    // A lab PC restored at every reboot: its own folder is gone.
    QVERIFY(QDir(local).removeRecursively());
    RegisterStore store({share, local, QStringLiteral("pc1")});
    QCOMPARE(store.record(answer), RegisterStore::Outcome::Written);
    QCOMPARE(numbersOf(rowsOf(QDir(share).filePath(store.fileFor(QStringLiteral("3B"), QStringLiteral("Maria Rossi"))))),
             (QStringList{"1", "2", "3", "4"}));
}

void RegisterTest::summaryByPupilAcrossComputers()
{
    QTemporaryDir dir;
    const QString maria = QStringLiteral("Maria Rossi");
    write(dir.filePath(QStringLiteral("3B - Maria Rossi - pc1.csv")),
          file(RegisterCsv::line(row(maria, QStringLiteral("Volume"), true, 1, 1))
               + RegisterCsv::line(row(maria, QStringLiteral("Volume"), false, 2, 2))
               // written twice: counted once
               + RegisterCsv::line(row(maria, QStringLiteral("Volume"), false, 2, 2)) + "rotta;\n"));
    RegisterRow later = row(QStringLiteral("maria rossi"), QStringLiteral("Area"), true, 3, 1, QStringLiteral("3b"));
    later.date = QDate(2026, 11, 10);
    write(dir.filePath(QStringLiteral("3b - maria rossi - pc2.csv")), file(RegisterCsv::line(later)));
    write(dir.filePath(QStringLiteral("3A - Luca Verdi - pc1.csv")),
          file(RegisterCsv::line(row(QStringLiteral("Luca Verdi"), QStringLiteral("Volume"), true, 4, 1,
                                     QStringLiteral("3A")))));
    write(dir.filePath(QStringLiteral("voti.csv")), "nome;voto\n");
    write(dir.filePath(TeacherCode::fileName()), TeacherCode::make(QStringLiteral("1234")).toText());

    const ClassSummary summary = ClassSummary::read(dir.path());
    QCOMPARE(summary.pupils.size(), 2);
    QCOMPARE(summary.classes, (QStringList{"3A", "3b"}));
    QCOMPARE(summary.unreadableLines, 1);
    QCOMPARE(summary.unreadableFiles, 1);
    const PupilSummary &luca = summary.pupils[0];
    QCOMPARE(luca.pupil, QStringLiteral("Luca Verdi"));
    const PupilSummary &m = summary.pupils[1];
    // As written last, from either computer.
    QCOMPARE(m.pupil, QStringLiteral("maria rossi"));
    QCOMPARE(m.answers(), 3);
    QCOMPARE(m.right, 2);
    QCOMPARE(m.wrong, 1);
    QCOMPARE(m.lastDay, QDate(2026, 11, 10));
    QCOMPARE(m.files.size(), 2);
    QCOMPARE(m.kinds.size(), 2);
    QCOMPARE(m.toReview, QStringList{"Cubo: Volume"});
}

void RegisterTest::toReviewIsTheMostMissedOfTheLatest()
{
    QTemporaryDir dir;
    QByteArray lines;
    qint64 n = 0;
    const auto add = [&](const QString &kind, bool right, int count) {
        for (int i = 0; i < count; ++i) {
            ++n;
            RegisterRow r = row(QStringLiteral("Maria"), kind, right, 0, n);
            r.time = QTime(0, 0).addSecs(int(n));
            lines += RegisterCsv::line(r);
        }
    };
    // Long ago, many of these were wrong: beyond the latest fifty.
    add(QStringLiteral("Diagonale"), false, 20);
    add(QStringLiteral("Volume"), true, 30);
    add(QStringLiteral("Area"), false, 3);
    add(QStringLiteral("Spigolo"), false, 2);
    add(QStringLiteral("Apotema"), false, 2);
    add(QStringLiteral("Altezza"), false, 1);
    add(QStringLiteral("Volume"), true, 12);
    write(dir.filePath(QStringLiteral("3B - Maria - pc1.csv")), file(lines));
    const ClassSummary summary = ClassSummary::read(dir.path());
    QCOMPARE(summary.pupils.size(), 1);
    // Of two kinds missed twice, the one missed last first.
    QCOMPARE(summary.pupils[0].toReview, (QStringList{"Cubo: Area", "Cubo: Apotema", "Cubo: Spigolo"}));
    QCOMPARE(summary.pupils[0].answers(), 70);
}

void RegisterTest::percentIsRounded_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("percent");
    QTest::newRow("two thirds") << 2 << 1 << 67;
    QTest::newRow("one third") << 1 << 2 << 33;
    QTest::newRow("a half") << 1 << 1 << 50;
    QTest::newRow("one of eight") << 1 << 7 << 13;
    QTest::newRow("all") << 5 << 0 << 100;
    QTest::newRow("none") << 0 << 0 << 0;
}

void RegisterTest::percentIsRounded()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(int, percent);
    PupilSummary p;
    p.right = right;
    p.wrong = wrong;
    QCOMPARE(p.percentRight(), percent);
}

void RegisterTest::pbkdf2MatchesRfc_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QByteArray>("hex");
    // RFC 7914's vectors, the first 32 bytes; and one over UTF-8.
    QTest::newRow("passwd") << QByteArray("passwd") << QByteArray("salt") << 1
                            << QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
    QTest::newRow("Password") << QByteArray("Password") << QByteArray("NaCl") << 80000
                              << QByteArray("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56");
    QTest::newRow("accents") << QStringLiteral("maestra è").toUtf8() << QByteArray("sale") << 2
                             << QByteArray("6c394053cd3edcc854d8f362c15a4d62fb317839f0ed0b28aff611fceb8f54be");
}

void RegisterTest::pbkdf2MatchesRfc()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QByteArray, hex);
    QCOMPARE(TeacherCode::pbkdf2(password, salt, iterations).toHex(), hex);
}

void RegisterTest::teacherCodes()
{
    const TeacherCode code = TeacherCode::make(QStringLiteral("prof 3B"));
    QVERIFY(code.matches(QStringLiteral("prof 3B")));
    QVERIFY(!code.matches(QStringLiteral("prof 3b")));
    QVERIFY(!code.matches(QString()));
    // Salted: the same code never gives the same file twice.
    QVERIFY(TeacherCode::make(QStringLiteral("prof 3B")).hash != code.hash);
    QVERIFY(!code.toText().contains("prof"));
    const std::optional<TeacherCode> read = TeacherCode::fromText(code.toText());
    QVERIFY(read);
    QVERIFY(read->matches(QStringLiteral("prof 3B")));
}

void RegisterTest::hostileCodeFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = TeacherCode::make(QStringLiteral("1234")).toText();
    QVERIFY(TeacherCode::fromText(good));
    const QList<QByteArray> parts = good.trimmed().split(';');
    const auto with = [&parts](int i, const QByteArray &part) {
        QList<QByteArray> p = parts;
        p[i] = part;
        return p.join(';');
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another method") << with(1, "md5");
    QTest::newRow("endless work") << with(2, "2000000000");
    QTest::newRow("no work") << with(2, "0");
    QTest::newRow("salt not base64") << with(3, "***");
    QTest::newRow("short hash") << with(4, "AAAA");
    QTest::newRow("one part more") << good.trimmed() + ";x";
}

void RegisterTest::hostileCodeFilesAreRefused()
{
    QFETCH(QByteArray, text);
    QVERIFY(!TeacherCode::fromText(text));
}

void RegisterTest::theRegisterThreadRecordsAndReportsTheShare()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    QVERIFY(QDir().mkpath(share));
    ClassRegister reg({dir.filePath(QStringLiteral("locale")), QStringLiteral("pc1")}, nullptr);
    QSignalSpy reachability(&reg, &ClassRegister::reachabilityChanged);
    const ClassRegister::Answer answer{QStringLiteral("Cubo"), QStringLiteral("Volume"), QStringLiteral("Volume"),
                                       QStringLiteral("64"), true, 5};
    reg.record(answer);
    QVERIFY(reg.waitForIdle(10000));
    QVERIFY(QDir(share).isEmpty()); // no folder, no pupil: nothing

    reg.setFolder(share);
    reg.setPupil(QStringLiteral("3B"), QStringLiteral("Maria Rossi"));
    reg.record(answer);
    QVERIFY(QDir().rename(share, share + QStringLiteral("-via")));
    reg.record(answer);
    QTRY_COMPARE(reachability.size(), 1);
    QCOMPARE(reachability.at(0).at(0).toBool(), false);
    QVERIFY(!reg.isReachable());
    QVERIFY(QDir().rename(share + QStringLiteral("-via"), share));
    reg.record(answer);
    QTRY_COMPARE(reachability.size(), 2);
    QVERIFY(reg.isReachable());
    const QList<RegisterRow> rows = rowsOf(QDir(share).filePath(PupilName::fileName(
        QStringLiteral("3B"), QStringLiteral("Maria Rossi"), QStringLiteral("pc1"))));
    QCOMPARE(numbersOf(rows), (QStringList{"1", "2", "3"}));
    QCOMPARE(rows[0].answer, QStringLiteral("64"));
    QCOMPARE(rows[0].seconds, 5);
    QCOMPARE(rows[0].window, QStringLiteral("Cubo"));

    QStringList classes;
    reg.readClasses(this, [&classes](const QStringList &read) { classes = read; });
    QTRY_COMPARE(classes, QStringList{"3B"});
}

// 25 lab PCs answering at once into one folder, the share dropping in the
// middle: every row read back, none torn, none twice.
void RegisterTest::twentyFiveComputersAtOnce()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    QVERIFY(QDir().mkpath(share));
    constexpr int Computers = 25;
    constexpr int Rows = 400;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < Computers; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(TRAMOLO_REGISTER_APPEND),
                 {share, dir.filePath(QStringLiteral("locale%1").arg(i)), QStringLiteral("pc%1").arg(i),
                  QStringLiteral("3B"), QStringLiteral("Alunno %1").arg(i % 5), QString::number(Rows)});
        processes.push_back(std::move(p));
    }
    for (auto &p : processes)
        QVERIFY(p->waitForStarted());
    // The share drops once some rows are there, and comes back.
    QTRY_VERIFY_WITH_TIMEOUT(QDir(share).entryList(QDir::Files).size() >= 5, 60000);
    QVERIFY(QDir().rename(share, share + QStringLiteral("-via")));
    // Down until some PC has kept answers on its own disk.
    const auto spooling = [&dir] {
        for (const QFileInfo &local : QDir(dir.path()).entryInfoList({QStringLiteral("locale*")}, QDir::Dirs)) {
            for (const QFileInfo &spool : QDir(local.filePath()).entryInfoList({QStringLiteral("registro-*")}, QDir::Dirs)) {
                if (!QDir(spool.filePath()).entryList({QStringLiteral("*.csv")}, QDir::Files).isEmpty())
                    return true;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(spooling(), 60000);
    QVERIFY(QDir().rename(share + QStringLiteral("-via"), share));
    int spooled = 0;
    for (auto &p : processes) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
        spooled += p->readAllStandardOutput().split(' ').value(0).toInt();
    }
    QVERIFY(spooled > 0);
    for (int i = 0; i < Computers; ++i) {
        RegisterFile::Reading reading;
        const QList<RegisterRow> rows = rowsOf(
            QDir(share).filePath(PupilName::fileName(QStringLiteral("3B"), QStringLiteral("Alunno %1").arg(i % 5),
                                                     QStringLiteral("pc%1").arg(i))),
            &reading);
        QCOMPARE(reading.unreadable, 0);
        QCOMPARE(rows.size(), Rows);
        for (int r = 0; r < Rows; ++r) {
            QCOMPARE(rows[r].number, r + 1);
            QCOMPARE(rows[r].answer, QString::number(r + 1));
        }
    }
    const ClassSummary summary = ClassSummary::read(share);
    QCOMPARE(summary.pupils.size(), 5);
    for (const PupilSummary &p : summary.pupils)
        QCOMPARE(p.answers(), Rows * Computers / 5);
}

void RegisterTest::aComputerKilledMidWriteLeavesItsGoodRows()
{
    QTemporaryDir dir;
    const QString share = dir.filePath(QStringLiteral("condivisa"));
    QVERIFY(QDir().mkpath(share));
    const QString local = dir.filePath(QStringLiteral("locale"));
    const QStringList args{share, local, QStringLiteral("pc1"), QStringLiteral("3B"), QStringLiteral("Maria")};
    const QString path = QDir(share).filePath(PupilName::fileName(QStringLiteral("3B"), QStringLiteral("Maria"),
                                                                  QStringLiteral("pc1")));
    QProcess p;
    p.start(QStringLiteral(TRAMOLO_REGISTER_APPEND), args + QStringList{QStringLiteral("1000000")});
    QVERIFY(p.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 100000, 60000);
    p.kill();
    QVERIFY(p.waitForFinished());
    RegisterFile::Reading reading;
    const QList<RegisterRow> before = rowsOf(path, &reading);
    QVERIFY(before.size() > 100);
    QVERIFY(reading.unreadable <= 1);
    for (int r = 0; r < before.size(); ++r)
        QCOMPARE(before[r].number, r + 1);

    // The same PC the next day: its rows go on after the good ones.
    QProcess again;
    again.start(QStringLiteral(TRAMOLO_REGISTER_APPEND), args + QStringList{QStringLiteral("3")});
    QVERIFY(again.waitForFinished(60000));
    QCOMPARE(again.exitCode(), 0);
    const QList<RegisterRow> after = rowsOf(path, &reading);
    QCOMPARE(after.size(), before.size() + 3);
    QVERIFY(after.constLast().number > before.constLast().number);
}

QTEST_GUILESS_MAIN(RegisterTest)
#include "tst_register.moc"
