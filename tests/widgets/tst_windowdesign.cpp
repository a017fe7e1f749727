// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"
#include "printing/WorksheetDialog.h"
#include "shell/ChoiceWindow.h"
#include "shell/SplashWindow.h"
#include "window/ExerciseWindow.h"
#include "frame/FrameTexts.h"
#include "exercises/BoxExercises.h"
#include "exercises/WorkedSolution.h"
#include "problems/ProblemKinds.h"
#include "design/DesignCanvas.h"
#include "definitions/ExerciseProfiles.h"
#include "definitions/StartWindows.h"
#include "design/AnswerBox.h"
#include "design/Fonts.h"
#include "design/PictureBox.h"
#include "exercises/ExerciseSet.h"
#include "figures/FigureMap.h"
#include "shell/Application.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QSize FullHd(1920, 1080);

WindowProfile profileNamed(const QString &name)
{
    for (const ProfileSource source : ExerciseProfiles::all()) {
        if (WindowProfile p = source(); p.windowName == name)
            return p;
    }
    return {};
}

// WCAG 2's contrast ratio, from the colours' relative luminance.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int gap(const QRect &a, const QRect &b)
{
    const int dx = std::max({0, a.left() - b.right(), b.left() - a.right()});
    const int dy = std::max({0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::max(dx, dy);
}

} // namespace

// The windows as a person sees them: every control there with its text,
// font and colours, nothing outside the window, no text cut off.
class WindowDesignTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFamily_data();
    void installedFamily();

    void controls_data();
    void controls();
    void everythingFitsAndReads_data();
    void everythingFitsAndReads();
    void problemsWindowFits_data();
    void problemsWindowFits();
    void menusAndStatusBar_data();
    void menusAndStatusBar();
    void splashAndChoice();
    void splashLabelsFitBesideTheButton_data();
    void splashLabelsFitBesideTheButton();
    void picturesAreDrawnAtScreenResolution();
    void measuresBesideTheirSegments_data();
    void measuresBesideTheirSegments();
    void focusFrames_data();
    void focusFrames();

private:
    std::unique_ptr<ExerciseWindow> open(const QString &name, QSize size);
    void checkEverythingInsideAndWhole(ExerciseWindow &w);
    void checkFocusFrames(const QList<QPushButton *> &buttons);
    FakeRandom m_random;
};

void WindowDesignTest::initTestCase()
{
    // The style the program runs with, its focus frame included.
    configureApplication(*qApp);
}

void WindowDesignTest::installedFamily_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("asked");
    const QStringList linux{"DejaVu Sans", "Liberation Sans", "Liberation Serif"};
    const QStringList windows{"Arial", "MS Sans Serif", "Times New Roman", "Liberation Sans"};
    QTest::newRow("Arial missing") << "Arial" << linux << "Liberation Sans";
    QTest::newRow("Times New Roman missing") << "Times New Roman" << linux << "Liberation Serif";
    QTest::newRow("MS Sans Serif missing") << "MS Sans Serif" << linux << "Liberation Sans";
    QTest::newRow("Arial installed") << "Arial" << windows << "Arial";
    QTest::newRow("MS Sans Serif installed") << "MS Sans Serif" << windows << "MS Sans Serif";
    QTest::newRow("installed under another case") << "arial" << windows << "arial";
    QTest::newRow("stand-in missing too") << "Times New Roman" << QStringList{"DejaVu Serif"}
                                          << "Times New Roman";
    QTest::newRow("no stand-in") << "Comic Sans MS" << linux << "Comic Sans MS";
}

void WindowDesignTest::installedFamily()
{
    QFETCH(QString, designed);
    QFETCH(QStringList, installed);
    QFETCH(QString, asked);
    QCOMPARE(::installedFamily(designed, installed), asked);
}

std::unique_ptr<ExerciseWindow> WindowDesignTest::open(const QString &name, QSize size)
{
    auto window = std::make_unique<ExerciseWindow>(profileNamed(name), m_random);
    window->load();
    window->setWindowState(Qt::WindowNoState);
    window->resize(size.isValid() ? size : window->designSize());
    QCoreApplication::processEvents();
    return window;
}

