// The animated tool marker.
#include "palette/trivolen.h"

#include "platform/picture_io.h"
#include "platform/plain_file.h"
#include "platform/units.h"

#include <QBuffer>
#include <QMovie>

namespace {

// The shipped animations are a few kilobytes.
constexpr qint64 kMaxAnimationBytes = 8 * 1024 * 1024;

} // namespace

Trivolen::Trivolen(QWidget* parent) : QLabel(parent), TwipControl(this)
{
    // Clicks go through to nothing: the marker reacts to no clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Every frame is drawn into the control's rectangle, whatever its own size.
    setScaledContents(true);
}

void Trivolen::setPlace(QSize pixels)
{
    Q_ASSERT(!pixels.isEmpty());
    place_ = pixels;
}

void Trivolen::setFile(const QString& path)
{
    file_ = path;
    const platform::FileContent content = platform::readPlainFile(path, kMaxAnimationBytes);
    // Only the GIF decoder ever sees the bytes: QMovie would otherwise pick a
    // decoder by content.
    const bool gif = content.ok() && platform::pictureFormatOf(content.bytes) == platform::PictureFormat::Gif;
    auto* movie = new QMovie(this);
    auto* buffer = new QBuffer(movie);
    buffer->setData(gif ? content.bytes : QByteArray());
    movie->setFormat("gif");
    movie->setDevice(buffer);
    setMovie(movie);
    if (movie_ != nullptr)
        movie_->deleteLater();
    movie_ = movie;
    if (!gif || !movie->isValid() || !movie->jumpToFrame(0)) {
        clear();
        return;
    }
    fitToPlace();
    movie->start();
}

// The first frame's size, scaled down to fit the place when it is larger.
void Trivolen::fitToPlace()
{
    QSize size = movie_->currentImage().size();
    if (size.isEmpty())
        return;
    if (!place_.isEmpty() && (size.width() > place_.width() || size.height() > place_.height())) {
        size = size.scaled(place_, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        movie_->setScaledSize(size);
    }
    setWidth(platform::pixelsToTwips(size.width()));
    setHeight(platform::pixelsToTwips(size.height()));
}

bool Trivolen::isPlaying() const
{
    return movie_ != nullptr && movie_->state() == QMovie::Running;
}
