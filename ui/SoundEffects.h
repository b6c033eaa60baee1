#pragma once
// SoundEffects: the success and failure sounds of the main window. It finds the two files in the
// sound folder, opens a player for each, plays one without waiting (never restarting a sound that
// is still playing) and keeps the Sound switch, its menu item and status text in step with the
// "Sound effects" check box. The players and the messages are injected, so the decisions can be
// checked without an audio device.

#include <QString>
#include <functional>
#include <memory>

#include "core/Session.h"

namespace glimmerset::ui {

// One sound file on the platform's player.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Binds the player to the file and opens it; false when the file cannot be played or there
  // is no audio device.
  virtual bool Open(const QString& file) = 0;
  virtual bool IsOpen() const = 0;
  virtual bool IsPlaying() const = 0;
  // Starts the sound from its beginning and returns at once.
  virtual void Play() = 0;
};

using SoundPlayerFactory = std::function<std::unique_ptr<SoundPlayer>()>;

// The file in the folder whose name matches ignoring letter case; empty when there is none.
QString FindFileIgnoringCase(const QString& folder, const QString& name);

class SoundEffects {
 public:
  SoundEffects(Session& session, SoundPlayerFactory factory);

  // The folder of the two sound files, ending with the folder separator.
  const QString& SoundFolder() const { return soundFolder_; }
  void SetSoundFolder(const QString& folder);

  // Looks for both files, opens the players or disables the Sound menu item with a message.
  void SetupSounds();
  // The "Sound effects" check box changed: the switch follows it, with its status text.
  void SoundOnClick(bool checkBoxTicked);
  // "Locate Files" picked a file: its folder becomes the sound folder and the set-up runs again.
  void LocateFiles(const QString& pickedFile);
  // Plays the sound unless it is still playing; a player that is not open stays silent.
  void Play(SoundEffect sound);

  SoundPlayer* Won() const { return won_.get(); }
  SoundPlayer* Bad() const { return bad_.get(); }

 private:
  void DisableSoundItem();

  Session& session_;
  SoundPlayerFactory factory_;
  QString soundFolder_;
  std::unique_ptr<SoundPlayer> won_;
  std::unique_ptr<SoundPlayer> bad_;
};

}  // namespace glimmerset::ui
