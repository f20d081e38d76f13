#include "app/ini_file.h"
#include "app/settings_schema.h"
#include "app/tessal_form.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace tessal {

namespace {

struct NumberField {
    std::string_view key;
    int TTessalForm::*field;
};

// Where each integer and boolean key lives; "Top" and "Left" are the window position instead.
constexpr NumberField kNumberFields[] = {
    {"EnableNo", &TTessalForm::EnableNo},
    {"RandomLength", &TTessalForm::RandomLength},
    {"RandomBaseMode", &TTessalForm::RandomBaseMode},
    {"SpeedWPS", &TTessalForm::SpeedWPS},
    {"Frequency1", &TTessalForm::Frequency1},
    {"Duration1", &TTessalForm::Duration1},
    {"StrDelay", &TTessalForm::StrDelay},
    {"SoundCode1", &TTessalForm::SoundCode1},
    {"SoundCode2", &TTessalForm::SoundCode2},
    {"ConvMode", &TTessalForm::ConvMode},
    {"QTypeMode", &TTessalForm::QTypeMode},
    {"Volume1", &TTessalForm::Volume1},
    {"Volume2", &TTessalForm::Volume2},
    {"RepeCount", &TTessalForm::RepeCount},
    {"ComPortNo", &TTessalForm::ComPortNo},
    {"DotAssCode", &TTessalForm::DotAssCode},
    {"DashAssCode", &TTessalForm::DashAssCode},
    {"KeyType", &TTessalForm::KeyType},
    {"BugDotTime", &TTessalForm::BugDotTime},
    {"BugDashTime", &TTessalForm::BugDashTime},
    {"STDotTime", &TTessalForm::STDotTime},
    {"STDashTime", &TTessalForm::STDashTime},
    {"FilePlayMode", &TTessalForm::FilePlayMode},
    {"ComDelayTime", &TTessalForm::ComDelayTime},
    {"StIntervalTime", &TTessalForm::StIntervalTime},
    {"BKIntervalTime", &TTessalForm::BKIntervalTime},
    {"VKIntervalTime", &TTessalForm::VKIntervalTime},
    {"KeyDicMode", &TTessalForm::KeyDicMode},
    {"BKCRTiming", &TTessalForm::BKCRTiming},
    {"VKCRTiming", &TTessalForm::VKCRTiming},
    {"STCRTiming", &TTessalForm::STCRTiming},
    {"VKDotTime", &TTessalForm::VKDotTime},
    {"QSOResTime", &TTessalForm::QSOResTime},
    {"QSOLevel", &TTessalForm::QSOlevel},
    {"TalkingIT", &TTessalForm::TalkingIT},
    {"TalkingRepCount", &TTessalForm::TalkingRepCount},
    {"DotRev", &TTessalForm::DotRev},
    {"DashRev", &TTessalForm::DashRev},
    {"guideFlag", &TTessalForm::guideFlag},
    {"StringFlag", &TTessalForm::StringFlag},
    {"CodeFlag", &TTessalForm::CodeFlag},
    {"FreeEdit1Enable", &TTessalForm::FreeEdit1Enable},
    {"AddSymFlag", &TTessalForm::AddSymFlag},
    {"AddNumFlag", &TTessalForm::AddNumFlag},
    {"BUGFull", &TTessalForm::BugFull},
    {"BKRepeat", &TTessalForm::BKRepeat},
    {"TalkingMode", &TTessalForm::TalkingMode},
    {"TIContiFlag", &TTessalForm::TIContiFlag},
};

int& numberField(TTessalForm& form, std::string_view key) {
    for (const NumberField& binding : kNumberFields) {
        if (binding.key == key)
            return form.*binding.field;
    }
    qFatal("settings key without a form field: %.*s", int(key.size()), key.data());
}

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString textSetting(const TTessalForm& form, std::string_view key) {
    if (key == "Text1")
        return form.FreeEdit1->text();
    if (key == "Text2")
        return form.FreeEdit2->text();
    return form.FDefaultFolder;
}

void setTextSetting(TTessalForm& form, std::string_view key, const QString& value) {
    if (key == "Text1")
        form.FreeEdit1->setText(value);
    else if (key == "Text2")
        form.FreeEdit2->setText(value);
    else
        form.FDefaultFolder = value;
}

int integerSetting(TTessalForm& form, std::string_view key) {
    const bool unmoved = form.pos() == form.PlacedPosition;
    if (key == "Top")
        return unmoved ? form.StoredTop : form.y();
    if (key == "Left")
        return unmoved ? form.StoredLeft : form.x();
    return numberField(form, key);
}

void setIntegerSetting(TTessalForm& form, std::string_view key, int value) {
    if (key == "Top")
        form.StoredTop = value;
    else if (key == "Left")
        form.StoredLeft = value;
    else
        numberField(form, key) = value;
}

void loadSetting(TTessalForm& form, const IniFile& ini, const SettingKey& key) {
    const QString section = toQString(kSettingsSection);
    const QString name = toQString(key.name);
    switch (key.type) {
    case SettingType::Text:
        setTextSetting(form, key.name, ini.readString(section, name, toQString(key.defaultText)));
        break;
    case SettingType::Integer:
        setIntegerSetting(form, key.name, ini.readInteger(section, name, key.defaultNumber));
        break;
    case SettingType::Boolean:
        numberField(form, key.name) = ini.readBool(section, name, key.defaultNumber != 0) ? -1 : 0;
        break;
    }
}

void saveSetting(TTessalForm& form, IniFile& ini, const SettingKey& key) {
    const QString section = toQString(kSettingsSection);
    const QString name = toQString(key.name);
    switch (key.type) {
    case SettingType::Text:
        ini.writeString(section, name, textSetting(form, key.name));
        break;
    case SettingType::Integer:
        ini.writeInteger(section, name, integerSetting(form, key.name));
        break;
    case SettingType::Boolean:
        ini.writeBool(section, name, numberField(form, key.name) != 0);
        break;
    }
}

// A settings path that holds something other than a sane settings file is left alone: the
// defaults are used and the save does not replace it.
std::optional<QString> refusedSettingsFile(const IniFile& ini, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    switch (ini.readStatus()) {
    case TextFileStatus::NotRegularFile:
        return QStringLiteral("The settings file \"%1\" is not a regular file. The default "
                              "settings are used, and the file is left as it is.")
            .arg(name);
    case TextFileStatus::TooLarge:
        return QStringLiteral("The settings file \"%1\" is larger than %2 MB. The default "
                              "settings are used, and the file is left as it is.")
            .arg(name)
            .arg(kMaxTextFileBytes / (1024 * 1024));
    default:
        return std::nullopt;
    }
}

} // namespace

