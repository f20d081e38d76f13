#include "render/render_trainer.h"

#include "app/ini_file.h"
#include "app/settings_schema.h"
#include "app/tessal_form.h"
#include "listening/speed_table.h"
#include "platform/error.h"
#include "platform/sim_platform.h"
#include "sound/tone_table.h"

#include <QFile>
#include <functional>

namespace tessal {
namespace {

// A stored value the trainer would take but a file cannot use, and what replaces it.
struct StoredCheck {
    const char* key;
    bool overridden; // an option gives the value instead
    std::function<bool(int)> usable;
    std::function<void(TTessalForm&)> replace;
    QString replacement;
};

// The trainer's volume slider range.
constexpr int kLowestVolume = 10;
constexpr int kHighestVolume = 100;

bool isToneChoice(int soundCode) {
    return soundCode >= 0 && soundCode < int(kToneChoices.size());
}

} // namespace

RenderTrainer::RenderTrainer(const RenderPlaces& places) {
    settingsCopy_ = scratch_.filePath(QStringLiteral("tessal.ini"));
    if (QFile::exists(places.settingsFile))
        QFile::copy(places.settingsFile, settingsCopy_);
    sim_ = std::make_unique<SimPlatform>();
    sim_->setExecutablePath(scratch_.filePath(QStringLiteral("tessal")));
    sim_->setWorkingDirectory(places.workingDirectory);
    // A wait that can never end is a fault to report, not a reason to abort.
    sim_->loop().setStallHandler([](const QString& why) { throw TessalError(why); });
    form_ = std::make_unique<TTessalForm>(*sim_);
    startError_ = sim_->dialogs().messages().join(u'\n');
}

RenderTrainer::~RenderTrainer() = default;

QStringList RenderTrainer::prepare(const RenderOptions& options) {
    TTessalForm& form = *form_;
    const std::vector<StoredCheck> checks = {
        {"SpeedWPS", options.wpm || options.parisWpm,
         [](int v) { return speedRowForWpm(v).has_value(); },
         [](TTessalForm& f) { f.SpeedSelect(1); }, QStringLiteral("10 WPM")},
        {"StrDelay", options.wordGap || options.parisWpm, [](int v) { return v >= 1 && v <= 3; },
         [](TTessalForm& f) { f.StrDelay = 2; }, QStringLiteral("2")},
        {"SoundCode1", options.toneHz.has_value(), isToneChoice,
         [](TTessalForm& f) { f.Frequency1 = kFallbackToneHz; },
         QStringLiteral("%1 Hz").arg(kFallbackToneHz)},
        // The trainer has already brought the volume into its range.
        {"Volume1", options.volume.has_value(),
         [](int v) { return v >= kLowestVolume && v <= kHighestVolume; }, [](TTessalForm&) {},
         QStringLiteral("the nearest of %1..%2").arg(kLowestVolume).arg(kHighestVolume)},
    };
    const IniFile stored(settingsCopy_);
    const QString section = QString::fromLatin1(kSettingsSection.data(), kSettingsSection.size());
    QStringList notes;
    for (const StoredCheck& check : checks) {
        const QString key = QString::fromLatin1(check.key);
        const QString raw = stored.readString(section, key, QString());
        if (check.overridden || raw.isNull())
            continue;
        bool isNumber = false;
        const int value = raw.trimmed().toInt(&isNumber);
        if (isNumber && check.usable(value))
            continue;
        check.replace(form);
        notes.append(QStringLiteral("the stored %1=%2 is not one of the trainer's values; "
                                    "using %3")
                         .arg(key, raw, check.replacement));
    }
    if (form.DotTime <= 0 || form.DashTime <= 0)
        form.SpeedSelect(1);

    if (options.wpm)
        form.SpeedWPSApply(*options.wpm);
    if (options.toneHz)
        form.Frequency1 = *options.toneHz;
    if (options.volume) {
        form.Volume1 = *options.volume;
        form.VolumeApply();
    }
    if (options.wordGap)
        form.StrDelay = *options.wordGap;
    // Plain playback: no talking, answer stage or file step follows a line, and no sidetone
    // loop sounds into the file.
    form.TalkingMode = 0;
    form.QTypeMode = 2;
    form.sound().CloseSidetone();
    return notes;
}

} // namespace tessal
