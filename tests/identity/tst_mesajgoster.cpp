#include "identity/MesajGoster.h"
#include "platform/Beep.h"
#include "platform/Task.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QStringList captions(const QMessageBox &box)
{
    QStringList list;
    for (const QAbstractButton *button : box.buttons())
        list << button->text();
    list.sort();
    return list;
}

QAbstractButton *byCaption(const QMessageBox &box, const QString &caption)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// First of the dialog's buttons met when tabbing round from the window itself.
QString firstInTabOrder(QMessageBox &box)
{
    const QList<QAbstractButton *> buttons = box.buttons();
    for (QWidget *w = box.nextInFocusChain(); w && w != &box; w = w->nextInFocusChain()) {
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && buttons.contains(button))
            return button->text();
    }
    return {};
}

struct Seen
{
    QString title;
    QStringList captions;
    QString focus;
    QString firstTab;
    QPoint centreOffset;
    int shows = 0;
};

} // namespace

class TestMesajGoster : public QObject
{
    Q_OBJECT

    QList<platform::BeepKind> m_beeps;
    platform::BeepHook m_previousBeep;

    // Shows the real dialog and plays the actions on it ("Escape", "Return", "frame",
    // "click:<caption>"), the next one whenever the dialog is still or again on screen.
    // With no action left the dialog is closed through the frame, so a test never hangs.
    int showAndPlay(const QString &text, int kind, int buttons, int def, QStringList actions, Seen &seen)
    {
        std::function<void(QMessageBox &)> play = [&](QMessageBox &box) {
            if (actions.isEmpty()) {
                box.close();
                return;
            }
            const QString action = actions.takeFirst();
            QWidget *target = box.focusWidget() ? box.focusWidget() : &box;
            if (action == QLatin1String("Escape"))
                QTest::keyClick(target, Qt::Key_Escape);
            else if (action == QLatin1String("Return"))
                QTest::keyClick(target, Qt::Key_Return);
            else if (action == QLatin1String("frame"))
                box.close();
            else if (action.startsWith(QLatin1String("click:")))
                byCaption(box, action.mid(6))->click();
            if (box.isVisible()) {
                QTimer::singleShot(0, &box, [&] {
                    if (box.isVisible())
                        play(box);
                });
            }
        };
        const MesajPenceresiKancasi previous = MesajPenceresiKancasiKur([&](QMessageBox &box) {
            if (seen.shows++ == 0) {
                seen.title = box.windowTitle();
                seen.captions = captions(box);
                auto *focused = qobject_cast<QAbstractButton *>(box.focusWidget());
                seen.focus = focused ? focused->text() : QString();
                seen.firstTab = firstInTabOrder(box);
                seen.centreOffset = box.frameGeometry().center()
                                    - box.screen()->availableGeometry().center();
            }
            play(box);
        });
        const int result = MesajGoster(text, kind, buttons, def);
        MesajPenceresiKancasiKur(previous);
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_previousBeep = platform::setBeepHook([this](platform::BeepKind kind) { m_beeps << kind; });
    }

    void cleanupTestCase() { platform::setBeepHook(m_previousBeep); }

    void init() { m_beeps.clear(); }

    void realDialog_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("def");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("firstTab");
        QTest::addColumn<int>("result");

