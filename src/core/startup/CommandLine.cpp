#include "core/startup/CommandLine.h"

namespace CommandLine
{

Answer answer(const QStringList &arguments, const QString &version, bool qtTaken)
{
    Answer answer;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--")) break;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            answer = {true, 0,
                      QStringLiteral("Utilisation : kerbo [--help] [--version]\n"
                                     "Remplit et imprime le bulletin de service du conducteur "
                                     "de train.\n"
                                     "\n"
                                     "  -h, --help     affiche cette aide et quitte\n"
                                     "  -v, --version  affiche la version et quitte\n"
                                     "\n"
                                     "Sans option, Kerbo ouvre le bulletin ; s'il est déjà ouvert, "
                                     "sa fenêtre revient au premier plan.\n"),
                      QString()};
            return answer;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            answer = {true, 0, QStringLiteral("Kerbo %1\n").arg(version), QString()};
            return answer;
        }
        if (qtTaken && argument.startsWith(u'-') && argument.size() > 1) {
            answer = {true, 2, QString(),
                      QStringLiteral("kerbo : option inconnue « %1 »\n"
                                     "Essayez « kerbo --help » pour la liste des options.\n")
                          .arg(argument)};
            return answer;
        }
    }
    return answer;
}

} // namespace CommandLine
