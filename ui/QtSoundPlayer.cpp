#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

namespace glimmerset::ui {

bool QtSoundPlayer::Open(const QString& file) {
  open_ = false;
  if (QMediaDevices::defaultAudioOutput().isNull()) return false;
  effect_.setSource(QUrl::fromLocalFile(file));
  if (effect_.status() == QSoundEffect::Loading) {
    // Loading a short WAV takes moments; the timer only guards against a player that never answers.
    QEventLoop loop;
    QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  open_ = effect_.status() == QSoundEffect::Ready;
  return open_;
}

void QtSoundPlayer::Play() {
  if (open_) effect_.play();
}

}  // namespace glimmerset::ui
