#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The order confirmation: the order's summary in a fixed-pitch font so the padded captions
// line up, the balance warning in red, and the question. "Evet" accepts, "Hayır" rejects.
class TONAYSIP : public QDialog
{
    Q_OBJECT
public:
    TONAYSIP(const QString &ozet, const QString &uyari, QWidget *parent = nullptr);

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    QLabel *Label3() const { return m_label3; }
    QPushButton *evetTusu() const { return m_evet; }
    QPushButton *hayirTusu() const { return m_hayir; }

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QPushButton *m_evet;
    QPushButton *m_hayir;
};
