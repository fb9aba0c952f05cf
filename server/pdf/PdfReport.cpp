#include "PdfReport.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QString fontFamily = QStringLiteral("DejaVu Sans");
const QColor ink(0x20, 0x20, 0x20);
const QColor accent(0xB0, 0x1E, 0x23);
const QColor band(0xEE, 0xF1, 0xF6);

QFont font(int points, bool bold = false)
{
    QFont f(fontFamily, points);
    f.setBold(bold);
    return f;
}

// Paints one document page by page, keeping the vertical position.
class Pager
{
public:
    Pager(QPdfWriter &writer, QPainter &painter) : m_writer(writer), m_painter(painter)
    {
        m_width = painter.viewport().width();
        m_height = painter.viewport().height();
    }

    int width() const { return m_width; }
    int y() const { return m_y; }
    void advance(int dy) { m_y += dy; }

    // Starts a new page when `needed` does not fit; true when it did.
    bool ensure(int needed)
    {
        if (m_y + needed <= m_height - footerHeight())
            return false;
        footer();
        m_writer.newPage();
        m_y = 0;
        ++m_page;
        return true;
    }

    void footer()
    {
        m_painter.setFont(font(7));
        m_painter.setPen(Qt::gray);
        const QRect area(0, m_height - footerHeight() + 10, m_width, footerHeight() - 10);
        m_painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Parvela Oto Yedek Parça"));
        m_painter.drawText(area, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Sayfa %1").arg(m_page));
        m_painter.setPen(ink);
    }

    int footerHeight() const { return QFontMetrics(font(7), &m_writer).height() * 2; }

private:
    QPdfWriter &m_writer;
    QPainter &m_painter;
    int m_width = 0;
    int m_height = 0;
    int m_y = 0;
    int m_page = 1;
};

} // namespace

PdfReport::PdfReport(const QString &title) : m_title(title)
{
}

QByteArray PdfReport::render() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("Parvela Sipariş Sunucusu"));
    writer.setResolution(150);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(14, 14, 14, 14),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    painter.setPen(ink);
    Pager pager(writer, painter);
    const int w = pager.width();

    // Title block.
    painter.setFont(font(15, true));
    painter.setPen(accent);
    const int titleHeight = QFontMetrics(painter.font(), &writer).height();
    painter.drawText(QRect(0, 0, w, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setPen(ink);
    painter.setFont(font(8));
    painter.drawText(QRect(0, 0, w, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    pager.advance(titleHeight);
    if (!m_subtitle.isEmpty()) {
        painter.setFont(font(9));
        const int h = QFontMetrics(painter.font(), &writer).height();
        painter.drawText(QRect(0, pager.y(), w, h), Qt::AlignLeft | Qt::AlignVCenter, m_subtitle);
        pager.advance(h);
    }
    painter.setPen(QPen(accent, 3));
    painter.drawLine(0, pager.y() + 8, w, pager.y() + 8);
    painter.setPen(ink);
    pager.advance(24);

    // Label and value pairs.
    painter.setFont(font(9));
    const int lineHeight = QFontMetrics(painter.font(), &writer).height() + 4;
    const int labelWidth = w / 4;
    for (const auto &[label, value] : m_fields) {
        pager.ensure(lineHeight);
        painter.setFont(font(9, true));
        painter.drawText(QRect(0, pager.y(), labelWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        painter.setFont(font(9));
        painter.drawText(QRect(labelWidth, pager.y(), w - labelWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         value);
        pager.advance(lineHeight);
    }
    if (!m_fields.isEmpty())
        pager.advance(lineHeight / 2);

    // Table with its header repeated on every page.
    if (!m_columns.isEmpty()) {
        int weights = 0;
        for (const Column &c : m_columns)
            weights += c.weight;
        QList<QRect> cells;
        int x = 0;
        for (const Column &c : m_columns) {
            const int cw = w * c.weight / weights;
            cells.append(QRect(x, 0, cw, 0));
            x += cw;
        }
        const QFont headFont = font(8, true);
        const QFont cellFont = font(8);
        const int rowHeight = QFontMetrics(cellFont, &writer).height() + 8;
        const auto header = [&] {
            painter.fillRect(QRect(0, pager.y(), w, rowHeight), accent);
            painter.setPen(Qt::white);
            painter.setFont(headFont);
            for (int i = 0; i < m_columns.size(); ++i)
                painter.drawText(cells[i].adjusted(4, 0, -4, 0).translated(0, pager.y()).adjusted(0, 0, 0, rowHeight),
                                 Qt::AlignVCenter | (m_columns[i].number ? Qt::AlignRight : Qt::AlignLeft),
                                 m_columns[i].header);
            painter.setPen(ink);
            pager.advance(rowHeight);
        };
        pager.ensure(rowHeight * 2);
        header();
        painter.setFont(cellFont);
        const QFontMetrics metrics(cellFont, &writer);
        for (int r = 0; r < m_rows.size(); ++r) {
            if (pager.ensure(rowHeight)) {
                header();
                painter.setFont(cellFont);
            }
            if (r % 2)
                painter.fillRect(QRect(0, pager.y(), w, rowHeight), band);
            const QStringList &row = m_rows[r];
            for (int i = 0; i < m_columns.size() && i < row.size(); ++i) {
                const QRect cell = cells[i].adjusted(4, 0, -4, 0).translated(0, pager.y()).adjusted(0, 0, 0, rowHeight);
                painter.drawText(cell, Qt::AlignVCenter | (m_columns[i].number ? Qt::AlignRight : Qt::AlignLeft),
                                 metrics.elidedText(row[i], Qt::ElideRight, cell.width()));
            }
            pager.advance(rowHeight);
        }
        if (m_rows.isEmpty()) {
            painter.drawText(QRect(0, pager.y(), w, rowHeight), Qt::AlignCenter, QStringLiteral("Kayıt bulunamadı"));
            pager.advance(rowHeight);
        }
        pager.advance(rowHeight / 2);
    }

    // Totals, right-aligned.
    painter.setFont(font(9, true));
    for (const auto &[label, value] : m_totals) {
        pager.ensure(lineHeight);
        painter.drawText(QRect(w / 2, pager.y(), w / 4, lineHeight), Qt::AlignRight | Qt::AlignVCenter, label);
        painter.drawText(QRect(w * 3 / 4, pager.y(), w / 4, lineHeight), Qt::AlignRight | Qt::AlignVCenter, value);
        pager.advance(lineHeight);
    }

    // Closing notes.
    painter.setFont(font(8));
    for (const QString &note : m_notes) {
        const QRect bounds = painter.boundingRect(QRect(0, 0, w, 100000), Qt::TextWordWrap, note);
        pager.ensure(bounds.height() + 6);
        painter.drawText(QRect(0, pager.y() + 6, w, bounds.height()), Qt::TextWordWrap, note);
        pager.advance(bounds.height() + 6);
    }
    pager.footer();
    painter.end();
    return bytes;
}
