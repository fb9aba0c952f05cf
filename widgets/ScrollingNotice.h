#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QTextDocument;

// A line of notices scrolling from right to left: each item is a short piece of simple HTML,
// items follow each other with a gap, and the line pauses while the mouse rests on it.
class ScrollingNotice : public QWidget
{
    Q_OBJECT
public:
    explicit ScrollingNotice(QWidget *parent = nullptr);
    ~ScrollingNotice() override;

    void addItem(const QString &html);
    void clear();
    int itemCount() const { return int(m_items.size()); }
    QString plainText() const; // every item as plain text

    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }
    bool isPaused() const { return m_hovered; }

    void setItemSpacing(int pixels);
    void setStep(int pixels) { m_step = pixels; } // per tick
    void setInterval(int ms) { m_timer.setInterval(ms); }
    int offset() const { return m_offset; } // pixels scrolled in the current pass
    int contentWidth() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void advance();
    void relayout();

    std::vector<std::unique_ptr<QTextDocument>> m_items;
    QTimer m_timer;
    int m_offset = 0;
    int m_step = 2;
    int m_spacing = 5;
    bool m_hovered = false;
};
