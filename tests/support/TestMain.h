#pragma once

#include <QObject>
#include <QtTest>

#include <functional>
#include <vector>

// Several QtTest classes make one test executable per folder: each class registers itself with
// KERBO_TEST(Class) and the shared main runs them all.
namespace TestRegistry {
using Factory = std::function<QObject *()>;
std::vector<std::pair<const char *, Factory>> &all();
struct Registrar {
    Registrar(const char *name, Factory f) { all().emplace_back(name, std::move(f)); }
};
} // namespace TestRegistry

#define KERBO_TEST(Class)                                                                          \
    static TestRegistry::Registrar kerboRegistrar##Class(#Class, [] { return new Class; });
