#pragma once

#include "exercise/RandomSource.h"

#include <QObject>
#include <memory>

class ExerciseWindow;

// Owns the program's windows and hands over from one to the next.
class Shell : public QObject
{
    Q_OBJECT
public:
    explicit Shell(RandomSource::Clock clock = RandomSource::systemClock(), QObject *parent = nullptr);
    ~Shell() override;

    void start();
    ExerciseWindow *cubi() const { return m_cubi.get(); }

private:
    RandomSource m_random;
    std::unique_ptr<ExerciseWindow> m_cubi;
};
