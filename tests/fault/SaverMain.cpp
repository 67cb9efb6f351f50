// Saves every writer's file over and over, alternating two contents, until it is killed.
// Usage: kerbo_fault_saver <folder> [first version] [rounds]; each writer works in a program
// folder of its own inside <folder>.
#include "SaveCase.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    std::vector<SaveCase> &cases = saveCases();
    std::vector<AppState> states(cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        setUpInKillFolder(states[i], root, i);
    std::puts("ready");
    std::fflush(stdout);
    // The version to start with, so that successive savers do not all begin alike; a number of
    // rounds, when given, ends the loop (to time a round).
    const int first = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const int rounds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : -1;
    for (int round = 0; round != rounds; ++round)
        for (size_t i = 0; i < cases.size(); ++i)
            cases[i].save(states[i], (first + round) % 2);
}
