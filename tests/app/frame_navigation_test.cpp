#include "app/frame_form_fixture.h"
#include "widgets/gd_button.h"

#include <QLabel>
#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace tessal;

namespace {

const QColor kAquaMark{0x00, 0xFF, 0xFF};
const QColor kBlueMark{0x00, 0x00, 0xFF};

TgdButton* button(TTessalForm& form, const char* name) {
    auto* found = form.findChild<TgdButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The button marked aqua in a group, or "" when none is.
QString markedMember(TTessalForm& form, std::initializer_list<const char*> group) {
    QString marked;
    for (const char* name : group) {
        const QColor mark = button(form, name)->mark();
        if (mark == kAquaMark)
            marked += QString::fromLatin1(name);
        else
            EXPECT_EQ(mark, kBlueMark) << name;
    }
    return marked;
}

QString markedCategory(TTessalForm& form) {
    return markedMember(form, {"ListeningBtn", "KeyerBtn", "OperationBtn", "SetUpBtn"});
}

QString markedSource(TTessalForm& form) {
    return markedMember(form, {"RandomBtn", "TFileBtn", "FStringBtn"});
}

} // namespace

TEST(FrameNavigation, FirstStartShowsListeningWithTheTextFileSource) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    EXPECT_EQ(form.PC1_Page, 0);
    EXPECT_EQ(form.PageControl1->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(form.PageControl2->currentWidget()->objectName(), "TabSheet6");
    EXPECT_EQ(form.TopLabel->text(), "Text File Mode");
    EXPECT_EQ(markedCategory(form), "ListeningBtn");
    EXPECT_EQ(markedSource(form), "TFileBtn");
    EXPECT_TRUE(form.FileOpePanel->isVisibleTo(&form));
    EXPECT_EQ(form.SetUpBtn->Tag(), 3);
}

TEST(FrameNavigation, ClickSequencesEndOnTheRightPage) {
    struct Case {
        std::vector<const char*> clicks;
        const char* page;
        const char* marked;
        const char* topLabel;
        int setupTag;
        int vkeyMode;
    };
    const std::vector<Case> cases = {
        {{"KeyerBtn"}, "TabSheet2", "KeyerBtn", "Vertical Key Mode", 3, -1},
        {{"SetUpBtn"}, "TabSheet7", "SetUpBtn", "Seup Mode", 0, 0},
        {{"SetUpBtn", "SetUpBtn"}, "TabSheet1", "ListeningBtn", "Text File Mode", 3, 0},
        {{"KeyerBtn", "SetUpBtn"}, "TabSheet7", "SetUpBtn", "Seup Mode", 1, 0},
        {{"KeyerBtn", "SetUpBtn", "SetUpBtn"}, "TabSheet2", "KeyerBtn", "Vertical Key Mode", 3, -1},
        {{"OperationBtn", "SetUpBtn"}, "TabSheet7", "SetUpBtn", "Seup Mode", 2, 0},
        {{"ListeningBtn", "SetUpBtn", "OperationBtn"},
         "TabSheet3",
         "OperationBtn",
         "Operation Mode",
         3,
         0},
        {{"KeyerBtn", "ListeningBtn"}, "TabSheet1", "ListeningBtn", "Text File Mode", 3, -1},
    };
    for (const Case& c : cases) {
        FrameForm rig;
        TTessalForm& form = *rig.form;
        QString trace;
        for (const char* name : c.clicks) {
            button(form, name)->click();
            trace += QString::fromLatin1(name) + u' ';
        }
        SCOPED_TRACE(trace.toStdString());
        EXPECT_EQ(form.PageControl1->currentWidget()->objectName(), c.page);
        EXPECT_EQ(form.PC1_Page, form.PageControl1->currentIndex());
        EXPECT_EQ(markedCategory(form), c.marked);
        EXPECT_EQ(form.TopLabel->text(), c.topLabel);
        EXPECT_EQ(form.SetUpBtn->Tag(), c.setupTag);
        EXPECT_EQ(form.VkeyMode, c.vkeyMode);
        EXPECT_EQ(form.BkeyMode, 0);
        EXPECT_EQ(form.SKeyMode, 0);
    }
}

TEST(FrameNavigation, TheKeySheetShownChoosesTheKeyEngineAndSetupStopsIt) {
    struct Case {
        int sheet;
        const char* topLabel;
        int vkey, bkey, skey;
    };
    const Case cases[] = {
        {0, "Vertical Key Mode", -1, 0, 0},
        {1, "BUG Key Mode", 0, -1, 0},
        {2, "Stacking Key Mode", 0, 0, -1},
    };
    for (const Case& c : cases) {
        FrameForm rig;
        TTessalForm& form = *rig.form;
        // With no key type chosen the key page keeps the sheet shown, and its engine is taken.
        form.KeyType = -1;
        form.PageControl3->setCurrentIndex(c.sheet);
        form.KeyerBtn->click();
        EXPECT_EQ(form.TopLabel->text(), c.topLabel);
        EXPECT_EQ(std::tuple(form.VkeyMode, form.BkeyMode, form.SKeyMode),
                  std::tuple(c.vkey, c.bkey, c.skey));
        form.SetUpBtn->click();
        EXPECT_EQ(std::tuple(form.VkeyMode, form.BkeyMode, form.SKeyMode), std::tuple(0, 0, 0));
    }
}

TEST(FrameNavigation, TheShownCategoryIsNotAppliedAgain) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    // A changed source is only shown by a re-apply, which pressing Listening again must not do.
    form.QTypeMode = 2;
    form.ListeningBtn->click();
    EXPECT_EQ(form.PageControl2->currentIndex(), 1);
    EXPECT_EQ(form.TopLabel->text(), "Text File Mode");
    EXPECT_EQ(markedCategory(form), "ListeningBtn");
}

