// The QSettings profile: values of each kind round-trip, in sections named with backslashes.
#include "GuiTestMain.h"

#include "app/QSettingsProfile.h"
#include "settings/AppSettings.h"

#include <QFile>

using namespace orv;

class ProfileTest : public QObject {
    Q_OBJECT

private slots:
    void valuesRoundTripAcrossInstances();
    void wrongKindsAndMissingValuesReadAsDefaults();
    void removeDeletesValueAndSection();
    void settingsSurviveARestart();
    void pathTypedIntoTheFileReadsAsItsUtf8Bytes();
    void storeLivesInTheIsolatedConfigFolder();
};

void ProfileTest::valuesRoundTripAcrossInstances()
{
    const Bytes blob{0, 1, 2, 0xFF, '\\', '/', 0x80};
    {
        QSettingsProfile p;
        QVERIFY(p.writeBinary("Bars\\ORVANTE-Bar123", "Blob", blob));
        QVERIFY(p.writeString("Editor\\Find", "Text", "a\\b \"c\" \xE9"));
        QVERIFY(p.writeInt("Bars\\ORVANTE-Bar123", "SizeHorzCX", -250));
        QVERIFY(p.writeString("Recent File List", "File1", "/tmp/x y.mel"));
        QVERIFY(p.writeString("Recent File List", "File2", "/tmp/\xD1\x81\xD0\xBA.mel"));
        QVERIFY(p.sync());
    }
    QSettingsProfile p;
    QCOMPARE(p.readBinary("Bars\\ORVANTE-Bar123", "Blob"), std::optional<Bytes>(blob));
    QCOMPARE(p.readString("Editor\\Find", "Text", ""), std::string("a\\b \"c\" \xE9"));
    QCOMPARE(p.readInt("Bars\\ORVANTE-Bar123", "SizeHorzCX", 0), -250);
    QCOMPARE(p.readString("Recent File List", "File1", ""), std::string("/tmp/x y.mel"));
    // Paths are their file system's (UTF-8) bytes, and come back as the same bytes.
    QCOMPARE(p.readString("Recent File List", "File2", ""), std::string("/tmp/\xD1\x81\xD0\xBA.mel"));
}

void ProfileTest::wrongKindsAndMissingValuesReadAsDefaults()
{
    QSettingsProfile p;
    p.writeString("Corrupt", "Number", "twelve");
    p.writeBinary("Corrupt", "Blob", Bytes{1, 2});
    p.writeString("Corrupt", "Text", "not binary");
    QCOMPARE(p.readInt("Corrupt", "Number", 7), 7);
    QCOMPARE(p.readString("Corrupt", "Blob", "dflt"), std::string("dflt"));
    QVERIFY(!p.readBinary("Corrupt", "Text").has_value());
    QVERIFY(!p.readBinary("Nothing", "Here").has_value());
    QCOMPARE(p.readString("Nothing", "Here", "./"), std::string("./"));
}

void ProfileTest::removeDeletesValueAndSection()
{
    QSettingsProfile p;
    p.writeInt("Bars\\ORVANTE-Bar7", "A", 1);
    p.writeInt("Bars\\ORVANTE-Bar7", "B", 2);
    p.remove("Bars\\ORVANTE-Bar7", "A");
    QCOMPARE(p.readInt("Bars\\ORVANTE-Bar7", "A", -1), -1);
    QCOMPARE(p.readInt("Bars\\ORVANTE-Bar7", "B", -1), 2);
    p.remove("Bars\\ORVANTE-Bar7", "");
    QCOMPARE(p.readInt("Bars\\ORVANTE-Bar7", "B", -1), -1);
}

void ProfileTest::settingsSurviveARestart()
{
    {
        QSettingsProfile p;
        p.writeBinary("Settings", "prm", Bytes(115, 0));  // a damaged record
        AppSettings s;
        s.load(p);
        QCOMPARE(s.record, SettingsRecord{});
        s.record.gridWidth = 25;
        s.iconParams.showGrid = 1;
        QVERIFY(s.save(p));
        QVERIFY(p.sync());
    }
    QSettingsProfile p;
    AppSettings s;
    s.load(p);
    QCOMPARE(int(s.record.gridWidth), 25);
    QCOMPARE(int(s.iconParams.showGrid), 1);
    QCOMPARE(p.readBinary("Settings", "prm")->size(), std::size_t{116});
}

void ProfileTest::pathTypedIntoTheFileReadsAsItsUtf8Bytes()
{
    QSettingsProfile p;
    QVERIFY(p.sync());
    {
        QFile file(p.fileName());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write("\n[Recent%20File%20List]\nFile1=/home/\xD1\x8F/\xE3\x83\x84.wnd\n");
    }
    QSettingsProfile reread;
    QCOMPARE(reread.readString("Recent File List", "File1", ""), std::string("/home/\xD1\x8F/\xE3\x83\x84.wnd"));
}

void ProfileTest::storeLivesInTheIsolatedConfigFolder()
{
    QSettingsProfile p;
    p.writeInt("Settings", "Probe", 1);
    QVERIFY(p.sync());
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tessaly Studios/ORVANTE.conf";
    QCOMPARE(p.fileName(), expected);
    QVERIFY(QFile::exists(expected));
}

ORVANTE_GUI_TEST_MAIN(ProfileTest)
#include "profile_test.moc"