void WindowDesignTest::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");

    const QColor none;
    for (const char *w : {"cubi", "Tavolas", "Tavola"}) {
        QTest::addRow("%s lblMessage", w) << w << "lblMessage" << "" << "MS Sans Serif" << 24.0 << true
                                          << none << QColor(0, 255, 255);
        QTest::addRow("%s Label4", w) << w << "Label4" << "=" << "Arial" << 48.0 << true << none
                                      << QColor(128, 255, 255);
        QTest::addRow("%s txtAnswer", w) << w << "txtAnswer" << "" << "Arial" << 36.0 << true << none
                                         << QColor(192, 255, 192);
        QTest::addRow("%s Text1", w) << w << "Text1" << "cm" << "Arial" << 36.0 << true << QColor(0, 192, 192)
                                     << QColor(192, 255, 192);
        QTest::addRow("%s lblTime", w) << w << "lblTime" << "" << "MS Sans Serif" << 12.0 << true << none
                                       << QColor(Qt::white);
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%s Label2(%d)", w, i) << w << QStringLiteral("Label2(%1)").arg(i) << "cm"
                                                 << "MS Sans Serif" << 12.0 << false << none << none;
        QTest::addRow("%s Label6", w) << w << "Label6" << "Risposte esatte" << "MS Sans Serif" << 18.0 << false
                                      << QColor(0, 192, 0) << QColor(224, 224, 224);
        QTest::addRow("%s Label1", w) << w << "Label1" << "Risposte errate" << "MS Sans Serif" << 18.0 << false
                                      << QColor(255, 0, 0) << none;
        QTest::addRow("%s Label3", w) << w << "Label3" << "Risposte totali" << "MS Sans Serif" << 18.0 << false
                                      << QColor(0, 0, 255) << none;
        QTest::addRow("%s lblScore", w) << w << "lblScore" << "0" << "Times New Roman" << 36.0 << true << none
                                        << QColor(255, 255, 0);
        QTest::addRow("%s lblScore1", w) << w << "lblScore1" << "0" << "Times New Roman" << 36.0 << true
                                         << QColor(255, 0, 0) << none;
        QTest::addRow("%s lblScore2", w) << w << "lblScore2" << "0" << "Times New Roman" << 36.0 << true
                                         << QColor(0, 0, 255) << none;
        QTest::addRow("%s cmdNext", w) << w << "cmdNext" << "&Nuovo calcolo" << "MS Sans Serif" << 8.25 << true
                                       << none << QColor(0, 255, 0);
        QTest::addRow("%s Label9", w) << w << "Label9" << "Label9" << "MS Sans Serif" << 8.25 << false << none
                                      << none;
    }
    QTest::newRow("Tavola lblc") << "Tavola" << "lblc" << "" << "MS Sans Serif" << 12.0 << false << none << none;
    QTest::newRow("Tavola Label7") << "Tavola" << "Label7" << "h" << "MS Sans Serif" << 12.0 << false << none
                                   << QColor(Qt::white);
}

void WindowDesignTest::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);

    auto w = open(window, QSize());
    auto *canvas = w->findChild<DesignCanvas *>();
    QWidget *c = canvas->findChild<QWidget *>(control);
    QVERIFY2(c, qPrintable(control));

    QString shown;
    QPalette::ColorRole foreRole = QPalette::WindowText, backRole = QPalette::Window;
    if (auto *label = qobject_cast<QLabel *>(c)) {
        shown = label->text();
    } else if (auto *box = qobject_cast<QLineEdit *>(c)) {
        shown = box->text();
        foreRole = QPalette::Text;
        backRole = QPalette::Base;
    } else if (auto *button = qobject_cast<QPushButton *>(c)) {
        shown = button->text();
        foreRole = QPalette::ButtonText;
        backRole = QPalette::Button;
    }
    if (control != u"txtAnswer" && control != u"Label5" && control != u"lblc")
        QCOMPARE(shown, text);

    QCOMPARE(c->font().family(), ::installedFamily(family, QFontDatabase::families()));
    QCOMPARE(c->font().bold(), bold);
    QCOMPARE(c->font().pixelSize(), std::max(1, int(std::lround(points * 4 / 3 * canvas->scale()))));
    if (family != u"Times New Roman")
        QCOMPARE(QFontInfo(c->font()).family(), QStringLiteral("Liberation Sans"));
    else
        QCOMPARE(QFontInfo(c->font()).family(), QStringLiteral("Liberation Serif"));
    if (fore.isValid())
        QCOMPARE(c->palette().color(foreRole), fore);
    if (back.isValid())
        QCOMPARE(c->palette().color(backRole), back);
}

