#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tessal {

// What tessal-render was asked for; unset values come from the settings file.
struct RenderOptions {
    std::optional<int> wpm;
    std::optional<int> toneHz;
    std::optional<int> volume;
    std::optional<int> wordGap;
    std::optional<int> parisWpm;      // standard timing instead of the trainer's speed table
    std::optional<int> farnsworthWpm; // overall speed with the characters at parisWpm
    std::optional<int> quality;       // 0..10, for the lossy formats
    std::optional<int> sampleRate;    // of the file; the trainer's 44100 Hz when unset
    std::optional<QString> text;
    std::optional<QString> file;
    QString output;
};

struct RenderParse {
    std::optional<RenderOptions> options; // empty when the arguments are wrong
    QString error;                        // why, for the user
};

inline constexpr int kRenderMinToneHz = 100;
inline constexpr int kRenderMaxToneHz = 4000;
inline constexpr int kRenderMinParisWpm = 5;
inline constexpr int kRenderMaxParisWpm = 60;

// Parses the arguments after the program name.
RenderParse parseRenderArguments(const QStringList& arguments);

QString renderUsage();

} // namespace tessal
