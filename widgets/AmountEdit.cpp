#include "widgets/AmountEdit.h"

#include "identity/AmountFormat.h"

#include <QEvent>
#include <QFocusEvent>
#include <QRegularExpressionValidator>

AmountEdit::AmountEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    installValidator();
    showFormatted();
    connect(this, &QLineEdit::textEdited, this, &AmountEdit::onTextEdited);
}

double AmountEdit::parse(const QString &text, const QLocale &locale, bool *ok)
{
    QString plain = text.trimmed();
    plain.remove(locale.groupSeparator());
    if (plain.isEmpty() || plain == locale.negativeSign()) {
        if (ok)
            *ok = true;
        return 0;
    }
    return locale.toDouble(plain, ok);
}

void AmountEdit::setValue(double value)
{
    const double old = m_value;
    m_value = Yuvarla(value);
    if (editing())
        showEditable();
    else
        showFormatted();
    // Only a real change is announced, so boxes that recompute each other settle.
    if (m_value != old)
        Q_EMIT valueChanged(m_value);
}

bool AmountEdit::editing() const
{
    return hasFocus() && !isReadOnly();
}

void AmountEdit::showFormatted()
{
    setText(formatAmount(m_value, locale()));
}

void AmountEdit::showEditable()
{
    QLocale plain = locale();
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    setText(plain.toString(m_value, 'f', 2));
}

void AmountEdit::installValidator()
{
    // Digits with group separators, one decimal separator and at most two decimals.
    const QLocale l = locale();
    const QString pattern = QStringLiteral("^%1?[0-9%2]*(%3[0-9]{0,2})?$")
                                .arg(QRegularExpression::escape(l.negativeSign()),
                                     QRegularExpression::escape(l.groupSeparator()),
                                     QRegularExpression::escape(l.decimalPoint()));
    delete validator();
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

void AmountEdit::onTextEdited(const QString &text)
{
    bool ok = false;
    const double v = parse(text, locale(), &ok);
    if (!ok)
        return;
    const double old = m_value;
    m_value = Yuvarla(v);
    if (m_value != old)
        Q_EMIT valueChanged(m_value);
}

void AmountEdit::focusInEvent(QFocusEvent *event)
{
    if (!isReadOnly()) {
        showEditable();
        QLineEdit::focusInEvent(event);
        selectAll();
        return;
    }
    QLineEdit::focusInEvent(event);
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showFormatted();
}

void AmountEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange) {
        installValidator();
        if (editing())
            showEditable();
        else
            showFormatted();
    } else if (event->type() == QEvent::ReadOnlyChange && !editing()) {
        showFormatted();
    }
    QLineEdit::changeEvent(event);
}
