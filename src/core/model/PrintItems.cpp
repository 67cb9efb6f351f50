#include "core/model/PrintItems.h"

#include "core/base/NumberText.h"

#include <array>

namespace PrintItems {
namespace {

constexpr std::array<Item, Count> kItems = {{
    {0, u"REGLAGE GENERALE DE L'ENSEMBLE DES CADRES", u"", "0", "0"},
    {1, u"REGLAGE PRECIS DU CADRE NOM", u"", "60", "6.5"},
    {2, u"REGLAGE PRECIS DU CADRE PRENOM", u"", "60", "12.5"},
    {3, u"REGLAGE PRECIS DU CADRE ETABLISSEMENT", u"", "107.9", "9.7"},
    {4, u"REGLAGE PRECIS DU CADRE RESIDENCE", u"", "127", "9.7"},
    {5, u"REGLAGE PRECIS DU CADRE IMMATRICULATION", u"", "142.9", "9.7"},
    {6, u"REGLAGE PRECIS DU CADRE DATE PS", u"", "186.1", "9.7"},
    {7, u"REGLAGE PRECIS DU CADRE ROULEMENT", u"", "219.6", "9.7"},
    {8, u"REGLAGE PRECIS DU CADRE JOURNEE", u"", "238.5", "9.7"},
    {9, u"REGLAGE PRECIS DU CADRE LIEU PS", u"", "15.2", "29.5"},
    {10, u"REGLAGE PRECIS DU CADRE HEURE PS", u"", "15.2", "35.5"},
    {11, u"REGLAGE PRECIS DU CADRE LIEU FS", u"", "15.2", "41.1"},
    {12, u"REGLAGE PRECIS DU CADRE HEURE FS", u"", "15.2", "46.9"},
    {13, u"REGLAGE PRECIS DU CADRE NON CONFORME", u"", "42", "33.8"},
    {14, u"REGLAGE PRECIS DU CADRE TACHE", u"", "45.9", "29.5"},
    {15, u"REGLAGE PRECIS DU CADRE HEURE DEB COLONNE 1", u"", "77.2", "29.5"},
    {16, u"REGLAGE PRECIS DU CADRE HEURE FIN COLONNE 1", u"", "95.2", "29.5"},
    {17, u"REGLAGE PRECIS DU CADRE TACHE/MANOEUVRE", u"", "115", "29.5"},
    {18, u"REGLAGE PRECIS DU CADRE HEURE DEB COLONNE 2", u"", "146.1", "29.5"},
    {19, u"REGLAGE PRECIS DU CADRE HEURE FIN COLONNE 2", u"", "164.1", "29.5"},
    {20, u"REGLAGE PRECIS DU CADRE INSTRUCTEUR CRLEL", u"", "291.4", "27.2"},
    {21, u"REGLAGE PRECIS DU CADRE INSTRUCTEUR CRMP", u"", "291.4", "32.9"},
    {22, u"REGLAGE PRECIS DU CADRE 30SC", u"", "291.4", "40.5"},
    {23, u"REGLAGE PRECIS DU CADRE PANIER NON UTILISE", u"", "261", "29"},
    {24, u"REGLAGE PRECIS DU CADRE TICKET DE METRO", u"", "260.4", "38.1"},
    {25, u"REGLAGE PRECIS DU CADRE UNITES TELE", u"", "251.6", "46.1"},
    {26, u"REGLAGE PRECIS DU CADRE 2 BS", u"", "291.4", "48.2"},
    {27, u"REGLAGE PRECIS DU CADRE FAC", u"", "4.8", "63"},
    {28, u"REGLAGE PRECIS DU CADRE NUMERO DE TRAIN", u"", "8.1", "63"},
    {29, u"REGLAGE PRECIS DU CADRE DE DU TRAIN", u"", "38.4", "63"},
    {30, u"REGLAGE PRECIS DU CADRE A DU TRAIN", u"", "60.6", "63"},
    {31, u"REGLAGE PRECIS DU CADRE VIA", u"", "82.8", "63"},
    {32, u"REGLAGE PRECIS DU CADRE EVO DEP", u"", "97.1", "63"},
    {33, u"REGLAGE PRECIS DU CADRE MV DEP", u"", "105.9", "63"},
    {34, u"REGLAGE PRECIS DU CADRE HEURE DEP", u"", "119.9", "63"},
    {35, u"REGLAGE PRECIS DU CADRE HEURE ARR", u"", "138.3", "63"},
    {36, u"REGLAGE PRECIS DU CADRE MV ARR", u"", "156.2", "63"},
    {37, u"REGLAGE PRECIS DU CADRE EVO ARR", u"", "170", "63"},
    {38, u"REGLAGE PRECIS DU CADRE CATEG", u"", "74.4", "75"},
    {39, u"REGLAGE PRECIS DU CADRE IND COMPO", u"", "88.2", "75"},
    {40, u"REGLAGE PRECIS DU CADRE AG SEUL", u"", "110.7", "75"},
    {41, u"REGLAGE PRECIS DU CADRE NB VEH", u"", "120.2", "75"},
    {42, u"REGLAGE PRECIS DU CADRE AGENT EN 2ND", u"", "289.3", "67.5"},
    {43, u"REGLAGE PRECIS DU AUTRE AGENT", u"", "289.3", "75.4"},
    {44, u"REGLAGE PRECIS DU CADRE NAT ENGIN TITULAIRE", u"", "181.3", "63"},
    {45, u"REGLAGE PRECIS DU CADRE NAT ENGIN UM1", u"", "181.3", "69"},
    {46, u"REGLAGE PRECIS DU CADRE ENGIN MOTEUR TITULAIRE", u"", "195.4", "63"},
    {47, u"REGLAGE PRECIS DU CADRE ENGIN MOTEUR UM1", u"", "195.4", "69"},
    {48, u"REGLAGE PRECIS DU CADRE EMT ENGIN MOTEUR TITULAIRE", u"", "222", "63"},
    {49, u"REGLAGE PRECIS DU CADRE EMT ENGIN MOTEUR UM1", u"", "222", "69"},
    {50, u"REGLAGE PRECIS DU CADRE DE L'ENGIN MOTEUR UM1", u"", "236.4", "69"},
    {51, u"REGLAGE PRECIS DU CADRE A ENGIN MOTEUR UM1", u"", "258.3", "69"},
    {52, u"REGLAGE PRECIS DU CADRE OBSERVATION", u"", "289.3", "60.1"},
    {53, u"REGLAGE PRECIS DE L'ESPACE ENTRE CARACTERES", u"", "0", "4.3"},
    {54, u"REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES B2", u"", "0", "5.8"},
    {55, u"REGLAGE PRECIS DE L'ESPACE EN HAUTEUR DES CADRES C", u"", "0", "25.6"},
    {56, u"REGLAGE PRECIS DU CADRE LETTRE TITULAIRE", u"", "194.6", "63"},
    {57, u"REGLAGE PRECIS DU CADRE LETTRE UM1", u"", "194.6", "69"},
    {58, u"REGLAGE PRECIS DU CADRE LIEU MV", u"", "181.6", "29.5"},
    {59, u"REGLAGE PRECIS DU CADRE ENGIN MANOEUVRE", u"", "195.8", "29.5"},
    {60, u"REGLAGE PRECIS DU CADRE EMT DE L'ENGIN DE MANOEUVRE", u"", "222", "29.5"},
    {61, u"REGLAGE PRECIS DU CADRE GARE", u"", "2.4", "75"},
    {62, u"REGLAGE PRECIS DU CADRE HEURE ARR (2)", u"", "24.9", "75"},
    {63, u"REGLAGE PRECIS DU CADRE MV", u"", "42.8", "75"},
    {64, u"REGLAGE PRECIS DU CADRE HEURE DEP (2)", u"", "56.6", "75"},
    {65, u"REGLAGE PRECIS DU CADRE LONGUEUR", u"", "129.6", "75"},
    {66, u"REGLAGE PRECIS DU CADRE MASSE", u"", "147.6", "75"},
    {67, u"REGLAGE PRECIS DU CADRE COEF", u"", "165.6", "75"},
    {68, u"REGLAGE PRECIS DU CADRE NAT ENGIN UM2", u"", "181.3", "75"},
    {69, u"REGLAGE PRECIS DU CADRE LETTRE UM2", u"", "194.6", "75"},
    {70, u"REGLAGE PRECIS DU CADRE ENGIN MOTEUR UM2", u"", "195.4", "75"},
    {71, u"REGLAGE PRECIS DU CADRE EMT ENGIN MOTEUR UM2", u"", "222", "75"},
    {72, u"REGLAGE PRECIS DU CADRE DE ENGIN MOTEUR UM2", u"", "236.4", "75"},
    {73, u"REGLAGE PRECIS DU CADRE A ENGIN MOTEUR UM2", u"", "258.3", "75"},
    {74, u"REGLAGE PRECIS EN D DU CADRE  TXTE (2)et (3)", u"", "14", "15"},
    {75, u"REGLAGE PRECIS EN D DU CADRE  N° DU TRAIN", u"", "57.6", "15"},
    {76, u"REGLAGE PRECIS EN D DU CADRE  N° DE L'ENGIN", u"", "71.4", "15"},
    {77, u"REGLAGE PRECIS EN D DU CADRE  CADRE GARES", u"", "85", "15"},
    {78, u"REGLAGE PRECIS EN D DU CADRE PK OU N° SIGNAL", u"", "103.7", "15"},
    {79, u"REGLAGE PRECIS EN D DU CADRE VOIE", u"", "112.6", "15"},
    {80, u"REGLAGE PRECIS EN D DU CADRE AVIS DONNE A", u"", "119.1", "15"},
    {81, u"REGLAGE PRECIS EN E DU CADRE  N° DU TRAIN", u"", "3", "100"},
    {82, u"REGLAGE PRECIS EN E DU CADRE OBS BULLETIN", u"", "21", "100"},
    {83, u"REGLAGE PRECIS EN H DU CADRE  N° DU TRAIN", u"", "135.6", "8"},
    {84, u"REGLAGE PRECIS EN H DU CADRE OBS DU MECANICIEN", u"", "159", "8"},
    {85, u"REGLAGE PRECIS EN I DU CADRE  N° DU TRAIN", u"", "136", "162"},
    {86, u"REGLAGE PRECIS EN I DU CADRE NOM", u"", "160", "162"},
    {87, u"REGLAGE PRECIS EN I DU CADRE FONCTION", u"", "192", "162"},
    {88, u"REGLAGE PRECIS EN I DU CADRE PARCOURS", u"", "210", "162"},
    {89, u"REGLAGE PRECIS EN J DU CADRE CONDITIONS ATMOSPHERIQUES", u"", "152", "176"},
    {90, u"LONGUEUR DU TEXTE OBSERVATION DU MECANICIEN", u"REGLAGE PRECIS DE L'ESPACE ENTRE LES LIGNES", "110", "4"},
    {91, u"REGLAGE PRECIS EN H DU CADRE UP,RESIDENCE", u"", "245", "0"},
    {92, u"CALIBRAGE ECRAN-IMPRIMANTE", u"", nullptr, nullptr},
    {93, u"CALIBRAGE ECRAN-IMPRIMANTE VERSO", u"", "0", "0"},
    {94, u"REGLAGE GENERALE DE L'ENSEMBLE DES CADRES VERSO", u"", "0", "0"},
    {95, u"CENTRAGE DU BULLETIN RECTO", u"", "0", "0"},
    {96, u"CENTRAGE DU BULLETIN VERSO", u"", "0", "0"},
    {97, u"REGLAGE PRECIS EN L DU CADRE  N°CIRCULATION", u"", "135.5", "129.7"},
    {98, u"REGLAGE PRECIS EN L DU CADRE PK", u"", "159", "129.7"},
    {99, u"REGLAGE PRECIS EN L DU CADRE ANNONCE", u"", "171.5", "129.7"},
    {100, u"REGLAGE PRECIS EN L DU CADRE SORTIE", u"", "183.5", "129.7"},
    {101, u"REGLAGE PRECIS EN L DU CADRE TEPMS PERDU", u"", "196", "129.7"},
    {102, u"REGLAGE PRECIS EN L DU CADRE MOTIF RETARD", u"", "215", "129.7"},}};

} // namespace

const Item &item(int number)
{
    static const Item none{-1, u"", u"", nullptr, nullptr};
    return (number >= 0 && number < Count) ? kItems[size_t(number)] : none;
}

double factoryX(int number)
{
    return NumberText::leadingNumber(QString::fromLatin1(item(number).defaultX));
}

double factoryY(int number)
{
    return NumberText::leadingNumber(QString::fromLatin1(item(number).defaultY));
}

int itemByTitle(QStringView title)
{
    for (const Item &i : kItems)
        if (title == QStringView(i.title) || (*i.titleY && title == QStringView(i.titleY)))
            return i.number;
    return -1;
}

} // namespace PrintItems