void WindowDesignTest::everythingFitsAndReads_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("size");
    for (const char *w : {"cubi", "Tavolas", "Tavola", "Piramide", "Cilindro", "Cono", "Sfera"}) {
        QTest::addRow("%s design size", w) << w << QSize();
        QTest::addRow("%s full HD", w) << w << FullHd;
        QTest::addRow("%s small netbook", w) << w << QSize(1024, 600);
    }
}

void WindowDesignTest::everythingFitsAndReads()
{
    QFETCH(QString, window);
    QFETCH(QSize, size);
    auto w = open(window, size);

    // The longest texts the windows ever show.
    const ExerciseControls &c = w->controls();
    c.lblScore->setText(QStringLiteral("32767"));
    c.lblScore2->setText(QStringLiteral("32767"));
    c.Label5->setText(QStringLiteral("Superficie laterale"));
    c.lblsl->setText(QStringLiteral("Superficie laterale= 400 cmq"));
    c.lblsl->show();
    c.Lblalt->setText(QStringLiteral("14"));
    c.lblSolution->setText(QStringLiteral("Hai troncato la diagonale: va arrotondata a un decimale.\n")
                           + WorkedSolution::working(BoxExercises::make(3, 8, 1, 0)));
    const QString verdicts[] = {w->profile().rightVerdict, QStringLiteral("Sbagliato!! 1176"),
                                FrameTexts::notANumber(), FrameTexts::countersFull()};
    const auto longest = std::max_element(std::begin(verdicts), std::end(verdicts),
                                          [&](const QString &a, const QString &b) {
                                              return c.lblMessage->fontMetrics().horizontalAdvance(a)
                                                  < c.lblMessage->fontMetrics().horizontalAdvance(b);
                                          });
    c.lblMessage->setText(*longest);
    checkEverythingInsideAndWhole(*w);
    if (QTest::currentTestFailed())
        return;
    auto *canvas = w->findChild<DesignCanvas *>();

    // The measures sit on or beside the figure, never away from it.
    const QRect figure(c.Image4->mapTo(w.get(), c.Image4->pictureRect().topLeft()),
                       c.Image4->pictureRect().size());
    QList<QWidget *> measures{c.Lbla, c.lblb, c.Lblalt};
    for (QWidget *own : {static_cast<QWidget *>(c.Label7), static_cast<QWidget *>(c.lblc)}) {
        if (own)
            measures << own;
    }
    for (QWidget *m : measures) {
        if (!m->isVisibleTo(w.get()))
            continue;
        const QRect r(m->mapTo(w.get(), QPoint(0, 0)), m->size());
        QVERIFY2(gap(r, figure) <= 30 * canvas->scale(), qPrintable(m->objectName()));
    }
}

// Every control shown lies inside the window and shows its text whole; the
// longest answer the box takes, a comma among its digits, shows whole.
void WindowDesignTest::checkEverythingInsideAndWhole(ExerciseWindow &w)
{
    QCoreApplication::processEvents();
    const QRect inside = w.rect();
    auto *canvas = w.findChild<DesignCanvas *>();
    for (QWidget *control : canvas->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(&w) || control->objectName() == u"Label9" || control->objectName() == u"Line9")
            continue;
        const QRect r(control->mapTo(&w, QPoint(0, 0)), control->size());
        QVERIFY2(inside.contains(r), qPrintable(control->objectName()));
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            const QSize need = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            QVERIFY2(need.width() <= label->width() && need.height() <= label->height(),
                     qPrintable(label->objectName() + QStringLiteral(" cuts its text: %1x%2 in %3x%4").arg(need.width()).arg(need.height()).arg(label->width()).arg(label->height())));
        }
        if (auto *button = qobject_cast<QPushButton *>(control))
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
        if (auto *box = qobject_cast<QLineEdit *>(control))
            QVERIFY2(box->fontMetrics().height() <= box->height(), qPrintable(box->objectName()));
    }
    const ExerciseControls &c = w.controls();
    const QString longestAnswer = QString(w.profile().answerLength - 1, u'8') + u',';
    QVERIFY2(c.txtAnswer->fontMetrics().horizontalAdvance(longestAnswer) <= c.txtAnswer->contentsRect().width() - 4,
             qPrintable(longestAnswer));
}

void WindowDesignTest::problemsWindowFits_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("design size") << QSize();
    QTest::newRow("full HD") << FullHd;
    QTest::newRow("small netbook") << QSize(1024, 600);
}

