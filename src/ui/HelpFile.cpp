#include "ui/HelpFile.h"

#include "core/base/Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace HelpFile
{

namespace
{

void cannotShow(Prompts &prompts, const QString &shown, bool noViewer)
{
    QStringList text{QStringLiteral("Impossible d'afficher le fichier d'aide ") + shown};
    // Either way the driver is told what to do: a desktop without xdg-open (installed without
    // its recommended packages) can still show the page in the browser it has.
    if (noViewer)
        text << QStringLiteral("Aucun programme de cet ordinateur ne sait ouvrir les pages HTML : "
                               "installez un navigateur web.");
    else
        text << QStringLiteral("Ouvrez ce fichier avec votre navigateur web.");
    prompts.message(QStringLiteral("Kerbo"), Prompts::lines(text), Prompts::Icon::Exclamation);
}

} // namespace

void show(Prompts &prompts, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        prompts.message(QStringLiteral("Kerbo"),
                        QStringLiteral("Le fichier d'aide ") + shown +
                            QStringLiteral(" est introuvable."),
                        Prompts::Icon::Exclamation);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt hands the file to xdg-open and cannot know whether it found a viewer; asked directly,
    // xdg-open says so by its exit code. Without a desktop of its own xdg-open waits for the
    // browser it started: a Kerbo that quits ends that wait, the browser goes on.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        auto *process = new QProcess(QCoreApplication::instance());
        // Ended with the application, it says nothing more: the prompts are gone by then.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                         [process] { process->disconnect(); });
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process,
                         [process, &prompts, shown](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (status == QProcess::NormalExit && code != 0)
                                 cannotShow(prompts, shown, true);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, &prompts, shown](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart) return;
                             process->deleteLater();
                             cannotShow(prompts, shown, false);
                         });
        process->start(opener, {url.toString()});
        return;
    }
#endif
    if (!QDesktopServices::openUrl(url)) cannotShow(prompts, shown, false);
}

} // namespace HelpFile
