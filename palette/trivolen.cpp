// The animated tool marker.
#include "palette/trivolen.h"

#include "platform/units.h"

#include <QMovie>

Trivolen::Trivolen(QWidget* parent) : QLabel(parent), TwipControl(this)
{
    // Clicks go through to nothing: the marker reacts to no clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Trivolen::setFile(const QString& path)
{
    file_ = path;
    auto* movie = new QMovie(path, QByteArray(), this);
    setMovie(movie);
    if (movie_ != nullptr)
        movie_->deleteLater();
    movie_ = movie;
    if (!movie->isValid()) {
        clear();
        return;
    }
    movie->jumpToFrame(0);
    const QSize size = movie->currentImage().size();
    if (!size.isEmpty()) {
        setWidth(platform::pixelsToTwips(size.width()));
        setHeight(platform::pixelsToTwips(size.height()));
    }
    movie->start();
}

bool Trivolen::isPlaying() const
{
    return movie_ != nullptr && movie_->state() == QMovie::Running;
}