// The longest texts of the problems: the longest text and question list,
// every kind's data at their longest, with a material, the longest verdict
// and a worked step after a likely mistake.
void WindowDesignTest::problemsWindowFits()
{
    QFETCH(QSize, size);
    auto w = open(QStringLiteral("Problemi"), size);
    const ExerciseControls &c = w->controls();
    const ProblemSet &problems = ProblemKinds::set();
    // The longest text and the longest list of questions, every question
    // answered, over every kind worded every way, at its largest draws.
    Problem longest = problems.make(8, 5, 1, 12, 0);
    QStringList longestList;
    for (int k = 1; k <= problems.kindCount; ++k) {
        const ProblemKind &kind = problems.kind(k);
        for (int r = 0; r < RelationCount; ++r) {
            const Problem p = problems.make(k, kind.first.high, kind.second.high, kind.third.high,
                                            kind.weighable ? 1 : -1, {Relation(r), r % 2 == 1, true});
            if (p.text().size() > longest.text().size())
                longest = p;
            QStringList list;
            for (int q = 0; q < p.questions.size(); ++q)
                list << u"► %1. %2: %3"_s.arg(q + 1).arg(p.questions[q].text(), p.questions[q].valueWithUnit());
            if (list.join(u'\n').size() > longestList.join(u'\n').size() || list.size() > longestList.size())
                longestList = list;
        }
    }
    c.lblKind->setText(QString::fromUtf16(problems.kind(8).title));
    c.lblText->setText(longest.text());
    const auto showData = [&c](const QStringList &data) {
        QVERIFY2(data.size() <= int(c.lblData.size()), qPrintable(data.join(u"; ")));
        for (int i = 0; i < int(c.lblData.size()); ++i) {
            c.lblData[i]->setText(data.value(i));
            c.lblData[i]->setVisible(i < data.size());
        }
    };
    c.lblQuestions->setText(longestList.join(u'\n'));
    c.Label5->setText(QStringLiteral("2. Superficie totale del solido"));
    c.lblMessage->setText(QStringLiteral("Sbagliato!! 30420π"));
    c.lblSolution->setText(QStringLiteral("Hai contato anche le parti a contatto: non fanno parte della superficie totale.\n")
                           + problems.make(8, 5, 1, 12, 0).workedStep(1));
    c.lblPi->show();
    // Each kind's data with every datum at its widest: the largest draws, a material.
    for (int k = 1; k <= problems.kindCount; ++k) {
        const ProblemKind &kind = problems.kind(k);
        const Problem p = problems.make(k, kind.first.high, kind.second.high, kind.third.high, kind.weighable ? 0 : -1,
                                        {Relation::DifferenceAndRatio});
        QStringList data = p.dataLines();
        for (QString &line : data)
            line.replace(QRegularExpression(QStringLiteral("\\d+")), QStringLiteral("888"));
        showData(data);
        checkEverythingInsideAndWhole(*w);
    }
}

void WindowDesignTest::menusAndStatusBar_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("menuNames");
    QTest::addColumn<QStringList>("panels");
    QTest::newRow("cubi") << "cubi" << QStringList{"copy", "new", "calc", "results", "formulas", "read", "ist"}
                          << QStringList{"I solidi", "Cubi", "Record di"};
    QTest::newRow("Tavolas") << "Tavolas" << QStringList{"Ciao", "new", "calc", "results", "formulas", "read"}
                             << QStringList{"I solidi", "Parallelepido rettangolo", "Record di"};
    QTest::newRow("Tavola") << "Tavola" << QStringList{"Ciao", "new", "calc", "results", "formulas", "read"}
                            << QStringList{"I solidi", "Teoremi di Euclide", "Teorema di Euclide", "Record di"};
}

void WindowDesignTest::menusAndStatusBar()
{
    QFETCH(QString, window);
    QFETCH(QStringList, menuNames);
    QFETCH(QStringList, panels);
    auto w = open(window, QSize());

    QStringList names;
    for (QAction *action : w->menuBar()->actions())
        names << (action->menu() ? action->menu()->objectName() : action->objectName());
    QCOMPARE(names, menuNames);
    QCOMPARE(w->findChild<QAction *>(QStringLiteral("new"))->text(), QStringLiteral("Nuovo gioco"));
    QCOMPARE(w->findChild<QAction *>(QStringLiteral("calc"))->text(), QStringLiteral("Calcolatrice"));
    if (window != u"cubi") {
        auto *ciao = w->findChild<QMenu *>(QStringLiteral("Ciao"));
        QStringList nested;
        for (QAction *a : ciao->actions())
            nested << a->objectName();
        QCOMPARE(nested, (QStringList{"Tmer", "scuola", "software"}));
    }

    QStringList shown;
    for (QLabel *panel : w->statusBar()->findChildren<QLabel *>()) {
        if (panel != w->reviewLine() && panel != w->speechLine())
            shown << panel->text();
    }
    QCOMPARE(shown, panels);
    QVERIFY(w->statusBar()->findChild<PictureBox *>());
}

