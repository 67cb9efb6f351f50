#include "TestMain.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

// Files read whole or not at all, written whole or not at all, and INI files that read back as
// they were written.
class SafeFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void readersTellMissingUnreadableAndOversizedApart()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"ListeGares.txt"_s);
        TextFile::ReadBytes r = TextFile::readBytes(file, 10);
        QVERIFY(!r.ok && r.missing);

        put(file, "0123456789");
        r = TextFile::readBytes(file, 10);
        QVERIFY(r.ok && !r.missing);
        QCOMPARE(r.bytes, QByteArray("0123456789")); // the limit itself is taken

        put(file, "0123456789A");
        r = TextFile::readBytes(file, 10);
        QVERIFY(!r.ok && !r.missing && r.bytes.isEmpty());
        QVERIFY2(r.error.contains(u"ListeGares.txt"_s) && r.error.contains(u"trop volumineux"_s),
                 qPrintable(r.error));

        // A folder where the file should be cannot be read, and is no missing file either.
        QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        r = TextFile::readBytes(dir.filePath(u"Config.ini"_s), 10);
        QVERIFY(!r.ok && !r.missing && !r.error.isEmpty());
    }

    void failedWriteNamesTheFileAndLeavesNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"absent/ParametresImp.txt"_s);
        QString error;
        QVERIFY(!TextFile::writeAtomic(file, "1\r\n", &error));
        QCOMPARE(error, u"Impossible d'écrire le fichier %1 : le dossier %2 est introuvable."_s
                            .arg(QDir::toNativeSeparators(file),
                                 QDir::toNativeSeparators(dir.filePath(u"absent"_s))));

        // Over a folder of that name: refused, the folder stays, no temporary file is left.
        QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        QVERIFY(!TextFile::writeAtomic(dir.filePath(u"Config.ini"_s), "x", &error));
        QVERIFY(QFileInfo(dir.filePath(u"Config.ini"_s)).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    // A Config.ini that exists but cannot be read is never replaced by what could be read.
    void unreadableIniIsNeverWrittenOver_data()
    {
        QTest::addColumn<bool>("oversized");
        QTest::newRow("a folder in its place") << false;
        QTest::newRow("larger than any INI file") << true;
    }

    void unreadableIniIsNeverWrittenOver()
    {
        QFETCH(bool, oversized);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Config.ini"_s);
        if (oversized) {
            put(path, "[Cartouche]\r\nNom=DUPONT\r\n");
            QFile f(path);
            QVERIFY(f.resize(TextFile::MaxIniBytes + 1)); // sparse: nothing is really written
        } else {
            QVERIFY(QDir(dir.path()).mkdir(u"Config.ini"_s));
        }
        const QByteArray before = bytesOf(path);
        IniFile ini;
        QVERIFY(!ini.load(path));
        QVERIFY(ini.isEmpty());
        QVERIFY(ini.setValue(u"Cartouche", u"condition", u"1"));
        QString error;
        QVERIFY(!ini.save(&error));
        QVERIFY2(error.contains(u"Config.ini"_s) && error.contains(u"pas réécrit"_s),
                 qPrintable(error));
        QCOMPARE(bytesOf(path), before);

        // Once the content is given anew (a file really read), saving works again.
        ini.parse("[Cartouche]\r\n");
        QCOMPARE(ini.loadError(), QString());
    }

    void namesThatWouldReadBackOtherwiseAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        const QString names[] = {QString(),    u"  "_s,       u"83[01"_s,
                                 u"83]01"_s,   u"[8301]"_s,   u"De=A"_s,
                                 u"a\rb"_s,    u"a\nb"_s,     u"train\u4E2D"_s,
                                 u"nul"_s + QChar(0)};
        for (const QString &name : names)
            QTest::newRow(name.toUtf8().toPercentEncoding().constData()) << name;
    }

    void namesThatWouldReadBackOtherwiseAreRefused()
    {
        QFETCH(QString, name);
        IniFile ini;
        ini.parse("[8301]\r\nDe=PARIS\r\n");
        const QByteArray before = ini.toBytes();
        QVERIFY(!IniFile::validName(name));
        QVERIFY(!ini.setValue(name, u"De", u"LYON"));
        QVERIFY(!ini.setValue(u"8301", name, u"LYON"));
        QCOMPARE(ini.toBytes(), before);
    }

    void namesThatReadBackAreTaken()
    {
        // Blanks around a name are not part of it; accents of the code page are fine.
        IniFile ini;
        for (const char16_t *name : {u" 830123 ", u"HeureDép2", u"Nbvéh", u"EV en LOC", u"a;b"})
            QVERIFY(ini.setValue(QString::fromUtf16(name), QString::fromUtf16(name), u"v"));
        IniFile again;
        again.parse(ini.toBytes());
        for (const char16_t *name : {u"830123", u"heuredép2", u"NBVÉH", u"ev en loc", u"a;b"})
            QCOMPARE(again.value(QString::fromUtf16(name), QString::fromUtf16(name)), u"v"_s);
    }

    void aLineKeepsItsOwnEndingAndAnUnmatchedQuote()
    {
        IniFile ini;
        ini.parse("[S]\nq=\"abc\r\nr='abc\"\r\ns=\"\nk=1\nlast=0");
        QCOMPARE(ini.value(u"S", u"q"), u"\"abc"_s);
        QCOMPARE(ini.value(u"S", u"r"), u"'abc\""_s);
        QCOMPARE(ini.value(u"S", u"s"), u"\""_s);
        ini.setValue(u"S", u"k", u"2");
        ini.setValue(u"S", u"last", u"9");
        QCOMPARE(ini.toBytes(), QByteArray("[S]\nq=\"abc\r\nr='abc\"\r\ns=\"\nk=2\nlast=9"));
    }

    void tabBeforeANumber()
    {
        QCOMPARE(NumberText::leadingNumber(u"\t12.5"), 12.5);
        QCOMPARE(NumberText::leadingNumber(u" \t -3 km"), -3.0);
        QCOMPARE(NumberText::toInt(std::numeric_limits<double>::quiet_NaN()), 0);
    }
};

KERBO_TEST(SafeFilesTest)
#include "SafeFilesTest.moc"
