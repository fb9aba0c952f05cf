#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

// The small date dialog of the reports: one or two days, closed with "Seç".
class Ttarihsec : public QDialog
{
    Q_OBJECT
public:
    explicit Ttarihsec(QWidget *owner);

    // For one-date reports: hides the second date before the dialog is shown.
    void tekTarih();

    // The chosen days; the time of day never reaches a report.
    QDate tarih1() const;
    QDate tarih2() const;

    QLabel *Label1() const { return m_Label1; }
    QLabel *Label2() const { return m_Label2; }
    QDateEdit *DateTimePicker1() const { return m_DateTimePicker1; }
    QDateEdit *DateTimePicker2() const { return m_DateTimePicker2; }
    QPushButton *Button1() const { return m_Button1; }

private:
    void FormCreate();

    QLabel *m_Label1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QDateEdit *m_DateTimePicker1 = nullptr;
    QDateEdit *m_DateTimePicker2 = nullptr;
    QPushButton *m_Button1 = nullptr;
};
