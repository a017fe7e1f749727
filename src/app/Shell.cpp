#include "Shell.h"

#include "exercise/ExerciseWindow.h"
#include "ui/ExerciseProfiles.h"

Shell::Shell(RandomSource::Clock clock, QObject *parent)
    : QObject(parent)
    , m_random(std::move(clock))
{
}

Shell::~Shell() = default;

void Shell::start()
{
    m_cubi = std::make_unique<ExerciseWindow>(ExerciseProfiles::cube(), m_random);
    m_cubi->load();
}