void TTessalForm::LoadSettings() {
    const IniFile ini(INI_FILE);
    if (const auto refusal = refusedSettingsFile(ini, INI_FILE))
        platform_.dialogs().showMessage(*refusal);
    for (const SettingKey& key : settingKeysInReadOrder())
        loadSetting(*this, ini, key);
    PlaceWindow();

    // Each value reaches its controls through its apply step, in this order.
    StringFlagApply();                        // 1.
    CodeFlagApply();                          // 2.
    SoundCodeApply();                         // 3.
    VolumeApply();                            // 4.
    StrDelayApply();                          // 5.
    FreeEdit1EnableApply();                   // 6.
    QTypeModeApply();                         // 7.
    RepeCountApply();                         // 8.
    EnableNoApply();                          // 9.
    ApplyKeyRev();                            // 10.
    ApplyDotAss();                            // 11.
    ApplyDashAss();                           // 12.
    ApplyKeyType();                           // 13.
    ApplyBugTimes();                          // 14.
    ApplySTTimes();                           // 15.
    FilePlayModeApply();                      // 16.
    ApplyComDelay();                          // 17.
    ApplyStInterval();                        // 18.
    ApplyBKInterval();                        // 19.
    ApplyVKInterval();                        // 20.
    ApplyBKRepeat();                          // 21.
    ApplyKeyDicMode();                        // 22.
    ApplyBKCRTiming();                        // 23.
    ApplySTCRTiming();                        // 24.
    ApplyVKCRTiming();                        // 25.
    ApplyVKDotTime();                         // 26.
    ApplyQSOResTime();                        // 27.
    ApplyQSOLevel();                          // 28.
    SoundSelectApply(SoundCode1, SoundCode2); // 29.
    // 30. A stored speed none of the six would leave no speed chosen: 10 WPM then.
    if (!SpeedWPSApply(SpeedWPS))
        SpeedSelect(1);
    RandomLengthApply();     // 31.
    ConvModeApply(ConvMode); // 32.
    ApplyComPortNo();        // 33.
    TalkingRepCountApply();  // 34.
    TalkingITApply();        // 35.
    RandomBaseModeApply();   // 36.
    TIContiFlagApply();      // 37.
    QSOKeyinModeFlag = 0;    // 38.
    ApplyKeyInMode();
}

void TTessalForm::SaveSettings() {
    // The first save to the user's config folder creates it.
    QDir().mkpath(QFileInfo(INI_FILE).absolutePath());
    IniFile ini(INI_FILE);
    if (refusedSettingsFile(ini, INI_FILE))
        return;
    for (const SettingKey& key : settingKeysInWriteOrder())
        saveSetting(*this, ini, key);
    // Shutdown has nobody left to tell; a failed write keeps the previous file whole.
    ini.save();
}

} // namespace tessal
