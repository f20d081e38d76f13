#pragma once

class QAction;
class QComboBox;
class QMenu;
class QSlider;

namespace tessal {

class TgdButton;

// The settings and controls of the sound setup (pitches, volumes, the keyer's sound switch); the
// form inherits them so its handlers in src/sound/ read them by name.
struct SoundState {
    QComboBox* SoundSelectCBox1 = nullptr;
    QComboBox* SoundSelectCBox2 = nullptr;
    QSlider* ListeningVolTBar = nullptr;
    QSlider* KeyVolTBar = nullptr;
    TgdButton* SoundSetUpBtn = nullptr;
    TgdButton* SoundTestBtn = nullptr;
    QMenu* SoundPMenu = nullptr;
    QAction* SoundPMenu1 = nullptr;
    QAction* SoundTest1 = nullptr;
    int Frequency1 = 1000, Frequency2 = 1000, SoundCode1 = 3, SoundCode2 = 3, Duration1 = 1000;
    int Volume1 = 50, Volume2 = 50, Volume_1 = 15000, Volume_2 = 15000;
    int WaveReady = 0;
};

} // namespace tessal
