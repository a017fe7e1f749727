// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "definitions/Catalogue.h"
#include "FakeRandom.h"
#include "RecordingDevice.h"
#include "definitions/ExerciseProfiles.h"
#include "definitions/StartWindows.h"
#include "design/AnswerBox.h"
#include "printing/PaperOutput.h"
#include "printing/WorksheetDialog.h"
#include "printing/WorksheetPages.h"
#include "window/ExerciseWindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

Pages worksheet(int exercises, int versions, bool solutions, int number = 77)
{
    Worksheets::Request r;
    r.offered = Catalogue::sources();
    r.choices = {0, 1, 2, 3, 4, 5, 6, 7};
    r.exercises = exercises;
    r.versions = versions;
    r.solutions = solutions;
    r.number = number;
    return WorksheetPages::make(r, Worksheets::make(r));
}

// The pages of a PDF, as its page objects.
int pageCount(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

QByteArray pdfOf(const Pages &pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!PaperOutput::writePdf(buffer, pages, u"Scheda"_qs))
        return {};
    return buffer.data();
}

} // namespace

// Worksheets and results on paper: written whole where asked or not at
// all, the dialog's choices as the teacher finds them, and the pages each
// version and the solutions take.
class PrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void savesAWholePdf();
    void failedSaveSaysWhyAndLeavesNoFile_data();
    void failedSaveSaysWhyAndLeavesNoFile();
    void saveDialogIsOpenedAndAsksAgainAfterAFailure();
    void versionsAndSolutionsTakePagesOfTheirOwn();
    void dialogAsTheTeacherFindsIt();
    void resultsPageFromTheResultsPanel();
    void measuresOnPaperBesideTheirFigures_data();
    void measuresOnPaperBesideTheirFigures();
};

void PrintingTest::savesAWholePdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scheda 77.pdf"_qs);
    // An older file of that name is replaced.
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("vecchio");
    old.close();

    QCOMPARE(PaperOutput::savePdf(path, worksheet(12, 1, true), u"Scheda"_qs), std::nullopt);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // Nothing beside it: no temporary file left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Scheda 77.pdf"_qs});
}

void PrintingTest::failedSaveSaysWhyAndLeavesNoFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("why");
    QTest::newRow("a folder that does not exist") << u"manca/del/tutto"_qs << u"la cartella non permette"_qs;
    QTest::newRow("a file where the folder should be") << u"file.txt"_qs << u"la cartella non permette"_qs;
    QTest::newRow("a read-only folder") << u"sola lettura"_qs << u"la cartella non permette"_qs;
}

void PrintingTest::failedSaveSaysWhyAndLeavesNoFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QFile plain(dir.filePath(u"file.txt"_qs));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(dir.path()).mkdir(u"sola lettura"_qs));
    QFile(dir.filePath(u"sola lettura"_qs)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QString path = QDir(dir.path()).filePath(folder) + u"/Scheda 5.pdf"_qs;
    // Permissions do not stop the administrator: for him the read-only
    // folder is the kernel's, where no file can be made.
    if (folder == u"sola lettura" && QFileInfo(dir.filePath(folder)).isWritable())
        path = u"/sys/Scheda 5.pdf"_qs;

    const std::optional<QString> message = PaperOutput::savePdf(path, worksheet(2, 1, false), u"Scheda"_qs);
    QVERIFY(message);
    QVERIFY2(message->startsWith(u"Non è stato possibile salvare il file «"_qs + QDir::toNativeSeparators(path) + u'»'),
             qPrintable(*message));
    QVERIFY2(message->contains(why), qPrintable(*message));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{u"file.txt"_qs, u"sola lettura"_qs}));
    QVERIFY(QDir(dir.filePath(u"sola lettura"_qs)).isEmpty());
}

