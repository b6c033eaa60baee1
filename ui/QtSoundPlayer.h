#pragma once
// QtSoundPlayer: a SoundPlayer on QSoundEffect (PCM WAV), the player the program uses.

#include <QSoundEffect>

#include "SoundEffects.h"

namespace glimmerset::ui {

class QtSoundPlayer : public SoundPlayer {
 public:
  bool Open(const QString& file) override;
  bool IsOpen() const override { return open_; }
  bool IsPlaying() const override { return effect_.isPlaying(); }
  void Play() override;

 private:
  QSoundEffect effect_;
  bool open_ = false;
};

}  // namespace glimmerset::ui
