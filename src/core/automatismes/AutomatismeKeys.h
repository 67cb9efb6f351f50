#pragma once

#include <array>

// The keys of an automatisme section, in the order they are written, with the slot of the train
// line each one fills and the box of the automatisme window that shows it. The engine slots are
// kept as three keys: letter, number and depot code.
namespace AutomatismeKeys
{

constexpr const char *CounterSection = "NombreTrain";
constexpr const char *CounterKey = "NombreTrain";
constexpr const char *NumeroTrain = "NumeroTrain";
constexpr const char *SectionPrefix = "Train";
constexpr const char *ClosingPrefix = "Fin";
constexpr const char *FileName = "Automatisme.ini";
constexpr const char *TemporaryFileName = "Automatisme2.ini";

enum class Part { Whole, Letter, Number, Code };

struct Field {
    const char *key; // UTF-8 here, written in Windows-1252 (the "é" is one byte in the file)
    const char *box; // the window's box
    int offset;      // rank in the train line
    Part part;
};

// Every key after NumeroTrain; the window's boxes come in the same order.
constexpr int FieldCount = 37;
constexpr std::array<Field, FieldCount> Fields = {{
    {"De", "txtDe", 2, Part::Whole},
    {"A", "txtA", 3, Part::Whole},
    {"Via", "txtVia", 4, Part::Whole},
    {"EvoDép", "txtEvodep", 5, Part::Whole},
    {"MvDép", "txtMvDep", 6, Part::Whole},
    {"HeureDép", "txtHeureDep", 7, Part::Whole},
    {"HeureArr", "txtHeureArr", 8, Part::Whole},
    {"MvArr", "txtMvArr", 9, Part::Whole},
    {"EvoArr", "txtEvoArr", 10, Part::Whole},
    {"Gare", "txtGare", 11, Part::Whole},
    {"HeureArr2", "txtHeureArr2", 12, Part::Whole},
    {"Mv", "txtMv", 13, Part::Whole},
    {"HeureDép2", "txtHeureDep2", 14, Part::Whole},
    {"Gateg", "txtCateg", 15, Part::Whole},
    {"IndCompo", "txtIndCompo", 16, Part::Whole},
    {"AgSeul", "txtAgSeul", 17, Part::Whole},
    {"Nbvéh", "txtNbveh", 18, Part::Whole},
    {"Long", "txtLong", 19, Part::Whole},
    {"Masse", "txtMasse", 20, Part::Whole},
    {"Coef", "txtCoef", 21, Part::Whole},
    {"Nat1", "txtNat1", 24, Part::Whole},
    {"Let1", "txtLet1", 25, Part::Letter},
    {"EnginTitu", "txtEnginTitu", 25, Part::Number},
    {"EmtTitu", "txtEmtTitu", 25, Part::Code},
    {"Nat2", "txtNat2", 26, Part::Whole},
    {"Let2", "txtLet2", 27, Part::Letter},
    {"EnginUm1", "txtEnginUm1", 27, Part::Number},
    {"EmtUm1", "txtEmtUm1", 27, Part::Code},
    {"De2Um1", "txtDe2Um1", 28, Part::Whole},
    {"A2Um1", "txtA2Um1", 29, Part::Whole},
    {"Nat3", "txtNat3", 30, Part::Whole},
    {"Let3", "txtLet3", 31, Part::Letter},
    {"EnginUm2", "txtEnginUm2", 31, Part::Number},
    {"EmtUm2", "txtEmtUm2", 31, Part::Code},
    {"De2Um2", "txtDe2Um2", 32, Part::Whole},
    {"A2Um2", "txtA2Um2", 33, Part::Whole},
    {"Km", "txtKm", 35, Part::Whole},
}};

} // namespace AutomatismeKeys
