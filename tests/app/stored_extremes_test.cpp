#include "app/ini_file.h"
#include "app/settings_schema.h"
#include "support/form_rig.h"
#include "widgets/gd_button.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <limits>

using namespace tessal;
using tessal::testing::FormRig;

namespace {

// Every number key of the settings file set to `value`, the way a damaged or hand-edited file
// may hold it.
QString everyNumberAs(qint64 value) {
    QString text = QStringLiteral("[TessalSystem]\n");
    for (const SettingKey& key : settingKeysInWriteOrder()) {
        if (key.type != SettingType::Text)
            text += QString::fromLatin1(key.name.data(), qsizetype(key.name.size())) + u'=' +
                    QString::number(value) + u'\n';
    }
    return text;
}

} // namespace

// Built with the sanitizers, any arithmetic overflow on such a value ends this test.
TEST(StoredExtremes, EveryNumberAtItsLimitsStartsPlaysAndEndsCleanly) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (qint64 value : {qint64(std::numeric_limits<int>::max()),
                         qint64(std::numeric_limits<int>::min()), qint64(-1), qint64(0)}) {
        SCOPED_TRACE(value);
        FormRig rig(everyNumberAs(value));
        EXPECT_TRUE(screen.contains(QRect(rig->pos(), QSize(100, 30))));

        for (TgdButton* category : {rig->KeyerBtn, rig->OperationBtn, rig->ListeningBtn})
            category->click();
        rig->FStringBtn->click();
        rig->EnableBtn1->click();
        rig->FreeEdit1->setText(QStringLiteral("CQ DE QX0ZZZ K"));
        rig->PlayBtn->click();
        for (int step = 0; step < 600 && rig->RUNFlag != 0; ++step)
            rig.loop().runFor(100);
        EXPECT_EQ(rig->RUNFlag, 0) << "the text played to its end within a minute";
        rig.form.reset();

        const IniFile saved(rig.iniPath());
        for (const char* key : {"Top", "Left"})
            EXPECT_EQ(saved.readInteger(QStringLiteral("TessalSystem"), QLatin1String(key), 7),
                      value)
                << key;
    }
}
