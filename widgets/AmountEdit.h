#pragma once

#include <QLineEdit>

// An amount box: shows its value as "#,###,##0.00" in the user's locale and, while the user
// edits it, the plain number ("1234,5" under tr_TR). The value always has two decimals.
class AmountEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountEdit(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

    // The number the text stands for under the locale (group separators allowed); 0 when empty.
    static double parse(const QString &text, const QLocale &locale, bool *ok = nullptr);

Q_SIGNALS:
    void valueChanged(double value); // as the user types and on setValue, when the value changes

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showFormatted();
    void showEditable();
    void installValidator();
    void onTextEdited(const QString &text);
    bool editing() const;

    double m_value = 0;
};
