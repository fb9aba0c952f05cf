#include "widgets/AnimatedPicture.h"

#include <QBuffer>
#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

AnimatedPicture::~AnimatedPicture()
{
    // The movie reads from the buffer: it goes first.
    delete m_movie;
    delete m_buffer;
}

bool AnimatedPicture::setData(const QByteArray &bytes)
{
    auto *buffer = new QBuffer;
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return adopt(new QMovie(buffer, QByteArray()), buffer);
}

bool AnimatedPicture::setFile(const QString &path)
{
    return adopt(new QMovie(path), nullptr);
}

bool AnimatedPicture::adopt(QMovie *movie, QBuffer *buffer)
{
    if (!movie->isValid() || !movie->jumpToFrame(0)) {
        delete movie;
        delete buffer;
        return false;
    }
    const bool wasRunning = isRunning() || !m_movie;
    QLabel::setMovie(movie);
    delete m_movie;
    delete m_buffer;
    m_movie = movie;
    m_buffer = buffer;
    if (wasRunning)
        m_movie->start();
    return true;
}

void AnimatedPicture::start()
{
    if (m_movie)
        m_movie->start();
}

void AnimatedPicture::stop()
{
    if (m_movie)
        m_movie->stop();
}

bool AnimatedPicture::isRunning() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

int AnimatedPicture::frameCount() const
{
    return m_movie ? m_movie->frameCount() : 0;
}
