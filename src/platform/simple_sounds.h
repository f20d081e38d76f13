#pragma once

namespace tessal {

// The two notification sounds the judgement uses, named as the classic API names its flags.
enum class MessageSound : unsigned {
    Ok = 0x00000000u,
    Asterisk = 0x00000040u,
    Exclamation = 0x00000030u,
    Hand = 0x00000010u,
    Question = 0x00000020u
};

class SimpleSounds {
public:
    virtual ~SimpleSounds() = default;
    // A plain tone; returns when it has sounded.
    virtual void beep(int frequencyHz, int durationMs) = 0;
    // A short notification sound; returns at once.
    virtual void messageBeep(MessageSound sound) = 0;
};

} // namespace tessal
