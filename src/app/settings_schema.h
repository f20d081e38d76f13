#pragma once

#include <span>
#include <string_view>

namespace tessal {

enum class SettingType { Text, Integer, Boolean };

// One key of the settings file. Booleans keep their default in `defaultNumber` as 1 or 0.
struct SettingKey {
    std::string_view name;
    SettingType type = SettingType::Integer;
    int defaultNumber = 0;
    std::string_view defaultText;
};

inline constexpr std::string_view kSettingsSection = "TessalSystem";

// Every key in the order a save writes them, so a fresh file lists them in this order.
std::span<const SettingKey> settingKeysInWriteOrder();

// The same keys in the order a load reads them: "Volume1" and "Volume2" come before "ConvMode".
std::span<const SettingKey> settingKeysInReadOrder();

} // namespace tessal