void WindowDesignTest::splashAndChoice()
{
    SplashWindow splash;
    splash.show();
    ChoiceWindow choice;
    choice.show();
    QVERIFY(QTest::qWaitForWindowExposed(&choice));
    QCOMPARE(choice.palette().color(QPalette::Window), QColor(128, 128, 255));
    for (QWidget *window : {static_cast<QWidget *>(&splash), static_cast<QWidget *>(&choice)}) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisible())
                continue;
            const QRect r(control->mapTo(window, QPoint(0, 0)), control->size());
            QVERIFY2(window->rect().contains(r), qPrintable(control->objectName()));
            if (auto *label = qobject_cast<QLabel *>(control))
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
    }
    // The title keeps clear of the picture button beside it.
    const auto *title = splash.findChild<QLabel *>(QStringLiteral("lblProductName"));
    const auto *button = splash.findChild<QPushButton *>(QStringLiteral("Command3"));
    QVERIFY(title->geometry().right() < button->geometry().left());
    QVERIFY(title->font().pointSizeF() >= 24);
}

void WindowDesignTest::splashLabelsFitBesideTheButton_data()
{
    QTest::addColumn<QString>("label");
    // The name fits as designed; the title and the list of solids shrink.
    for (const char *label : {"lblCompanyProduct", "lblProductName", "lblCompany"})
        QTest::newRow(label) << label;
}

void WindowDesignTest::splashLabelsFitBesideTheButton()
{
    // Each label beside the picture button is shown at the largest size,
    // in steps of 0.75 points, that keeps it clear of the button.
    QFETCH(QString, label);
    SplashWindow splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const auto *shown = splash.findChild<QLabel *>(label);
    const auto *button = splash.findChild<QPushButton *>(QStringLiteral("Command3"));
    const int room = button->geometry().left() - 4 - shown->x();
    QVERIFY2(shown->sizeHint().width() <= room, qPrintable(QString::number(shown->sizeHint().width())));

    qreal designed = 0;
    for (const Design::Control &row : StartWindows::splash().controls) {
        if (QStringView(row.name) == label)
            designed = row.font.points;
    }
    if (shown->font().pointSizeF() < designed) {
        QLabel larger(shown->text());
        QFont font = shown->font();
        font.setPointSizeF(font.pointSizeF() + 0.75);
        larger.setFont(font);
        QVERIFY2(larger.sizeHint().width() > room, qPrintable(QString::number(font.pointSizeF())));
    }
}

void WindowDesignTest::picturesAreDrawnAtScreenResolution()
{
    // Run also with QT_SCALE_FACTOR 1.5 and 2: the figure must be drawn for
    // the screen's pixels, not drawn small and stretched.
    auto w = open(QStringLiteral("Tavolas"), FullHd);
    PictureBox *figure = w->controls().Image4;
    const qreal ratio = figure->devicePixelRatioF();
    QCOMPARE(ratio, qApp->devicePixelRatio());

    const QImage shot = figure->grab().toImage();
    const QRect picture = figure->pictureRect();
    // The same picture drawn straight at the screen's pixels, on white.
    QImage ideal = Artwork::pixmap(figure->picture(), picture.size(), ratio).toImage();
    ideal.setDevicePixelRatio(1);
    QImage direct(ideal.size(), QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::white);
    QPainter painter(&direct);
    painter.drawImage(0, 0, ideal);
    painter.end();

    const QImage drawn = shot.copy(QRect((QPointF(picture.topLeft()) * ratio).toPoint(), direct.size()))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(drawn.size(), direct.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != direct.pixel(x, y);
    QVERIFY2(differing < drawn.width() * drawn.height() / 100, qPrintable(QString::number(differing)));
}

void WindowDesignTest::measuresBesideTheirSegments_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    for (const char *w : {"Piramide", "Cilindro", "Cono", "Sfera"}) {
        const int kinds = profileNamed(QString::fromLatin1(w)).exercises->kindCount;
        for (int kind = 1; kind <= kinds; ++kind) {
            QTest::addRow("%s kind %d design size", w, kind) << w << kind << QSize();
            QTest::addRow("%s kind %d full HD", w, kind) << w << kind << FullHd;
            QTest::addRow("%s kind %d small netbook", w, kind) << w << kind << QSize(1024, 600);
        }
    }
}

