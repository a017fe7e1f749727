// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a PNG of each window, without a display: the splash, the choice
// window, and each exercise window showing one exercise, at its design size
// and at full HD, after a wrong answer, with its results shown and with its
// formula sheet open; last, a problem whose data are given by a relation.
//   tramolo-screenshots DIRECTORY

#include "shell/Application.h"
#include "shell/ChoiceWindow.h"
#include "shell/SplashWindow.h"
#include "window/ExerciseWindow.h"
#include "common/RandomSource.h"
#include "definitions/ExerciseProfiles.h"
#include "window/ExerciseControls.h"
#include "register/ClassRegister.h"
#include "register/PupilName.h"
#include "register/RegisterFile.h"
#include "registerwindows/RegisterWindow.h"
#include "registerwindows/TeacherCodeDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include "design/AnswerBox.h"
#include <QTest>
#include <cstdio>

namespace {

bool save(QWidget &window, const QDir &dir, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "tramolo-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A class of six after three weeks, in a folder of its own.
bool saveRegister(const QDir &dir)
{
    QTemporaryDir folder;
    const QString code = QStringLiteral("prof3B");
    QFile codeFile(folder.filePath(TeacherCode::fileName()));
    if (!codeFile.open(QIODevice::WriteOnly) || codeFile.write(TeacherCode::make(code).toText()) <= 0)
        return false;
    codeFile.close();
    const QStringList pupils{QStringLiteral("Maria Rossi"), QStringLiteral("Luca Bianchi"),
                             QStringLiteral("Giulia Esposito"), QStringLiteral("Matteo Russo"),
                             QStringLiteral("Sofia Romano"), QStringLiteral("Niccolò Gallo")};
    const QList<std::pair<QString, QString>> kinds{
        {QStringLiteral("Cubo"), QStringLiteral("Volume")}, {QStringLiteral("Piramide"), QStringLiteral("Apotema")},
        {QStringLiteral("Cono"), QStringLiteral("Superficie laterale")},
        {QStringLiteral("Problemi"), QStringLiteral("Piramide retta a base rombica")},
        {QStringLiteral("Cilindro"), QStringLiteral("Volume")}};
    for (int p = 0; p < pupils.size(); ++p) {
        QList<RegisterRow> rows;
        const int count = 40 + 17 * int(p);
        for (int i = 0; i < count; ++i) {
            const auto &[window, kind] = kinds[(i * (p + 1)) % kinds.size()];
            const QDateTime when = QDateTime(QDate(2026, 11, 10).addDays(7 * (3 * i / count)), QTime(9, 0)).addSecs(i * 40);
            rows << RegisterRow{when.date(), when.time(), QStringLiteral("3B"), pupils[p], window, kind, kind,
                                QStringLiteral("12"), (i + p) % (p + 3) != 0, 30, i + 1};
        }
        if (!RegisterFile::append(folder.filePath(PupilName::fileName(QStringLiteral("3B"), pupils[p],
                                                                      QStringLiteral("LAB-PC%1").arg(p + 1))),
                                  rows))
            return false;
    }
    QStandardPaths::setTestModeEnabled(true);
    ClassRegister classRegister({folder.filePath(QStringLiteral("locale")), QStringLiteral("pc")}, nullptr);
    classRegister.setFolder(folder.path());
    QSettings settings;
    RegisterWindow window(classRegister, settings, nullptr);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<TeacherCodeDialog *>(QApplication::activeModalWidget())) {
            look.stop();
            d->codeField()->setText(code);
            d->okButton()->click();
        }
    });
    look.start(1);
    window.open();
    if (!QTest::qWaitFor([&window] { return window.isShowingRegister(); }, 20000))
        return false;
    window.classes()->setCurrentText(QStringLiteral("3B"));
    return save(window, dir, QStringLiteral("Registro"));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tramolo-screenshots DIRECTORY\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tramolo-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    SplashWindow splash;
    splash.show();
    ok &= save(splash, dir, QStringLiteral("frmSplash"));
    ChoiceWindow choice;
    choice.show();
    ok &= save(choice, dir, QStringLiteral("scelte"));
    // And with the keyboard's focus on the cylinder, as Tab leaves it.
    if (auto *cylinder = choice.findChild<QWidget *>(QStringLiteral("cmdCylinder"))) {
        cylinder->setFocus(Qt::TabFocusReason);
        ok &= save(choice, dir, QStringLiteral("scelte-fuoco"));
    }

    // A fixed clock, so the same exercises come out each time.
    RandomSource random([] { return qint64(20261208); });
    for (const ProfileSource source : ExerciseProfiles::all()) {
        const WindowProfile profile = source();
        ExerciseWindow window(profile, random);
        window.load();
        window.setWindowState(Qt::WindowNoState);
        window.resize(window.designSize());
        ok &= save(window, dir, profile.windowName);

        window.resize(1920, 1080);
        ok &= save(window, dir, profile.windowName + QStringLiteral("-fullhd"));

        // The same window after a wrong answer.
        QTest::keyClicks(window.controls().txtAnswer, QStringLiteral("1"));
        QTest::keyClick(window.controls().txtAnswer, Qt::Key_Return);
        ok &= save(window, dir, profile.windowName + QStringLiteral("-wrong"));

        // And its results by kind, over the figure.
        window.results_Click();
        ok &= save(window, dir, profile.windowName + QStringLiteral("-results"));

        // And the formula sheet in its place, at the design size.
        window.resize(window.designSize());
        window.formulas_Click();
        ok &= save(window, dir, profile.windowName + QStringLiteral("-formulario"));
    }

    // A pyramid on a rhombus whose diagonals are given by their sum and
    // ratio, after a wrong answer to its first question: the problems are
    // gone through, every answer "1", until the first such pyramid, from
    // one clock after another until that pyramid is given so.
    bool found = false;
    for (qint64 start = 20261208; !found && start < 20261208 + 200; ++start) {
        qint64 tick = start;
        RandomSource ticking([&tick] { return tick++; });
        ExerciseWindow problems(ExerciseProfiles::problems(), ticking);
        problems.load();
        problems.setWindowState(Qt::WindowNoState);
        problems.resize(problems.designSize());
        const ExerciseControls &c = problems.controls();
        const QString pyramid = QStringLiteral("Piramide retta a base rombica");
        for (int step = 0; step < 2000 && c.lblKind->text() != pyramid; ++step) {
            QTest::keyClicks(c.txtAnswer, QStringLiteral("1"));
            QTest::keyClick(c.txtAnswer, Qt::Key_Return);
            QTest::keyClick(c.cmdNext, Qt::Key_Return);
        }
        found = c.lblKind->text() == pyramid && c.lblData[0]->text().contains(u'+') && c.lblData[1]->text().contains(u'/');
        if (found) {
            QTest::keyClicks(c.txtAnswer, QStringLiteral("1"));
            QTest::keyClick(c.txtAnswer, Qt::Key_Return);
            ok &= save(problems, dir, QStringLiteral("Problemi-relazione"));
        }
    }
    if (!found) {
        std::fprintf(stderr, "tramolo-screenshots: no pyramid on a rhombus given by a sum and a ratio came\n");
        ok = false;
    }
    ok &= saveRegister(dir);
    return ok ? 0 : 1;
}
