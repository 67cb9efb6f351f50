#include "core/model/ListFiles.h"

#include "core/model/SlotTable.h"

namespace ListFiles {

using namespace SlotTable;

QString fileName(ListKind kind, const QString &engineListFile)
{
    switch (kind) {
    case ListKind::Engins:
        return engineListFile.isEmpty() ? QStringLiteral("ListeEngins.txt") : engineListFile;
    case ListKind::Gares: return QStringLiteral("ListeGares.txt");
    case ListKind::Taches: return QStringLiteral("ListeTaches.txt");
    case ListKind::Categ: return QStringLiteral("ListeCateg.txt");
    case ListKind::IndiceCompo: return QStringLiteral("InCompo.txt");
    case ListKind::AgentSeul: return QStringLiteral("AgentSeul.txt");
    }
    return QString();
}

QString engineListFile(int enaut)
{
    return enaut == 1 ? QStringLiteral("ListeEnginsAut.txt") : QStringLiteral("ListeEngins.txt");
}

std::optional<ListKind> kindOf(int slot)
{
    switch (slot) {
    // Lieu PS and Lieu FS, the shunting places and the depot codes of the shunting engines.
    case 9: case 11: case 38: case 40: case 41: case 43: case 44: case 46: case 47: case 49:
        return ListKind::Gares;
    default: break;
    }
    if (slot >= 14 && slot <= 35 && (slot - 14) % 3 == 0)
        return ListKind::Taches;
    if (isEngine(slot))
        return ListKind::Engins;
    switch (offsetOf(slot)) {
    case De: case A: case Via: case Gare: return ListKind::Gares;
    case Categ: return ListKind::Categ;
    case IndCompo: return ListKind::IndiceCompo;
    case AgSeul: return ListKind::AgentSeul;
    default: return std::nullopt;
    }
}

} // namespace ListFiles
