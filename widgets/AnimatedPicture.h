#pragma once

#include <QByteArray>
#include <QLabel>

class QBuffer;
class QMovie;

// An animated GIF in a label (banner, busy indicators), loaded from a file or from bytes.
class AnimatedPicture : public QLabel
{
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    ~AnimatedPicture() override;

    // Replaces the animation when the data holds a readable animation; otherwise the current
    // one stays and false is returned. The new one runs if the old one ran (or was the first).
    bool setData(const QByteArray &bytes);
    bool setFile(const QString &path);

    void start();
    void stop();
    bool isRunning() const;
    QMovie *movie() const { return m_movie; }
    int frameCount() const;

private:
    bool adopt(QMovie *movie, QBuffer *buffer);

    QMovie *m_movie = nullptr;
    QBuffer *m_buffer = nullptr;
};
