#include "ByteIo.h"
#include "DSConnection.h"
#include "DSException.h"
#include "MemTable.h"
#include "ResultSetReader.h"
#include "ScriptedPeer.h"
#include "TServerMethods1Client.h"
#include "WireCodec.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
QByteArray preparedPayload(const QList<ParamSpec> &params)
{
    QByteArray p;
    ByteWriter w(p);
    w.u32(1);
    WireCodec::writeParams(w, params);
    return p;
}

QByteArray replyWithResultSet()
{
    QByteArray p;
    ByteWriter w(p);
    w.u16(2);
    WireCodec::writeValue(w, Value());
    WireCodec::writeValue(w, Value::resultSet({{QStringLiteral("KOD"), ValueType::Text, 20}}));
    return p;
}

const QList<ParamSpec> sepetVerParams = {{QStringLiteral("carino"), ValueType::Int32, ParamDirection::In},
                                         {QStringLiteral("ReturnParameter"), ValueType::ResultSet, ParamDirection::Return}};

QByteArray oneRowBatch()
{
    RowBatchWriter rows({{QStringLiteral("KOD"), ValueType::Text, 20}});
    rows.beginRow();
    rows.addText(QStringLiteral("A1"));
    rows.endRow();
    return rows.takeBatches().constFirst();
}
} // namespace

// A broken or hostile peer gives a clear error on the caller: no crash, no hang, no huge allocation.
class TestWireFaults : public QObject
{
    Q_OBJECT

    // Runs SepetVer against a peer that answers prepare properly and then plays `afterExecute`.
    static QString errorOfSepetVer(const std::function<void(int)> &afterExecute)
    {
        ScriptedPeer peer([&](int fd) {
            ScriptedPeer::readFrame(fd);
            ScriptedPeer::writeFrame(fd, 0x04, preparedPayload(sepetVerParams));
            ScriptedPeer::readFrame(fd);
            afterExecute(fd);
        });
        DSConnection c;
        c.setParam(QStringLiteral("Port"), QString::number(peer.port()));
        c.setTimeouts(2000, 2000);
        try {
            c.open();
            TServerMethods1Client proxy(c);
            MemTable table;
            CopyResultSet(proxy.SepetVer(1), table);
        } catch (const DSException &e) {
            return e.message();
        }
        return {};
    }

private Q_SLOTS:
    void brokenAnswersRaise_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        QByteArray huge("PV\x06\x00", 4);
        huge.append("\xFF\xFF\xFF\xFF", 4);
        QTest::newRow("4 GiB length prefix") << huge << "exceeds the limit";

        QByteArray truncated("PV\x06\x00", 4);
        const quint32 n = 100;
        truncated.append(reinterpret_cast<const char *>(&n), 4).append("short");
        QTest::newRow("truncated frame then close") << truncated << "Connection closed";

        QByteArray unknownType("PV\x06\x00", 4);
        const quint32 three = 3;
        unknownType.append(reinterpret_cast<const char *>(&three), 4).append("\x02\x00\x2A", 3);
        QTest::newRow("unknown value type") << unknownType << "unknown value type 42";

        QTest::newRow("bad marker") << QByteArray("XXXXXXXX") << "bad frame marker";
    }
    void brokenAnswersRaise()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString error = errorOfSepetVer([&](int fd) { ScriptedPeer::write(fd, bytes); });
        QVERIFY2(error.contains(expected), qPrintable(error));
    }

    void connectionClosedMidResultSet()
    {
        MemTable table;
        const QString error = errorOfSepetVer([](int fd) {
            ScriptedPeer::writeFrame(fd, 0x06, replyWithResultSet());
            ScriptedPeer::writeFrame(fd, 0x07, oneRowBatch());
            // closes here, before the end marker
        });
        QVERIFY2(error.contains("Connection closed"), qPrintable(error));
    }

    void rowCountLargerThanMessage()
    {
        const QString error = errorOfSepetVer([](int fd) {
            ScriptedPeer::writeFrame(fd, 0x06, replyWithResultSet());
            QByteArray lying = oneRowBatch();
            const quint32 rows = 1000000;
            std::memcpy(lying.data(), &rows, 4);
            ScriptedPeer::writeFrame(fd, 0x07, lying);
        });
        QVERIFY2(error.contains("row count exceeds"), qPrintable(error));
    }

    void malformedObjectFormInAnswer()
    {
        ScriptedPeer peer([](int fd) {
            ScriptedPeer::readFrame(fd);
            ScriptedPeer::writeFrame(fd, 0x04, preparedPayload({{QStringLiteral("idsi"), ValueType::Text, ParamDirection::In},
                                                               {QStringLiteral("R"), ValueType::Object, ParamDirection::Return}}));
            ScriptedPeer::readFrame(fd);
            QByteArray p;
            ByteWriter w(p);
            w.u16(2);
            WireCodec::writeValue(w, Value());
            WireCodec::writeValue(w, Value::object(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":"evet"}})"));
            ScriptedPeer::writeFrame(fd, 0x06, p);
        });
        DSConnection c;
        c.setParam(QStringLiteral("Port"), QString::number(peer.port()));
        c.open();
        TServerMethods1Client proxy(c);
        try {
            proxy.BuyukGetir(QStringLiteral("X"));
            QFAIL("malformed object accepted");
        } catch (const DSException &e) {
            QVERIFY(e.message().contains(QStringLiteral("Malformed JSON object form")));
        }
    }

    void silentPeerTimesOut()
    {
        QElapsedTimer timer;
        timer.start();
        const QString error = errorOfSepetVer([](int) { QThread::msleep(2500); });
        QVERIFY2(error.contains("timed out"), qPrintable(error));
        QVERIFY(timer.elapsed() < 10000);
    }

    void refusedConnection()
    {
        DSConnection c;
        c.setParam(QStringLiteral("Port"), QStringLiteral("1")); // nothing listens on port 1
        QVERIFY_THROWS_EXCEPTION(DSException, c.open());
        QVERIFY(!c.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestWireFaults)
#include "tst_wirefaults.moc"
