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
  const QUrl source = QUrl::fromLocalFile(file);
  // Loading a short WAV takes moments. Qt's sample loader can miss a request that arrives while
  // its loading thread winds down, so a load that has not answered is asked for once more.
  for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
    QEventLoop loop;
    const QMetaObject::Connection answered = QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    effect_.setSource(QUrl());
    effect_.setSource(source);
    if (effect_.status() == QSoundEffect::Loading) loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(answered);
    if (effect_.status() == QSoundEffect::Error) return false;
    open_ = effect_.status() == QSoundEffect::Ready;
  }
  return open_;
}

void QtSoundPlayer::Play() {
  if (open_) effect_.play();
}

}  // namespace glimmerset::ui
