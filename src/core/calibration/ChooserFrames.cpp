#include "core/calibration/ChooserFrames.h"

#include <array>

namespace ChooserFrames {

namespace {

constexpr const char16_t *A = u"Cadre A", *B1 = u"Cadre B1", *B2 = u"Cadre B2", *B3 = u"Cadre B3",
                         *C = u"Cadre C", *D = u"Cadre D", *E = u"Cadre E", *H = u"Cadre H",
                         *I = u"Cadre I", *J = u"Cadre J", *L = u"Cadre L";

constexpr std::array<Button, 70> kRecto = {{
    {1, u"Nom", A, 0},
    {2, u"Prénom", A, 0},
    {3, u"Etablissement", A, 0},
    {4, u"Résidence", A, 0},
    {5, u"Immatriculation", A, 0},
    {6, u"Date", A, 0},
    {7, u"Roulement", A, 0},
    {8, u"Journée", A, 0},
    {9, u"Lieu PS", B1, 0},
    {10, u"Heure PS", B1, 0},
    {11, u"Lieu FS", B1, 0},
    {12, u"Heure FS", B1, 0},
    {13, u"Non conforme", B2, 0},
    {14, u"Tâche", B2, 0},
    {15, u"Heure déb 1", B2, 0},
    {16, u"Heure fin 1", B2, 0},
    {17, u"Tâche/Man.", B2, 0},
    {18, u"Heure déb 2", B2, 1},
    {19, u"Heure fin 2", B2, 1},
    {58, u"Lieu Mv", B2, 1},
    {59, u"Engin Ma", B2, 1},
    {60, u"Emt Ma", B2, 1},
    {23, u"Panier", B3, 0},
    {24, u"Ticket métro", B3, 0},
    {25, u"Unités télé", B3, 0},
    {20, u"CRLEL", B3, 1},
    {21, u"CRMP", B3, 1},
    {22, u"30SC", B3, 1},
    {26, u"2 BS", B3, 1},
    {27, u"Fac", C, 0},
    {28, u"N° train", C, 0},
    {29, u"De", C, 0},
    {30, u"A", C, 0},
    {31, u"Via", C, 0},
    {32, u"Evo dép", C, 0},
    {33, u"Mv dép", C, 0},
    {34, u"Heure dép", C, 0},
    {35, u"Heure arr", C, 0},
    {36, u"Mv arr", C, 1},
    {37, u"Evo arr", C, 1},
    {44, u"Nat", C, 1},
    {56, u"Let", C, 1},
    {46, u"Engin moteur", C, 1},
    {48, u"Emt", C, 1},
    {52, u"Observation", C, 1},
    {45, u"Nat UM1", C, 2},
    {57, u"Let UM1", C, 2},
    {47, u"Engin UM1", C, 2},
    {49, u"Emt UM1", C, 2},
    {50, u"De UM1", C, 2},
    {51, u"A UM1", C, 2},
    {42, u"Agent en 2nd", C, 2},
    {61, u"Gare", C, 3},
    {62, u"Heure arr (2)", C, 3},
    {63, u"Mv", C, 3},
    {64, u"Heure dép (2)", C, 3},
    {38, u"Catég", C, 3},
    {39, u"Ind compo", C, 3},
    {40, u"Ag seul", C, 3},
    {41, u"Nb véh", C, 3},
    {65, u"Longueur", C, 3},
    {66, u"Masse", C, 4},
    {67, u"Coef", C, 4},
    {68, u"Nat UM2", C, 4},
    {69, u"Let UM2", C, 4},
    {70, u"Engin UM2", C, 4},
    {71, u"Emt UM2", C, 4},
    {72, u"De UM2", C, 4},
    {73, u"A UM2", C, 4},
    {43, u"Autre agent", C, 4},
}};

constexpr std::array<Button, 23> kVerso = {{
    {74, u"Texte (2) et (3)", D, 0},
    {75, u"N° du train", D, 0},
    {76, u"N° de l'engin", D, 0},
    {77, u"Gares", D, 0},
    {78, u"PK ou N° signal", D, 1},
    {79, u"Voie", D, 1},
    {80, u"Avis donné à", D, 1},
    {81, u"N° du train", E, 0},
    {82, u"Obs bulletin", E, 0},
    {83, u"N° du train", H, 0},
    {84, u"Obs du mécanicien", H, 0},
    {91, u"UP.Résidence", H, 0},
    {85, u"N° du train", I, 0},
    {86, u"Nom", I, 0},
    {87, u"Fonction", I, 0},
    {88, u"Parcours", I, 0},
    {89, u"Conditions atmosphériques", J, 0},
    {97, u"N° circulation", L, 0},
    {98, u"PK ou Gare", L, 0},
    {99, u"Annonce", L, 0},
    {100, u"Sortie", L, 1},
    {101, u"Temps perdu", L, 1},
    {102, u"Motif du retard", L, 1},
}};

} // namespace

std::span<const Button> buttons(PrintSide side)
{
    if (side == PrintSide::Recto) return kRecto;
    return kVerso;
}

} // namespace ChooserFrames
