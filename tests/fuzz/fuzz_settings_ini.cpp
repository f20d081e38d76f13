// The settings file as the trainer reads and writes it: whatever the bytes, every key reads back
// as it was written, and a second save of the same values gives the same bytes.
#include "app/ini_file.h"
#include "app/settings_schema.h"
#include "fuzz_check.h"

#include <vector>

using namespace tessal;
using tessal::fuzz::check;

namespace {

struct Value {
    QString text;
    int number = 0;
};

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::vector<Value> readAll(const IniFile& ini) {
    const QString section = latin1(kSettingsSection);
    std::vector<Value> values;
    for (const SettingKey& key : settingKeysInReadOrder()) {
        const QString name = latin1(key.name);
        Value value;
        switch (key.type) {
        case SettingType::Text:
            value.text = ini.readString(section, name, latin1(key.defaultText));
            break;
        case SettingType::Integer:
            value.number = ini.readInteger(section, name, key.defaultNumber);
            break;
        case SettingType::Boolean:
            value.number = ini.readBool(section, name, key.defaultNumber != 0) ? 1 : 0;
            break;
        }
        values.push_back(value);
    }
    return values;
}

void writeAll(IniFile& ini, const std::vector<Value>& values) {
    const QString section = latin1(kSettingsSection);
    const auto keys = settingKeysInReadOrder();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QString name = latin1(keys[i].name);
        switch (keys[i].type) {
        case SettingType::Text:
            ini.writeString(section, name, values[i].text);
            break;
        case SettingType::Integer:
            ini.writeInteger(section, name, values[i].number);
            break;
        case SettingType::Boolean:
            ini.writeBool(section, name, values[i].number != 0);
            break;
        }
    }
}

bool sameValues(const std::vector<Value>& a, const std::vector<Value>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].number != b[i].number)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile loaded(QStringLiteral("tessal.ini"), bytes);
    std::vector<Value> values = readAll(loaded);
    // What a save can hold: line breaks in a text become blanks.
    for (Value& value : values)
        value.text.replace(u'\r', u' ').replace(u'\n', u' ');

    writeAll(loaded, values);
    const QByteArray firstSave = loaded.toBytes();
    IniFile reread(QStringLiteral("tessal.ini"), firstSave);
    check(sameValues(readAll(reread), values), "a saved value reads back different");

    writeAll(reread, values);
    check(reread.toBytes() == firstSave, "a second save of the same values differs");
    return 0;
}
