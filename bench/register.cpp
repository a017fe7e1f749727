// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The register window on a school year: 30 pupils of two classes with
// 20 000 answers each, as files of two computers each, in a temporary
// folder. Measures from the teacher's code given to the table shown, and
// the process's peak memory; the limits are a second and 100 MB.
//   tramolo-bench-register [RUNS]

#include "register/ClassRegister.h"
#include "register/PupilName.h"
#include "register/RegisterFile.h"
#include "registerwindows/RegisterWindow.h"
#include "registerwindows/TeacherCodeDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Pupils = 30;
constexpr int Answers = 20000;
const QString Code = QStringLiteral("prof3B");

void makeYear(const QString &folder)
{
    const QStringList kinds{QStringLiteral("Volume"), QStringLiteral("Superficie laterale"),
                            QStringLiteral("Superficie totale"), QStringLiteral("Diagonale"),
                            QStringLiteral("Apotema"), QStringLiteral("Altezza")};
    const QStringList windows{QStringLiteral("Cubo"), QStringLiteral("Piramide"), QStringLiteral("Cono"),
                              QStringLiteral("Problemi")};
    for (int p = 0; p < Pupils; ++p) {
        const QString schoolClass = p < Pupils / 2 ? QStringLiteral("3A") : QStringLiteral("3B");
        const QString pupil = QStringLiteral("Alunno %1 Cognome").arg(p + 1);
        for (int computer = 0; computer < 2; ++computer) {
            QList<RegisterRow> rows;
            for (int i = computer; i < Answers; i += 2) {
                const QDateTime when = QDateTime(QDate(2025, 9, 15), QTime(8, 0)).addSecs(qint64(i) * 1200);
                rows << RegisterRow{when.date(), when.time(), schoolClass, pupil, windows[i % windows.size()],
                                    kinds[(i / 4) % kinds.size()], kinds[(i / 4) % kinds.size()],
                                    QString::number(i % 997) + QStringLiteral(",5"), i % 3 != 0, i % 90, i / 2 + 1};
            }
            RegisterFile::append(QDir(folder).filePath(PupilName::fileName(schoolClass, pupil,
                                                                           QStringLiteral("pc%1").arg(computer))),
                                 rows);
        }
    }
    QFile code(QDir(folder).filePath(TeacherCode::fileName()));
    code.open(QIODevice::WriteOnly);
    code.write(TeacherCode::make(Code).toText());
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir dir;
    makeYear(dir.path());
    const long before = peakKiB();
    qint64 size = 0;
    for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files))
        size += file.size();

    std::vector<qint64> ms;
    int pupils = 0;
    for (int run = 0; run < runs; ++run) {
        ClassRegister classRegister({dir.filePath(QStringLiteral("locale")), QStringLiteral("pc")}, nullptr);
        classRegister.setFolder(dir.path());
        QSettings settings;
        RegisterWindow window(classRegister, settings, nullptr);
        QElapsedTimer clock;
        // The teacher's code, as typed into its dialog; the clock starts
        // when it is accepted.
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<TeacherCodeDialog *>(QApplication::activeModalWidget())) {
                d->codeField()->setText(Code);
                look.stop();
                d->okButton()->click();
                clock.start();
            }
        });
        look.start(1);
        QObject::connect(&window, &RegisterWindow::registerShown, &app, [&] {
            ms.push_back(clock.elapsed());
            pupils = int(window.summary().pupils.size());
            app.quit();
        });
        window.open();
        app.exec();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("register window, %d pupils x %d answers (%.1f MB of files): median %lld ms to the table, "
                "peak memory %.1f MB (%.1f MB before opening; limits 1000 ms, 100 MB)\n",
                pupils, Answers, size / 1048576.0, static_cast<long long>(ms[ms.size() / 2]), peakKiB() / 1024.0,
                before / 1024.0);
    return pupils == Pupils ? 0 : 1;
}
