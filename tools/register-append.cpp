// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One lab PC answering, through the register's own code: appends COUNT
// answers of a pupil to the register folder, spooling them while it cannot
// be written, as the program does. The reliability tests start 25 at once.
//   tramolo-register-append FOLDER LOCAL COMPUTER CLASS PUPIL COUNT
#include "register/RegisterStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        QTextStream(stderr) << "uso: tramolo-register-append CARTELLA LOCALE COMPUTER CLASSE ALUNNO NUMERO\n";
        return 2;
    }
    RegisterStore store({args[1], args[2], args[3]});
    const int count = args[6].toInt();
    int spooled = 0;
    for (int i = 1; i <= count; ++i) {
        const QDateTime now = QDateTime::currentDateTime();
        RegisterRow row{now.date(), now.time(), args[4], args[5], QStringLiteral("Cubo"),
                        QStringLiteral("Volume"), QStringLiteral("Volume; risposta %1").arg(i),
                        QString::number(i), i % 3 != 0, i % 60, 0};
        switch (store.record(row)) {
        case RegisterStore::Outcome::Written: break;
        case RegisterStore::Outcome::Spooled: ++spooled; break;
        case RegisterStore::Outcome::Lost: return 1;
        }
    }
    // What the share refused at the end waits for it here.
    for (int tries = 0; !store.moveSpool(); ++tries) {
        if (tries == 3000)
            return 1;
        QThread::msleep(20);
    }
    QTextStream(stdout) << spooled << " spooled\n";
    return 0;
}