TEST(FrameNavigation, NoCategoryChangesWhileAContactRuns) {
    for (const char* name : {"ListeningBtn", "KeyerBtn", "OperationBtn", "SetUpBtn"}) {
        FrameForm rig;
        TTessalForm& form = *rig.form;
        form.KeyerBtn->click();
        form.QSOBuzy = -1;
        button(form, name)->click();
        EXPECT_EQ(form.PC1_Page, 1) << name;
        EXPECT_EQ(form.PageControl1->currentIndex(), 1) << name;
        EXPECT_EQ(markedCategory(form), "KeyerBtn") << name;
        EXPECT_EQ(form.SetUpBtn->Tag(), 3) << name;
    }
}

TEST(FrameNavigation, QuestionSourceButtonsChooseTheSheet) {
    struct Case {
        const char* clicked;
        int mode;
        const char* sheet;
        const char* topLabel;
        bool fileOperations;
    };
    const Case cases[] = {
        {"RandomBtn", 0, "TabSheet5", "Random Charactor Mode", false},
        {"TFileBtn", 1, "TabSheet6", "Text File Mode", true},
        {"FStringBtn", 2, "TabSheet4", "Free String Mode", false},
    };
    for (const Case& c : cases) {
        FrameForm rig;
        TTessalForm& form = *rig.form;
        form.FStringBtn->click();
        button(form, c.clicked)->click();
        EXPECT_EQ(form.QTypeMode, c.mode) << c.clicked;
        EXPECT_EQ(form.PageControl2->currentWidget()->objectName(), c.sheet);
        EXPECT_EQ(form.TopLabel->text(), c.topLabel);
        EXPECT_EQ(markedSource(form), c.clicked);
        EXPECT_EQ(form.FileOpePanel->isVisibleTo(&form), c.fileOperations) << c.clicked;
        if (c.mode != 0) {
            EXPECT_FALSE(form.AnsPanel->isVisibleTo(&form));
            EXPECT_FALSE(form.AnsPanel2->isVisibleTo(&form));
            EXPECT_FALSE(form.TakingPanel->isVisibleTo(&form));
        }
    }
}

TEST(FrameNavigation, SourceButtonsAreRefusedWhilePlaying) {
    FrameForm rig;
    TTessalForm& form = *rig.form;
    form.RUNFlag = -1;
    form.RandomBtn->click();
    EXPECT_EQ(form.QTypeMode, 1);
    EXPECT_EQ(form.PageControl2->currentIndex(), 1);
    EXPECT_EQ(markedSource(form), "TFileBtn");
}

TEST(FrameNavigation, AnUnknownSourceMarksNoneAndKeepsTheSheet) {
    for (const int sheet : {0, 1, 2}) {
        FrameForm rig;
        TTessalForm& form = *rig.form;
        form.QTypeMode = sheet;
        form.QTypeModeApply();
        const QString topLabel = form.TopLabel->text();
        form.QTypeMode = 5;
        form.QTypeModeApply();
        EXPECT_EQ(form.PageControl2->currentIndex(), sheet);
        EXPECT_EQ(form.TopLabel->text(), topLabel);
        EXPECT_EQ(markedSource(form), "");
    }
}