// Each measure of the new solids is one label by its SVG's segment: "8 cm"
// or "X", near the segment's middle, on no line or letter of the drawing and
// on no other text; the figure fills half the window's height at least, and
// its labels are as tall as the question. Tried with the exercise drawn and
// with the widest measures.
void WindowDesignTest::measuresBesideTheirSegments()
{
    QFETCH(QString, window);
    QFETCH(int, kind);
    QFETCH(QSize, size);
    // The window's first draw of a kind falls in the kind's share of [0, 1).
    m_random.script = {float((kind - 0.5) / profileNamed(window).exercises->kindCount)};
    auto w = open(window, size);
    const ExerciseControls &c = w->controls();
    QCOMPARE(w->state().intMode, kind);
    QCoreApplication::processEvents();

    auto *canvas = w->findChild<DesignCanvas *>();
    const QRect picture(c.Image4->mapTo(w.get(), c.Image4->pictureRect().topLeft()), c.Image4->pictureRect().size());
    if (!size.isValid())
        QVERIFY2(picture.height() * 2 >= canvas->height(),
                 qPrintable(u"%1 of %2"_s.arg(picture.height()).arg(canvas->height())));
    const FigureMap map(Artwork::resourcePath(c.Image4->picture()));
    const QRectF box = map.viewBox();
    QVERIFY(!box.isEmpty());
    const qreal scale = picture.width() / box.width();
    // The drawing alone, as the picture box shows it.
    const QImage drawing = c.Image4->grab().toImage().scaled(c.Image4->size());

    for (const QString &widest : {QString(), QStringLiteral("888 cm")}) {
        const auto places = c.places();
        QList<QLabel *> shown;
        for (int place = 0; place < MeasurePlaces; ++place) {
            if (!places[place] || !places[place]->isVisible())
                continue;
            if (!widest.isEmpty() && places[place]->text() != u"X")
                places[place]->setText(widest);
            shown << places[place];
        }
        QCoreApplication::processEvents();
        QVERIFY(!shown.isEmpty());
        const QStringList texts = [&] {
            QStringList t;
            for (QLabel *l : w->findChildren<QLabel *>())
                if (l->isVisible())
                    t << l->text();
            return t;
        }();
        QVERIFY2(!texts.contains(u"cm"_s), qPrintable(texts.join(u'|')));

        for (QLabel *label : std::as_const(shown)) {
            const int place = int(std::find(places.begin(), places.end(), label) - places.begin());
            const QString name = label->objectName() + u' ' + label->text();
            QVERIFY2(label->text() == u"X" || label->text().endsWith(u" cm"), qPrintable(name));
            QVERIFY2(QFontInfo(label->font()).pixelSize() >= QFontInfo(c.Label5->font()).pixelSize(), qPrintable(name));
            const QRect r(label->mapTo(w.get(), QPoint(0, 0)), label->size());
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));

            // Near its segment's middle.
            const FigureMap::Segment *segment = map.segment(place);
            QVERIFY2(segment, qPrintable(name));
            const QPointF middle = picture.topLeft() + (segment->line.center() - box.topLeft()) * scale;
            const qreal dx = std::max({r.left() - middle.x(), 0.0, middle.x() - r.right()});
            const qreal dy = std::max({r.top() - middle.y(), 0.0, middle.y() - r.bottom()});
            QVERIFY2(std::hypot(dx, dy) <= 3 * r.height(), qPrintable(name));

            // On no other text.
            for (QLabel *other : w->findChildren<QLabel *>()) {
                if (other == label || !other->isVisible() || other->text().isEmpty())
                    continue;
                const QRect o(other->mapTo(w.get(), QPoint(0, 0)), other->size());
                QVERIFY2(!o.intersects(r), qPrintable(name + u" / "_s + other->objectName()));
            }
            // On no line or letter: nothing dark under it in the drawing.
            const QRect under = QRect(r.topLeft() - c.Image4->mapTo(w.get(), QPoint(0, 0)), r.size())
                                    .intersected(drawing.rect());
            for (int y = under.top(); y <= under.bottom(); ++y) {
                for (int x = under.left(); x <= under.right(); ++x) {
                    const QColor p = drawing.pixelColor(x, y);
                    QVERIFY2(qGray(p.rgb()) >= 110 || p.alpha() < 64,
                             qPrintable(name + u" on the drawing at %1,%2"_s.arg(x).arg(y)));
                }
            }
        }
    }
}

