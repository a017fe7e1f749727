// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ClassSummary.h"
#include "TeacherCode.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QThread;

// The class register as the windows see it: the folder, the pupil being
// recorded, and every reading and writing of the shared folder done on a
// thread of its own, one task after the other, since a network path that
// cannot be reached blocks for tens of seconds (a hard mount for ever) and
// the windows must never wait on it. Answers come back on the window's
// thread, to the object that asked, and are dropped if it has gone.
class ClassRegister : public QObject
{
    Q_OBJECT
public:
    struct Places
    {
        QString local;    // this program's own folder here, for the spool
        QString computer; // this computer's name
    };
    // The answer as the window knows it; the register adds date, time,
    // pupil and number.
    struct Answer
    {
        QString window;
        QString kind;
        QString question;
        QString answer;
        bool right = false;
        int seconds = 0;
    };

    explicit ClassRegister(QObject *parent = nullptr); // this computer's places, once used
    ClassRegister(Places places, QObject *parent);
    ~ClassRegister() override;

    // No folder: nothing is ever written or read.
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);

    // The pupil at this computer; no pupil (a guest): nothing is recorded.
    void setPupil(const QString &schoolClass, const QString &pupil);
    bool isRecording() const { return !m_folder.isEmpty() && !m_pupil.isEmpty(); }
    QString schoolClass() const { return m_class; }
    QString pupil() const { return m_pupil; }
    // Whether the last answer reached the folder.
    bool isReachable() const { return m_reachable; }

    void record(const Answer &answer);
    // Moves what the spool holds into the folder, if it can now.
    void moveSpool();

    // What is read from the folder, handed to `done` on the asker's thread.
    void readClasses(QObject *asker, std::function<void(QStringList)> done);
    void readSummary(QObject *asker, std::function<void(ClassSummary)> done);
    // The folder's code: none yet, or unreadable (a file that is not one).
    struct CodeState
    {
        bool folderFound = false;
        bool present = false;
        std::optional<TeacherCode> code;
    };
    // Of any folder: the teacher checks a folder before choosing it.
    void readCode(const QString &folder, QObject *asker, std::function<void(CodeState)> done);
    void writeCode(const QString &folder, const TeacherCode &code, QObject *asker, std::function<void(bool)> done);
    // Removes these files of the folder; hands back those that remain.
    void erase(const QStringList &files, QObject *asker, std::function<void(QStringList)> done);

    // Waits until every task asked so far has been done: for tests and for
    // the end of the program.
    bool waitForIdle(int milliseconds);

signals:
    void reachabilityChanged(bool reachable);

private:
    struct Worker;
    // Runs a task on the register's thread, then its result on the asker's.
    template<typename Result>
    void run(QObject *asker, std::function<Result(Worker &)> task, std::function<void(Result)> done);
    void post(std::function<void(Worker &)> task);

    Places m_places;
    QString m_folder;
    QString m_class;
    QString m_pupil;
    bool m_reachable = true;
    QThread *m_thread = nullptr; // started by the first task
    QObject *m_context = nullptr; // lives on that thread
    std::shared_ptr<Worker> m_worker;
};
