#include "app/settings_schema.h"

#include <array>

namespace tessal {

namespace {

using enum SettingType;

constexpr SettingKey text(std::string_view name, std::string_view defaultText) {
    return {name, Text, 0, defaultText};
}
constexpr SettingKey integer(std::string_view name, int defaultValue) {
    return {name, Integer, defaultValue, {}};
}
constexpr SettingKey boolean(std::string_view name, bool defaultValue) {
    return {name, Boolean, defaultValue ? 1 : 0, {}};
}

constexpr std::array kWriteOrder{
    text("Text1", "CQ CQ DE QX0ZZZ"),
    text("Text2", "HELLOW Tessal"),
    text("DefaultFolder", ""),
    integer("EnableNo", 0),
    integer("Top", 100),
    integer("Left", 100),
    integer("RandomLength", 1),
    integer("RandomBaseMode", 0),
    integer("SpeedWPS", 10),
    integer("Frequency1", 1000),
    integer("Duration1", 1000),
    integer("StrDelay", 2),
    integer("SoundCode1", 3),
    integer("SoundCode2", 3),
    integer("ConvMode", 0),
    integer("QTypeMode", 1),
    integer("Volume1", 50),
    integer("Volume2", 50),
    integer("RepeCount", 3),
    integer("ComPortNo", 0),
    integer("DotAssCode", 0),
    integer("DashAssCode", 1),
    integer("KeyType", 0),
    integer("BugDotTime", 0),
    integer("BugDashTime", 1),
    integer("STDotTime", 0),
    integer("STDashTime", 1),
    integer("FilePlayMode", 0),
    integer("ComDelayTime", 2),
    integer("StIntervalTime", 500),
    integer("BKIntervalTime", 1),
    integer("VKIntervalTime", 1),
    integer("KeyDicMode", 0),
    integer("BKCRTiming", 1),
    integer("VKCRTiming", 1),
    integer("STCRTiming", 1),
    integer("VKDotTime", 1),
    integer("QSOResTime", 1),
    integer("QSOLevel", 1),
    integer("TalkingIT", 1),
    integer("TalkingRepCount", 1),
    boolean("DotRev", false),
    boolean("DashRev", false),
    boolean("guideFlag", false),
    boolean("StringFlag", true),
    boolean("CodeFlag", true),
    boolean("FreeEdit1Enable", false),
    boolean("AddSymFlag", false),
    boolean("AddNumFlag", false),
    boolean("BUGFull", false),
    boolean("BKRepeat", false),
    boolean("TalkingMode", false),
    boolean("TIContiFlag", false),
};

constexpr bool isVolume(const SettingKey& key) {
    return key.name == "Volume1" || key.name == "Volume2";
}

using KeyTable = std::array<SettingKey, kWriteOrder.size()>;

// The volumes are read before the conversion mode; everything else keeps the write order.
constexpr KeyTable readOrderOf(const KeyTable& keys) {
    KeyTable order{};
    std::size_t next = 0;
    for (const SettingKey& key : keys) {
        if (isVolume(key))
            continue;
        if (key.name == "ConvMode") {
            for (const SettingKey& volume : keys)
                if (isVolume(volume))
                    order[next++] = volume;
        }
        order[next++] = key;
    }
    return order;
}

constexpr auto kReadOrder = readOrderOf(kWriteOrder);

static_assert(kWriteOrder.size() == 53);
static_assert(kReadOrder[14].name == "Volume1" && kReadOrder[16].name == "ConvMode");

} // namespace

std::span<const SettingKey> settingKeysInWriteOrder() {
    return kWriteOrder;
}

std::span<const SettingKey> settingKeysInReadOrder() {
    return kReadOrder;
}

} // namespace tessal
