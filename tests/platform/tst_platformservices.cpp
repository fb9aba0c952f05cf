#include "platform/Beep.h"
#include "platform/Deployment.h"
#include "platform/ProcessEnd.h"
#include "platform/ShellFolders.h"

#include <QTemporaryDir>
#include <QTest>

class TestPlatformServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deploymentValues_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("setting"); // null: unset
        QTest::addColumn<QString>("expected");

        QTest::newRow("update default") << QByteArray("PARVELA_UPDATE_URL") << QString()
                                        << QStringLiteral("http://www.parvela.com.tr");
        QTest::newRow("update override without trailing slash")
            << QByteArray("PARVELA_UPDATE_URL") << QStringLiteral("http://127.0.0.1:8080/")
            << QStringLiteral("http://127.0.0.1:8080");
        QTest::newRow("lan default") << QByteArray("PARVELA_LAN_SERVER") << QString() << QStringLiteral("192.168.1.2");
        QTest::newRow("lan override") << QByteArray("PARVELA_LAN_SERVER") << QStringLiteral("127.0.0.1")
                                      << QStringLiteral("127.0.0.1");
        QTest::newRow("blank is default") << QByteArray("PARVELA_LAN_SERVER") << QStringLiteral("  ")
                                          << QStringLiteral("192.168.1.2");
        QTest::newRow("port default") << QByteArray("PARVELA_SERVER_PORT") << QString() << QStringLiteral("9090");
        QTest::newRow("port override") << QByteArray("PARVELA_SERVER_PORT") << QStringLiteral("40123")
                                       << QStringLiteral("40123");
        QTest::newRow("port out of range") << QByteArray("PARVELA_SERVER_PORT") << QStringLiteral("70000")
                                           << QStringLiteral("9090");
        QTest::newRow("port not a number") << QByteArray("PARVELA_SERVER_PORT") << QStringLiteral("x")
                                           << QStringLiteral("9090");
        QTest::newRow("web site default") << QByteArray("PARVELA_WEB_SITE") << QString()
                                          << QStringLiteral("http://www.parvela.com.tr");
        QTest::newRow("public address override") << QByteArray("PARVELA_PUBLIC_IP_URL")
                                                 << QStringLiteral("http://127.0.0.1:9/ip")
                                                 << QStringLiteral("http://127.0.0.1:9/ip");
    }

    void deploymentValues()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QString, setting);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv(variable.constData());
        const bool wasSet = qEnvironmentVariableIsSet(variable.constData());
        if (setting.isNull())
            qunsetenv(variable.constData());
        else
            qputenv(variable.constData(), setting.toUtf8());

        const QHash<QByteArray, QString> values{
            {"PARVELA_UPDATE_URL", platform::Deployment::updateBaseUrl()},
            {"PARVELA_PUBLIC_IP_URL", platform::Deployment::publicAddressUrl()},
            {"PARVELA_LAN_SERVER", platform::Deployment::lanServerAddress()},
            {"PARVELA_SERVER_PORT", QString::number(platform::Deployment::serverPort())},
            {"PARVELA_WEB_SITE", platform::Deployment::webSite()},
        };
        if (wasSet)
            qputenv(variable.constData(), saved);
        else
            qunsetenv(variable.constData());
        QCOMPARE(values.value(variable), expected);
    }

    void endProcessGoesToHook()
    {
        QList<int> codes;
        const platform::EndProcessHook previous = platform::setEndProcessHook([&](int code) { codes << code; });
        platform::endProcess(0);
        platform::endProcess(3);
        platform::setEndProcessHook(previous);
        QCOMPARE(codes, (QList<int>{0, 3}));
    }

    void beepGoesToHook()
    {
        QList<platform::BeepKind> kinds;
        const platform::BeepHook previous = platform::setBeepHook([&](platform::BeepKind kind) { kinds << kind; });
        platform::beep(platform::BeepKind::Stop);
        platform::beep(platform::BeepKind::Question);
        platform::setBeepHook(previous);
        platform::beep(platform::BeepKind::Stop); // no hook, no GUI: silently nothing
        QCOMPARE(kinds, (QList<platform::BeepKind>{platform::BeepKind::Stop, platform::BeepKind::Question}));
    }

    void foldersFollowXdg()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("cfg")).toUtf8());
        const QString config = platform::appDataLocation();
        qputenv("XDG_CONFIG_HOME", savedConfig);
        QCOMPARE(config, home.filePath(QStringLiteral("cfg")));
        QVERIFY(!platform::documentsLocation().isEmpty());
        QVERIFY(!platform::desktopLocation().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
