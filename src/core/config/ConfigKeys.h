#pragma once

// Every section and key name of Config.ini, exactly as the file spells them. Nothing else in the
// program writes one of these names as a literal.
namespace ConfigKeys {

// Sections
constexpr const char *CheminDossiers = "CheminDossiers";
constexpr const char *Cartouche = "Cartouche";
constexpr const char *Options = "Options";
constexpr const char *EvEnLoc = "EV en LOC";
constexpr const char *EchelleEditeur = "Echelle Editeur";
constexpr const char *PoliceImprimante = "PoliceImprimante";
constexpr const char *PoliceImprimanteVerso = "PoliceImprimanteVerso";

// [CheminDossiers]
constexpr const char *OuestKerbo = "OuestKerbo";
constexpr const char *Hdgenerique = "Hdgenerique";
constexpr const char *HdArchive = "HdArchive";
constexpr const char *DossierRlt = "DossierRlt";

// [Cartouche]
constexpr const char *Nom = "Nom";
constexpr const char *Prenom = "Prenom";
constexpr const char *Etablissement = "Etablissement";
constexpr const char *Residence = "Residence";
constexpr const char *Immatriculation = "Immatriculation";
constexpr const char *Condition = "condition";

// [Options]
constexpr const char *Enaug = "Enaug";
constexpr const char *Eneng = "Eneng";
constexpr const char *Enaut = "Enaut";
constexpr const char *PasImpB1 = "PasImpB1";
constexpr const char *PasImpB2 = "PasImpB2";
constexpr const char *Nbvhe = "Nbvhe";
constexpr const char *NbUm = "NbUm";
constexpr const char *Emtaut = "Emtaut";
constexpr const char *IndCompo = "IndCompo";
constexpr const char *LettreAutom = "LettreAutom";
constexpr const char *Calendrier = "Calendrier";
constexpr const char *PrefixEngin = "PrefixEngin";
constexpr const char *PrefixTrain = "PrefixTrain";
// Our own: "1" when the editor's form grows with its window ("Ajuster à la fenêtre").
constexpr const char *AjusterFenetre = "AjusterFenetre";

// [EV en LOC]
constexpr const char *Loc = "LOC";

// [Echelle Editeur]
constexpr const char *Echelle = "Echelle";

// [PoliceImprimante] and [PoliceImprimanteVerso]
struct FontKeys {
    const char *section;
    const char *name;
    const char *size;
    const char *bold;
    const char *italic;
};
constexpr FontKeys RectoFont{PoliceImprimante, "PoliceFontName", "PoliceFontSize",
                             "PoliceFontBold", "PoliceFontItalic"};
constexpr FontKeys VersoFont{PoliceImprimanteVerso, "PoliceFontNameVerso", "PoliceFontSizeVerso",
                             "PoliceFontBoldVerso", "PoliceFontItalicVerso"};

} // namespace ConfigKeys
