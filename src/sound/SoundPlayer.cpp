#include "sound/SoundPlayer.h"

#include "core/BackgroundWork.h"
#include "core/FileAccess.h"

#include <QAudioDevice>
#include <QFile>
#include <QFutureWatcher>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QWaveDecoder>

#include <array>
#include <limits>
#include <optional>

namespace {

// A play that has not ended this long after the sound should have is taken as failed. Generous: an idle
// sound server may take its time to start a stream and to report its end.
constexpr qint64 SafetyMarginMs = 5000;

// The length of the WAV sound in the file, or nothing when the file is not an ordinary file holding a WAV
// sound: the sound effect would sit forever "loading" such a file, so it is refused here. May wait on the
// file system: called off the GUI thread.
std::optional<qint64> waveDurationMs(const QString &path)
{
    const FileAccess::Opened opened = FileAccess::openRegular(path);
    if (!opened.file)
        return std::nullopt;
    QWaveDecoder decoder(opened.file.get());
    if (!decoder.open(QIODevice::ReadOnly) || !decoder.audioFormat().isValid() || decoder.duration() <= 0)
        return std::nullopt;
    return decoder.duration();
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : SoundDevice(parent)
    , m_effect(std::make_unique<QSoundEffect>())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SoundPlayer::onTimeout);
    connect(m_effect.get(), &QSoundEffect::playingChanged, this, &SoundPlayer::onPlayingChanged);
    connect(m_effect.get(), &QSoundEffect::statusChanged, this, &SoundPlayer::onStatusChanged);
}

SoundPlayer::~SoundPlayer()
{
    // The effect's last signals must not reach a half-destroyed object.
    disconnect(m_effect.get(), nullptr, this, nullptr);
    m_effect->stop();
}

void SoundPlayer::sendCommand(const QString &word)
{
    static const std::array<std::pair<QLatin1String, void (SoundPlayer::*)()>, 5> actions {{
        {QLatin1String("Open"), &SoundPlayer::open},
        {QLatin1String("Play"), &SoundPlayer::play},
        {QLatin1String("Stop"), &SoundPlayer::stop},
        {QLatin1String("Prev"), &SoundPlayer::stop},
        {QLatin1String("Close"), &SoundPlayer::close},
    }};
    m_command = word;
    for (const auto &[name, action] : actions) {
        if (word.compare(name, Qt::CaseInsensitive) == 0) {
            (this->*action)();
            return;
        }
    }
}

void SoundPlayer::open()
{
    close();
    if (m_fileName.isEmpty())
        return;
    const QString path = m_fileName;
    const quint64 openCount = ++m_openCount;
    m_opening = true;
    auto *watcher = new QFutureWatcher<std::optional<qint64>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, openCount, path] {
        watcher->deleteLater();
        // A later "Open" or "Close" has taken its place.
        if (openCount != m_openCount)
            return;
        const QFuture<std::optional<qint64>> future = watcher->future();
        opened(path, future.resultCount() > 0 ? future.result() : std::nullopt);
    });
    watcher->setFuture(BackgroundWork::run<std::optional<qint64>>([path] { return waveDurationMs(path); }));
}

void SoundPlayer::opened(const QString &path, std::optional<qint64> durationMs)
{
    m_opening = false;
    if (durationMs) {
        m_durationMs = *durationMs;
        // The default output of this moment, so that speakers plugged in since the start are used.
        m_effect->setAudioDevice(QMediaDevices::defaultAudioOutput());
        m_effect->setSource(QUrl::fromLocalFile(path));
    }
    if (m_playAfterOpen) {
        m_playAfterOpen = false;
        m_timer.stop();
        startPlay();
    }
}

void SoundPlayer::play()
{
    // A sound that is still playing is neither restarted nor queued.
    if (m_playing)
        return;
    m_playing = true;
    if (m_opening) {
        // Without any audio output nothing could sound: the play fails at once, as it does for a file
        // that has been opened.
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            endPlay(Failure);
            return;
        }
        // Sounds once the file has been checked; a check that does not answer ends the play.
        m_playAfterOpen = true;
        m_timer.start(static_cast<int>(SafetyMarginMs));
        return;
    }
    startPlay();
}

void SoundPlayer::startPlay()
{
    if (!canPlay()) {
        endPlay(Failure);
        return;
    }
    m_sincePlay.start();
    m_timer.start(static_cast<int>(std::min(m_durationMs + SafetyMarginMs, qint64(std::numeric_limits<int>::max()))));
    m_effect->play();
}

void SoundPlayer::stop()
{
    if (!m_playing)
        return;
    endPlay(Aborted);
    m_effect->stop();
}

void SoundPlayer::close()
{
    stop();
    ++m_openCount;
    m_opening = false;
    m_durationMs = 0;
    m_effect->setSource(QUrl());
}

bool SoundPlayer::canPlay() const
{
    return m_durationMs > 0 && m_effect->status() != QSoundEffect::Error && !m_effect->audioDevice().isNull();
}

void SoundPlayer::endPlay(NotifyCode code)
{
    if (!m_playing)
        return;
    m_playing = false;
    m_playAfterOpen = false;
    m_soundEnded = false;
    m_timer.stop();
    // Queued, so that the caller never sees Done before its own command has returned.
    QMetaObject::invokeMethod(
        this, [this, code] { emit Done(code); }, Qt::QueuedConnection);
}

void SoundPlayer::onPlayingChanged()
{
    if (!m_playing || m_effect->isPlaying())
        return;
    // The effect stops once the output has taken the last sample, which is before it has been heard.
    const qint64 remainingMs = m_durationMs - m_sincePlay.elapsed();
    if (remainingMs <= 0) {
        endPlay(Successful);
        return;
    }
    m_soundEnded = true;
    m_timer.start(static_cast<int>(remainingMs));
}

void SoundPlayer::onStatusChanged()
{
    if (m_effect->status() == QSoundEffect::Error)
        endPlay(Failure);
}

void SoundPlayer::onTimeout()
{
    // The file's check did not answer in time.
    if (m_playAfterOpen) {
        endPlay(Failure);
        return;
    }
    if (m_soundEnded) {
        endPlay(Successful);
        return;
    }
    // The play never ended: give up on it, and silence whatever is left of it.
    endPlay(Failure);
    m_effect->stop();
}

bool SoundPlayer::hasAudioOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}
