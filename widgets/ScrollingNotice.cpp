#include "widgets/ScrollingNotice.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace {

// Items come from the server: they may format text, but never make the client read files
// or other resources named in them (only inline "data:" pictures are drawn).
class NoticeDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
            return QTextDocument::loadResource(type, name);
        return {};
    }
};

} // namespace

ScrollingNotice::ScrollingNotice(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Kayan duyuru"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &ScrollingNotice::advance);
}

ScrollingNotice::~ScrollingNotice() = default;

void ScrollingNotice::addItem(const QString &html)
{
    auto doc = std::make_unique<NoticeDocument>();
    doc->setDocumentMargin(0);
    doc->setDefaultFont(font());
    doc->setHtml(html);
    doc->setTextWidth(-1);
    m_items.push_back(std::move(doc));
    setAccessibleDescription(plainText());
    update();
}

void ScrollingNotice::clear()
{
    m_items.clear();
    m_offset = 0;
    setAccessibleDescription({});
    update();
}

QString ScrollingNotice::plainText() const
{
    QStringList parts;
    for (const auto &doc : m_items)
        parts.append(doc->toPlainText().simplified());
    return parts.join(QStringLiteral("  "));
}

void ScrollingNotice::start()
{
    m_timer.start();
}

void ScrollingNotice::stop()
{
    m_timer.stop();
}

void ScrollingNotice::setItemSpacing(int pixels)
{
    m_spacing = pixels;
    update();
}

int ScrollingNotice::contentWidth() const
{
    int width = 0;
    for (const auto &doc : m_items)
        width += qCeil(doc->idealWidth()) + m_spacing;
    return width;
}

QSize ScrollingNotice::sizeHint() const
{
    return {400, 40};
}

void ScrollingNotice::advance()
{
    if (m_hovered || m_items.empty())
        return;
    m_offset += m_step;
    // A pass ends when the last item has left at the left edge; the next enters at the right.
    if (m_offset > width() + contentWidth())
        m_offset = 0;
    update();
}

void ScrollingNotice::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    qreal x = width() - m_offset;
    for (const auto &doc : m_items) {
        const qreal w = doc->idealWidth();
        if (x + w >= 0 && x <= width()) {
            p.save();
            p.translate(x, (height() - doc->size().height()) / 2.0);
            doc->drawContents(&p);
            p.restore();
        }
        x += qCeil(w) + m_spacing;
    }
}

void ScrollingNotice::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    QWidget::enterEvent(event);
}

void ScrollingNotice::leaveEvent(QEvent *event)
{
    m_hovered = false;
    QWidget::leaveEvent(event);
}

void ScrollingNotice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}

void ScrollingNotice::relayout()
{
    for (const auto &doc : m_items)
        doc->setDefaultFont(font());
    update();
}
