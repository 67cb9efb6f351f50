#include "TestMain.h"

#include "SaveCase.h"

#include "core/config/DataFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <set>

// A process saving every writer's file over and over is killed at random moments: every file
// is then the old content or the new one, never missing, empty or partial.
class SaveKillTest : public QObject
{
    Q_OBJECT
private slots:
    void killedSavesLeaveOldOrNewContent()
    {
        QTemporaryDir root;
        const std::vector<SaveCase> &cases = saveCases();
        // The two contents of each file, written once here in the folders the saver uses.
        std::vector<std::set<QByteArray>> allowed(cases.size());
        std::vector<QString> files(cases.size());
        for (size_t i = 0; i < cases.size(); ++i) {
            AppState state;
            state.config.ouestKerbo = saverFolder(root.path(), i);
            QVERIFY(QDir().mkpath(state.config.dataFolder()));
            cases[i].setUp(state);
            files[i] = cases[i].file(state);
            for (int version : {0, 1, 0}) {
                QVERIFY(cases[i].save(state, version).saved);
                allowed[i].insert(fileBytes(files[i]));
            }
            QCOMPARE(allowed[i].size(), size_t(2));
        }

        const int kills = qEnvironmentVariableIntValue("KERBO_KILLS") > 0
                              ? qEnvironmentVariableIntValue("KERBO_KILLS")
                              : 300;
        // How long a round of saves takes here, so that the kills fall anywhere in one.
        qint64 roundMicros = 0;
        {
            QProcess saver;
            saver.start(QStringLiteral(KERBO_SAVER), {root.path(), QStringLiteral("0"),
                                                      QStringLiteral("4")});
            QVERIFY2(saver.waitForReadyRead(30000), "the saver did not start");
            QElapsedTimer timer;
            timer.start();
            QVERIFY(saver.waitForFinished(60000));
            roundMicros = qMax<qint64>(20000, timer.nsecsElapsed() / 4000);
        }
        std::map<QByteArray, int> seen;
        int leftovers = 0;
        for (int k = 0; k < kills; ++k) {
            QProcess saver;
            saver.start(QStringLiteral(KERBO_SAVER), {root.path(), QString::number(k % 2)});
            QVERIFY2(saver.waitForReadyRead(30000), "the saver did not start");
            QThread::usleep(QRandomGenerator::global()->bounded(roundMicros * 3 / 2));
            saver.kill();
            QVERIFY(saver.waitForFinished(30000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

            for (size_t i = 0; i < cases.size(); ++i) {
                const QByteArray now = fileBytes(files[i]);
                QVERIFY2(allowed[i].count(now),
                         qPrintable(QStringLiteral("%1 after kill %2: %3 bytes")
                                        .arg(QLatin1String(cases[i].name))
                                        .arg(k)
                                        .arg(now.size())));
                ++seen[QByteArray(cases[i].name) + QByteArray::number(qHash(now))];
            }
        }
        // Every kill that caught a temporary file on its way is cleaned up at the next start.
        for (size_t i = 0; i < cases.size(); ++i) {
            const QString data = QFileInfo(files[i]).absolutePath();
            leftovers += DataFolder::removeStaleTemporaries(
                             Paths::CheckPath(data), QDateTime::currentDateTime().addDays(1))
                             .size();
            const QFileInfo info(files[i]);
            QCOMPARE(info.dir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files),
                     QStringList());
        }
        // Both contents of every file were met: the kills did fall in the middle of the saves.
        QCOMPARE(seen.size(), cases.size() * 2);
        qInfo("%d kills, %d temporary files left by them and removed", kills, leftovers);
    }
};

KERBO_TEST(SaveKillTest)
#include "SaveKillTest.moc"
