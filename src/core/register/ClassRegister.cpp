// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassRegister.h"

#include "RegisterStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#if QT_CONFIG(thread)
#include <QSemaphore>
#endif
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

// Touched only on the register's thread.
struct ClassRegister::Worker
{
    ClassRegister::Places places;
    QString folder;
    std::unique_ptr<RegisterStore> store;

    RegisterStore &storeFor(const QString &wanted)
    {
        if (!store || folder != wanted) {
            folder = wanted;
            store = std::make_unique<RegisterStore>(RegisterStore::Places{wanted, places.local, places.computer});
        }
        return *store;
    }
};

namespace {

ClassRegister::Places thisComputer()
{
    QString computer = QSysInfo::machineHostName();
    if (computer.isEmpty())
        computer = QStringLiteral("computer");
    return {QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation), computer};
}

} // namespace

// This computer's places are looked up when the register is first used,
// not while the program starts.
ClassRegister::ClassRegister(QObject *parent)
    : ClassRegister(Places{}, parent)
{
}

ClassRegister::ClassRegister(Places places, QObject *parent)
    : QObject(parent)
    , m_places(std::move(places))
    , m_worker(std::make_shared<Worker>())
{
    m_worker->places = m_places;
}

ClassRegister::~ClassRegister()
{
#if !QT_CONFIG(thread)
    delete m_context;
#else
    if (!m_thread)
        return;
    m_thread->quit();
    // A task blocked on a share that never answers cannot be stopped: the
    // thread is left to the end of the process rather than hang the exit.
    if (m_thread->wait(3000)) {
        delete m_context;
        delete m_thread;
    }
#endif
}

void ClassRegister::setFolder(const QString &folder)
{
    m_folder = folder;
    m_reachable = true;
}

void ClassRegister::setPupil(const QString &schoolClass, const QString &pupil)
{
    m_class = schoolClass;
    m_pupil = pupil;
}

void ClassRegister::post(std::function<void(Worker &)> task)
{
    if (!m_context) {
        if (m_places.local.isEmpty())
            m_places = thisComputer();
        m_worker->places = m_places;
        m_context = new QObject;
#if QT_CONFIG(thread)
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("registro"));
        m_context->moveToThread(m_thread);
        m_thread->start();
#endif
        // Where there are no threads (a web page) the tasks wait their turn
        // in the one event loop.
    }
    QMetaObject::invokeMethod(m_context, [worker = m_worker, task = std::move(task)] { task(*worker); },
                              Qt::QueuedConnection);
}

template<typename Result>
void ClassRegister::run(QObject *asker, std::function<Result(Worker &)> task, std::function<void(Result)> done)
{
    QPointer<QObject> back(asker);
    post([back, task = std::move(task), done = std::move(done)](Worker &worker) {
        Result result = task(worker);
        // Dropped with the asker, if it has gone meanwhile.
        if (back)
            QMetaObject::invokeMethod(back.data(), [done, result = std::move(result)] { done(result); },
                                      Qt::QueuedConnection);
    });
}

void ClassRegister::record(const Answer &answer)
{
    if (!isRecording())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    RegisterRow row{now.date(), now.time(), m_class, m_pupil, answer.window, answer.kind, answer.question,
                    answer.answer, answer.right, answer.seconds, 0};
    run<bool>(
        this,
        [folder = m_folder, row](Worker &w) { return w.storeFor(folder).record(row) == RegisterStore::Outcome::Written; },
        [this](bool reached) {
            if (reached != m_reachable) {
                m_reachable = reached;
                emit reachabilityChanged(reached);
            }
        });
}

void ClassRegister::moveSpool()
{
    if (m_folder.isEmpty())
        return;
    post([folder = m_folder](Worker &w) { w.storeFor(folder).moveSpool(); });
}

void ClassRegister::readClasses(QObject *asker, std::function<void(QStringList)> done)
{
    run<QStringList>(asker, [folder = m_folder](Worker &w) { return w.storeFor(folder).classes(); }, std::move(done));
}

void ClassRegister::readSummary(QObject *asker, std::function<void(ClassSummary)> done)
{
    run<ClassSummary>(asker, [folder = m_folder](Worker &) { return ClassSummary::read(folder); }, std::move(done));
}

void ClassRegister::readCode(const QString &folder, QObject *asker, std::function<void(CodeState)> done)
{
    run<CodeState>(
        asker,
        [folder](Worker &) {
            CodeState state;
            state.folderFound = !folder.isEmpty() && QDir(folder).exists();
            QFile file(QDir(folder).filePath(TeacherCode::fileName()));
            state.present = state.folderFound && file.exists();
            if (state.present && file.open(QIODevice::ReadOnly))
                state.code = TeacherCode::fromText(file.read(4096));
            return state;
        },
        std::move(done));
}

void ClassRegister::writeCode(const QString &folder, const TeacherCode &code, QObject *asker,
                              std::function<void(bool)> done)
{
    run<bool>(
        asker,
        [folder, code](Worker &) {
            if (!QDir(folder).exists())
                return false;
            QSaveFile file(QDir(folder).filePath(TeacherCode::fileName()));
            // Some shares refuse the rename a safe save ends with.
            file.setDirectWriteFallback(true);
            return file.open(QIODevice::WriteOnly) && file.write(code.toText()) > 0 && file.commit();
        },
        std::move(done));
}

void ClassRegister::erase(const QStringList &files, QObject *asker, std::function<void(QStringList)> done)
{
    run<QStringList>(
        asker,
        [folder = m_folder, files](Worker &) {
            QStringList left;
            for (const QString &name : files) {
                // Only a file of the folder itself, whatever the name says.
                const QString path = QDir(folder).filePath(name);
                if (name.contains(u'/') || name.contains(u'\\') || name == QStringLiteral("..")
                    || (QFile::exists(path) && !QFile::remove(path)))
                    left << name;
            }
            return left;
        },
        std::move(done));
}

bool ClassRegister::waitForIdle(int milliseconds)
{
#if QT_CONFIG(thread)
    if (!m_thread)
        return true;
    auto done = std::make_shared<QSemaphore>();
    post([done](Worker &) { done->release(); });
    return done->tryAcquire(1, milliseconds);
#else
    Q_UNUSED(milliseconds);
    return true;
#endif
}