// No dialog runs a loop of its own (a web page has none): the call returns
// with the dialog open; a failed write says why over the dialog opened
// again, and only a written file is told.
void PrintingTest::saveDialogIsOpenedAndAsksAgainAfterAFailure()
{
    QTemporaryDir dir;
    QWidget parent;
    QStringList tried;
    QStringList saved;
    PaperOutput::askAndWrite(&parent, {u"Salva"_qs, u"Testo (*.txt)"_qs, u"txt"_qs, u"prova.txt"_qs},
                             [&tried](const QString &path) -> std::optional<QString> {
                                 tried << path;
                                 if (tried.size() == 1)
                                     return u"il disco è pieno"_qs;
                                 return PaperOutput::saveBytes(path, "scritto");
                             },
                             [&saved](const QString &path) { saved << path; });
    auto *dialog = parent.findChild<QFileDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    const QString path = dir.filePath(u"prova.txt"_qs);

    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();
    QCOMPARE(tried.size(), 1);
    QVERIFY(saved.isEmpty());
    QVERIFY(dialog->isVisible());
    auto *message = dialog->findChild<QMessageBox *>();
    QVERIFY(message);
    QCOMPARE(message->text(), u"il disco è pieno"_qs);
    message->accept();

    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();
    QCOMPARE(tried.size(), 2);
    QCOMPARE(saved, QStringList{path});
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("scritto"));

    // Given up, nothing is written nor told.
    PaperOutput::askAndWrite(&parent, {u"Salva"_qs, u"Testo (*.txt)"_qs, u"txt"_qs, u"altro.txt"_qs},
                             [&tried](const QString &path) -> std::optional<QString> {
                                 tried << path;
                                 return std::nullopt;
                             },
                             [&saved](const QString &path) { saved << path; });
    QTRY_VERIFY(parent.findChildren<QFileDialog *>().size() == 1);
    parent.findChildren<QFileDialog *>().constLast()->reject();
    QCOMPARE(tried.size(), 2);
    QCOMPARE(saved.size(), 1);
}

void PrintingTest::versionsAndSolutionsTakePagesOfTheirOwn()
{
    const int alone = pageCount(pdfOf(worksheet(1, 1, false)));
    QCOMPARE(alone, 1);
    // The solutions open a page, each version opens one.
    QCOMPARE(pageCount(pdfOf(worksheet(1, 1, true))), 2);
    QCOMPARE(pageCount(pdfOf(worksheet(1, 3, true))), 6);
    // Forty exercises do not fit on a page; none is split, so each page
    // holds whole ones and there are several.
    QVERIFY(pageCount(pdfOf(worksheet(40, 1, false))) >= 5);
}

void PrintingTest::dialogAsTheTeacherFindsIt()
{
    const QStringList captions = StartWindows::choice().openingCaptions();
    QCOMPARE(captions, (QStringList{u"Cubi"_qs, u"Parallelepipedo"_qs, u"Prisma"_qs, u"Piramide"_qs, u"Cilindro"_qs,
                                    u"Cono"_qs, u"Sfera"_qs, u"Problemi"_qs}));
    WorksheetDialog dialog(captions, 31415);
    QCOMPARE(dialog.windowTitle(), u"Scheda da stampare"_qs);
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.choices().size(), 8);
    QCOMPARE(dialog.exercises()->value(), 12);
    QCOMPARE(dialog.exercises()->maximum(), 40);
    QCOMPARE(dialog.versions()->value(), 1);
    QCOMPARE(dialog.versions()->maximum(), 4);
    QVERIFY(dialog.solutions()->isChecked());
    QCOMPARE(dialog.number()->accessibleName(), u"Numero della scheda"_qs);
    QCOMPARE(dialog.number()->text(), u"31415"_qs);
    QCOMPARE(dialog.request().choices, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));

    for (QCheckBox *box : dialog.choices())
        box->setChecked(false);
    QVERIFY(!dialog.saveButton()->isEnabled());
    QVERIFY(!dialog.printButton()->isEnabled());
    dialog.choices()[4]->setChecked(true);
    QVERIFY(dialog.saveButton()->isEnabled());
    dialog.versions()->setValue(3);
    dialog.solutions()->setChecked(false);
    const Worksheets::Request r = dialog.request();
    QCOMPARE(r.choices, QList<int>{4});
    QCOMPARE(r.versions, 3);
    QVERIFY(!r.solutions);
    QCOMPARE(r.number, 31415);
}

void PrintingTest::resultsPageFromTheResultsPanel()
{
    FakeRandom random;
    ExerciseWindow window(ExerciseProfiles::cylinder(), random);
    window.load();
    QTest::keyClicks(window.controls().txtAnswer, u"1"_qs);
    QTest::keyClick(window.controls().txtAnswer, Qt::Key_Return);
    window.results_Click();
    QVERIFY(window.resultsPanel()->findChild<QPushButton *>(u"cmdPrintResults"_qs));
    const GameReport report = window.report();
    QCOMPARE(report.rows.size(), 1);
    QVERIFY(report.rows.first().endsWith(u"esatte 0, errate 1"_qs));
    QCOMPARE(report.missed.size(), 1);
    QCOMPARE(report.window, window.profile().descriptiveTitle);
    QCOMPARE(report.minutes, 0);
    QCOMPARE(pageCount(pdfOf(report.pages(u"Mario Rossi"_qs))), 1);
}