// Each push button of a window focused in turn: the focused one framed
// inside its edges, 3 pixels wide at least, in a colour at 3:1 or more
// against its face and what lies around it; the others not.
void WindowDesignTest::checkFocusFrames(const QList<QPushButton *> &buttons)
{
    for (QPushButton *focused : buttons) {
        focused->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QVERIFY2(focused->hasFocus(), qPrintable(focused->objectName() + focused->text()));
        for (QPushButton *b : buttons) {
            const QImage shot = b->grab().toImage();
            const int midX = shot.width() / 2;
            const int midY = shot.height() / 2;
            // The ring three pixels deep, at the middle of each side.
            QList<QColor> ring;
            for (int d = 0; d < 3; ++d) {
                ring << shot.pixelColor(d, midY) << shot.pixelColor(shot.width() - 1 - d, midY)
                     << shot.pixelColor(midX, d) << shot.pixelColor(midX, shot.height() - 1 - d);
            }
            const bool solid = std::all_of(ring.begin(), ring.end(), [&](const QColor &p) { return p == ring.first(); });
            const QString name = b->objectName() + b->text() + (b == focused ? u" focused"_s : u" unfocused"_s);
            QWidget *parent = b->parentWidget();
            const QColor around = parent->palette().color(parent->backgroundRole());
            if (b != focused) {
                QVERIFY2(!solid || contrast(ring.first(), around) < 3, qPrintable(name));
                continue;
            }
            QVERIFY2(solid, qPrintable(name));
            // Three pixels or more on every side, and the face just within.
            const auto depth = [&](QPoint edge, QPoint inward) {
                int d = 0;
                while (d < midX && d < midY && shot.pixelColor(edge + inward * d) == ring.first())
                    ++d;
                return d;
            };
            const int width = depth(QPoint(midX, 0), QPoint(0, 1));
            for (const int side : {width, depth(QPoint(midX, shot.height() - 1), QPoint(0, -1)),
                                   depth(QPoint(0, midY), QPoint(1, 0)), depth(QPoint(shot.width() - 1, midY), QPoint(-1, 0))})
                QVERIFY2(side >= 3, qPrintable(name + u": %1 pixels"_s.arg(side)));
            const QColor face = shot.pixelColor(midX, width + 2);
            QVERIFY2(contrast(ring.first(), face) >= 3, qPrintable(name + u" on its face"_s));
            QVERIFY2(contrast(ring.first(), around) >= 3, qPrintable(name + u" on the window"_s));
        }
    }
}

void WindowDesignTest::focusFrames_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("choice window") << u"choice"_s;
    QTest::newRow("Nuovo calcolo of the cylinder") << u"Cilindro"_s;
    QTest::newRow("worksheet dialog") << u"worksheets"_s;
}

void WindowDesignTest::focusFrames()
{
    QFETCH(QString, where);
    if (where == u"choice") {
        ChoiceWindow choice;
        choice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&choice));
        QList<QPushButton *> buttons;
        for (QPushButton *b : choice.findChildren<QPushButton *>())
            if (b->isVisible())
                buttons << b;
        QVERIFY(buttons.size() >= 10);
        checkFocusFrames(buttons);
    } else if (where == u"worksheets") {
        WorksheetDialog dialog({u"Cubi"_s, u"Cilindro"_s}, 77);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QList<QPushButton *> buttons;
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        QVERIFY(buttons.size() >= 2);
        checkFocusFrames(buttons);
    } else {
        // A wrong answer enables the button and gives it the focus.
        auto w = open(where, QSize());
        QTest::keyClicks(w->controls().txtAnswer, u"1"_s);
        QTest::keyClick(w->controls().txtAnswer, Qt::Key_Return);
        QVERIFY(w->controls().cmdNext->isEnabled());
        checkFocusFrames({w->controls().cmdNext});
    }
}

QTEST_MAIN(WindowDesignTest)
#include "tst_windowdesign.moc"
