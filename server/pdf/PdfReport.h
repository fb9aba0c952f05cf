#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A printable document of the order server (reports, receipts, published documents): a title,
// label/value pairs, an optional table and closing lines, rendered as an A4 PDF on request.
// Painting happens on the calling thread into memory; no window system is needed beyond the
// process's QGuiApplication (offscreen is enough).
class PdfReport
{
public:
    struct Column
    {
        QString header;
        int weight = 1; // share of the table width
        bool number = false; // right-aligned
    };

    explicit PdfReport(const QString &title);

    void setSubtitle(const QString &subtitle) { m_subtitle = subtitle; }
    void addField(const QString &label, const QString &value) { m_fields.append({label, value}); }
    void setColumns(const QList<Column> &columns) { m_columns = columns; }
    void addRow(const QStringList &cells) { m_rows.append(cells); }
    void addTotal(const QString &label, const QString &value) { m_totals.append({label, value}); }
    void addNote(const QString &line) { m_notes.append(line); }

    int rowCount() const { return int(m_rows.size()); }
    QByteArray render() const;

private:
    QString m_title;
    QString m_subtitle;
    QList<QPair<QString, QString>> m_fields;
    QList<Column> m_columns;
    QList<QStringList> m_rows;
    QList<QPair<QString, QString>> m_totals;
    QStringList m_notes;
};
