#include "SoundEffects.h"

#include <QDir>
#include <QFileInfo>

namespace glimmerset::ui {

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
  const QDir dir(folder);
  const QFileInfo exact(dir.filePath(name));
  if (exact.isFile()) return exact.filePath();
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
    if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0) return entry.filePath();
  }
  return {};
}

SoundEffects::SoundEffects(Session& session, SoundPlayerFactory factory)
    : session_(session), factory_(std::move(factory)) {}

void SoundEffects::SetSoundFolder(const QString& folder) {
  soundFolder_ = folder;
  if (!soundFolder_.isEmpty() && !soundFolder_.endsWith(QLatin1Char('/'))) soundFolder_ += QLatin1Char('/');
}

void SoundEffects::DisableSoundItem() {
  session_.Model.SoundSwitch = false;
  session_.Model.SoundMenuEnabled = false;
  session_.CommandsChanged();
}

void SoundEffects::SetupSounds() {
  // Fresh players for every set-up: a player is bound to one file.
  bad_ = factory_();
  won_ = factory_();
  const QString wonFile = FindFileIgnoringCase(soundFolder_, QStringLiteral("won.wav"));
  const QString badFile = FindFileIgnoringCase(soundFolder_, QStringLiteral("bad.wav"));
  if (wonFile.isEmpty() || badFile.isEmpty()) {
    DisableSoundItem();
    session_.SetStatus(SoundPanel, "Sound Disabled");
    session_.Message("No sound file present, sound disabled");
    return;
  }
  if (!bad_->Open(badFile) || !won_->Open(wonFile)) {
    DisableSoundItem();
    session_.Message("No Sound device present or other audio error\r sounds disabled");
  }
}

void SoundEffects::SoundOnClick(bool checkBoxTicked) {
  session_.Model.SoundSwitch = checkBoxTicked;
  session_.CommandsChanged();
  session_.SetStatus(SoundPanel, checkBoxTicked ? "Sound Enabled" : "Sound Disabled");
}

void SoundEffects::LocateFiles(const QString& pickedFile) {
  SetSoundFolder(QFileInfo(pickedFile).absolutePath());
  SetupSounds();
}

void SoundEffects::Play(SoundEffect sound) {
  SoundPlayer* player = sound == SoundEffect::Won ? won_.get() : bad_.get();
  if (!player || !player->IsOpen() || player->IsPlaying()) return;
  player->Play();
}

}  // namespace glimmerset::ui