void PrintingTest::measuresOnPaperBesideTheirFigures_data()
{
    QTest::addColumn<int>("number");
    // Sheets of forty exercises mixing every window and the problems.
    QTest::newRow("sheet 77") << 77;
    QTest::newRow("sheet 778") << 778;
    QTest::newRow("sheet 31415") << 31415;
}

// A 40-exercise sheet as the paper receives it: every measure on a figure
// is one run of text with its "cm" ("12 cm") or "X", inside its figure's
// column, below its exercise's heading and clear of any other text; no type
// anywhere under 9 points.
void PrintingTest::measuresOnPaperBesideTheirFigures()
{
    QFETCH(int, number);
    const Pages pages = worksheet(40, 1, true, number);
    RecordingDevice device(QSizeF(210, 297));
    QPainter painter(&device);
    QVERIFY(pages.paint(painter, QRectF(0, 0, device.width(), device.height()), [&device] {
        ++device.page;
        return true;
    }));
    painter.end();

    static const QRegularExpression measure(u"^(\\d+ cm|X)$"_qs);
    int measures = 0;
    for (int i = 0; i < device.texts.size(); ++i) {
        const RecordingDevice::Text &t = device.texts[i];
        QVERIFY2(t.points >= 9 - 1e-6, qPrintable(u"%1: %2 pt"_qs.arg(t.text).arg(t.points)));
        // A unit is on the line of its number: alone it follows the number
        // (or its "π", which comes in a font of its own) on the same line.
        if (QStringList({u"cm"_qs, u"cmq"_qs, u"cmc"_qs}).contains(t.text.trimmed())) {
            const RecordingDevice::Text *before = i > 0 ? &device.texts[i - 1] : nullptr;
            QVERIFY2(before && before->page == t.page && std::abs(before->box.center().y() - t.box.center().y()) < t.box.height() / 4
                         && t.box.left() - before->box.right() < t.box.height() && t.box.left() >= before->box.left()
                         && QRegularExpression(u"[\\dπ][\\s\\x{a0}]?$"_qs).match(before->text).hasMatch(),
                     qPrintable(t.text + u" after "_qs + (before ? before->text : QString())));
        }
        if (!measure.match(t.text).hasMatch())
            continue;
        ++measures;
        // Its exercise: the last heading above it on its page, and the data
        // line that heading's text column begins with.
        const RecordingDevice::Text *heading = nullptr;
        const RecordingDevice::Text *data = nullptr;
        const RecordingDevice::Text *next = nullptr;
        for (const RecordingDevice::Text &o : std::as_const(device.texts)) {
            if (o.page != t.page)
                continue;
            if (o.text.startsWith(u"Esercizio "_qs) && o.box.top() <= t.box.top()
                && (!heading || o.box.top() > heading->box.top()))
                heading = &o;
            if (o.text.startsWith(u"Esercizio "_qs) && o.box.top() > t.box.top() && (!next || o.box.top() < next->box.top()))
                next = &o;
        }
        QVERIFY2(heading, qPrintable(t.text));
        for (const RecordingDevice::Text &o : std::as_const(device.texts)) {
            if (o.page == t.page && o.text.startsWith(u"Dati:"_qs) && o.box.top() > heading->box.top()
                && (!data || o.box.top() < data->box.top()))
                data = &o;
        }
        QVERIFY2(data, qPrintable(heading->text));
        const QString where = heading->text + u": "_qs + t.text;
        QVERIFY2(t.box.top() >= heading->box.bottom(), qPrintable(where));
        QVERIFY2(t.box.right() <= data->box.left(), qPrintable(where));
        QVERIFY2(!next || t.box.bottom() <= next->box.top(), qPrintable(where));
        for (int j = 0; j < device.texts.size(); ++j) {
            const RecordingDevice::Text &o = device.texts[j];
            QVERIFY2(j == i || o.page != t.page || !o.box.intersects(t.box), qPrintable(where + u" / "_qs + o.text));
        }
    }
    QVERIFY2(measures >= 40, qPrintable(QString::number(measures)));
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