        const QStringList yesNo{"Evet", "Hayır"};
        const int q = mesaj::Soru;
        const int yn = mesaj::SetEvetHayir;
        QTest::newRow("question Escape is No")
            << q << yn << mesaj::DugmeHayir << QStringList{"Escape"} << "Soru" << yesNo << "Evet" << "Hayır" << 7;
        QTest::newRow("question Enter is Yes even with default No")
            << q << yn << mesaj::DugmeHayir << QStringList{"Return"} << "Soru" << yesNo << "Evet" << "Hayır" << 6;
        QTest::newRow("question default Yes leads the tab order")
            << q << yn << mesaj::DugmeEvet << QStringList{"click:Hayır"} << "Soru" << yesNo << "Evet" << "Evet" << 7;
        QTest::newRow("question frame close is neither yes nor no")
            << q << yn << mesaj::DugmeEvet << QStringList{"frame"} << "Soru" << yesNo << "Evet" << "Evet" << 2;
        QTest::newRow("error Escape is OK")
            << int(mesaj::Hata) << mesaj::SetTamam << mesaj::DugmeTamam << QStringList{"Escape"} << "Hata"
            << QStringList{"Tamam"} << "Tamam" << "Tamam" << 1;
        QTest::newRow("error Enter is OK")
            << int(mesaj::Hata) << mesaj::SetTamam << mesaj::DugmeTamam << QStringList{"Return"} << "Hata"
            << QStringList{"Tamam"} << "Tamam" << "Tamam" << 1;
        QTest::newRow("warning frame close")
            << int(mesaj::Uyari) << mesaj::SetTamam << mesaj::DugmeTamam << QStringList{"frame"} << "Uyarı"
            << QStringList{"Tamam"} << "Tamam" << "Tamam" << 2;
        QTest::newRow("information")
            << int(mesaj::Bilgi) << mesaj::SetTamam << mesaj::DugmeTamam << QStringList{"Return"} << "Bilgi"
            << QStringList{"Tamam"} << "Tamam" << "Tamam" << 1;
        QTest::newRow("Escape prefers Cancel")
            << q << (yn | 1 << mesaj::DugmeVazgec) << mesaj::DugmeEvet << QStringList{"Escape"} << "Soru"
            << QStringList{"Evet", "Hayır", "Vazgeç"} << "Evet" << "Evet" << 2;
        QTest::newRow("Retry is the default without OK and Yes")
            << int(mesaj::Uyari) << (1 << mesaj::DugmeIptal | 1 << mesaj::DugmeTekrar | 1 << mesaj::DugmeAtla)
            << mesaj::DugmeAtla << QStringList{"Return"} << "Uyarı" << QStringList{"Atla", "Tekrar", "İptal"}
            << "Tekrar" << "Atla" << 4;
        QTest::newRow("Escape does nothing without Cancel, No or OK")
            << int(mesaj::Uyari) << (1 << mesaj::DugmeIptal | 1 << mesaj::DugmeTekrar | 1 << mesaj::DugmeAtla)
            << mesaj::DugmeIptal << QStringList{"Escape", "frame"} << "Uyarı"
            << QStringList{"Atla", "Tekrar", "İptal"} << "Tekrar" << "İptal" << 2;
        QTest::newRow("Help keeps the dialog open")
            << int(mesaj::Bilgi) << (mesaj::SetTamam | 1 << mesaj::DugmeYardim) << mesaj::DugmeTamam
            << QStringList{"click:Yardım", "Return"} << "Bilgi" << QStringList{"Tamam", "Yardım"} << "Tamam"
            << "Tamam" << 1;
        QTest::newRow("every caption is Turkish")
            << q << 0xfff << mesaj::DugmeTumuneEvet << QStringList{"click:Tümüne Hayır"} << "Soru"
            << QStringList{"Atla", "Evet", "Hayır", "Kapat", "Tamam", "Tekrar", "Tümü", "Tümüne Evet",
                           "Tümüne Hayır", "Vazgeç", "Yardım", "İptal"}
            << "Tamam" << "Tümüne Evet" << 13;
    }

    void realDialog()
    {
        QFETCH(int, kind);
        QFETCH(int, buttons);
        QFETCH(int, def);
        QFETCH(QStringList, actions);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QFETCH(QString, focus);
        QFETCH(QString, firstTab);
        QFETCH(int, result);

        QStringList sorted = captions;
        sorted.sort();
        Seen seen;
        QCOMPARE(showAndPlay(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), kind, buttons, def,
                             actions, seen),
                 result);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.captions, sorted);
        QCOMPARE(seen.focus, focus);
        QCOMPARE(seen.firstTab, firstTab);
        QVERIFY2(seen.centreOffset.manhattanLength() <= 2, qPrintable(QStringLiteral("dialog off centre by %1,%2").arg(seen.centreOffset.x()).arg(seen.centreOffset.y())));
    }

    void ownerDestroyedWhileOpen()
    {
        auto *owner = new QWidget;
        owner->setWindowTitle(QStringLiteral("Sahip"));
        owner->show();
        QApplication::setActiveWindow(owner);
        QVERIFY(QTest::qWaitForWindowActive(owner));
        QPointer<QMessageBox> seen;
        const MesajPenceresiKancasi previous = MesajPenceresiKancasiKur([&](QMessageBox &box) {
            seen = &box;
            QTimer::singleShot(0, [&] { delete owner; });
        });
        const int result = MesajGoster(QStringLiteral("x"), mesaj::Soru, mesaj::SetEvetHayir, mesaj::DugmeEvet);
        MesajPenceresiKancasiKur(previous);
        QCOMPARE(result, mesaj::SonucVazgec);
        QVERIFY(seen.isNull());
    }

    void soundPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<platform::BeepKind>>("beeps");
        QTest::newRow("warning") << 0 << QList<platform::BeepKind>{platform::BeepKind::Exclamation};
        QTest::newRow("error") << 1 << QList<platform::BeepKind>{platform::BeepKind::Stop};
        QTest::newRow("information") << 2 << QList<platform::BeepKind>{platform::BeepKind::Asterisk};
        QTest::newRow("question") << 3 << QList<platform::BeepKind>{platform::BeepKind::Question};
        QTest::newRow("other kind is silent") << 4 << QList<platform::BeepKind>{};
    }

    void soundPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QList<platform::BeepKind>, beeps);
        MesajYanitlayiciKapsami responder([](int, const QString &, int, int) { return 1; });
        MesajGoster(QStringLiteral("x"), kind, mesaj::SetTamam, mesaj::DugmeTamam);
        QCOMPARE(m_beeps, beeps);
    }

    void responderAnswersInPlaceOfDialog()
    {
        QString seen;
        QThread *thread = nullptr;
        MesajYanitlayiciKapsami responder([&](int kind, const QString &text, int buttons, int def) {
            seen = QStringLiteral("%1|%2|%3|%4").arg(kind).arg(text, QString::number(buttons)).arg(def);
            thread = QThread::currentThread();
            return mesaj::SonucHayir;
        });
        QCOMPARE(MesajGoster(QStringLiteral("Silinsin mi ?"), mesaj::Soru, mesaj::SetEvetHayir, mesaj::DugmeHayir),
                 mesaj::SonucHayir);
        QCOMPARE(seen, QStringLiteral("3|Silinsin mi ?|3|1"));

        // From a worker the call is handed to the UI thread.
        int fromWorker = 0;
        platform::Task::run(nullptr, [&] {
            fromWorker = MesajGoster(QStringLiteral("y"), mesaj::Bilgi, mesaj::SetTamam, mesaj::DugmeTamam);
        });
        QVERIFY(platform::Task::waitForAll(5000));
        QCOMPARE(fromWorker, mesaj::SonucHayir);
        QCOMPARE(thread, qApp->thread());
    }
};

QTEST_MAIN(TestMesajGoster)
#include "tst_mesajgoster.moc"
