#include "app/tessal_form.h"
#include "listening/report_pane.h"
#include "platform/sim_platform.h"
#include "widgets/gd_button.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace tessal;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kRed{0xFF, 0x00, 0x00};
const QColor kWhite{0xFF, 0xFF, 0xFF};
const QColor kYellow{0xFF, 0xFF, 0x00};

struct Rig {
    Rig() {
        sim.setExecutablePath(dir.filePath(QStringLiteral("tessal")));
        sim.setWorkingDirectory(dir.path());
        form = std::make_unique<TTessalForm>(sim);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    SimPlatform sim;
    std::unique_ptr<TTessalForm> form;
};

using Lines = std::vector<std::pair<QString, QColor>>;

Lines paneLines(const ReportPane& pane) {
    Lines lines;
    for (const ColouredLine& line : pane.lines())
        lines.emplace_back(line.text, line.colour);
    return lines;
}

// The lines of an RTF file as unrtf, an independent reader, turns them into HTML.
Lines readBackWithUnrtf(const QString& path) {
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    EXPECT_TRUE(unrtf.waitForFinished(30000));
    const QString html = QString::fromUtf8(unrtf.readAllStandardOutput());
    static const QRegularExpression line(
        QStringLiteral("<font color=\"#([0-9a-f]{6})\">([^<]*)<br>"));
    static const QRegularExpression entity(QStringLiteral("&#(\\d+);"));
    Lines lines;
    for (const auto& match : line.globalMatch(html)) {
        QString text = match.captured(2);
        QString decoded;
        qsizetype from = 0;
        for (const auto& e : entity.globalMatch(text)) {
            decoded += text.mid(from, e.capturedStart() - from);
            decoded += QChar(char16_t(e.captured(1).toUInt()));
            from = e.capturedEnd();
        }
        decoded += text.mid(from);
        decoded.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        lines.emplace_back(decoded, QColor(u'#' + match.captured(1)));
    }
    return lines;
}

} // namespace

TEST(ReportPanes, LinesKeepTheirColoursAsMoreArrive) {
    Rig rig;
    TTessalForm& form = *rig.form;
    using Add = void (TTessalForm::*)(const QString&, const QColor&);
    const std::pair<Add, ReportPane*> panes[] = {{&TTessalForm::AddREdit1Line, form.REdit1},
                                                 {&TTessalForm::AddREdit2Line, form.REdit2},
                                                 {&TTessalForm::AddREdit3Line, form.REdit3}};
    const Lines written = {{QString(), kWhite},
                           {QStringLiteral("A  OK"), kAqua},
                           {QStringLiteral("B  NG"), kRed},
                           {QStringLiteral("CQ CQ DE QX0ZZZ K"), kWhite},
                           {QStringLiteral("ヒラガナ"), kYellow}};
    for (const auto& [add, pane] : panes) {
        EXPECT_TRUE(paneLines(*pane).empty()) << "panes start empty";
        for (const auto& [text, colour] : written)
            (form.*add)(text, colour);
        EXPECT_EQ(paneLines(*pane), written) << pane->objectName().toStdString();
    }
}

TEST(ReportPanes, LineBreaksInsideATextStartLinesOfTheSameColour) {
    Rig rig;
    rig.form->AddREdit1Line(QStringLiteral("one\r\ntwo\nthree"), kRed);
    rig.form->AddREdit1Line(QStringLiteral("four"), kAqua);
    const Lines expected = {{"one", kRed}, {"two", kRed}, {"three", kRed}, {"four", kAqua}};
    EXPECT_EQ(paneLines(*rig.form->REdit1), expected);
}

TEST(ReportPanes, EachClearButtonEmptiesOnlyItsOwnPane) {
    const char* clearButtons[] = {"ClearBtn", "gdButton5", "gdButton1"};
    for (int cleared = 0; cleared < 3; ++cleared) {
        Rig rig;
        TTessalForm& form = *rig.form;
        form.AddREdit1Line(QStringLiteral("listening"), kAqua);
        form.AddREdit2Line(QStringLiteral("keyer"), kAqua);
        form.AddREdit3Line(QStringLiteral("operation"), kAqua);
        form.findChild<TgdButton*>(QString::fromLatin1(clearButtons[cleared]))->click();
        const ReportPane* panes[] = {form.REdit1, form.REdit2, form.REdit3};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(panes[i]->lines().size(), i == cleared ? 0u : 1u) << clearButtons[cleared];
        form.AddREdit1Line(QStringLiteral("again"), kRed);
        EXPECT_EQ(paneLines(*form.REdit1).back(), std::pair(QStringLiteral("again"), kRed));
    }
}

TEST(ReportPanes, EachSaveButtonWritesItsOwnPaneAsRtf) {
    struct Case {
        const char* saveButton;
        void (TTessalForm::*add)(const QString&, const QColor&);
    };
    const Case cases[] = {{"SaveBtn", &TTessalForm::AddREdit1Line},
                          {"gdButton8", &TTessalForm::AddREdit2Line},
                          {"gdButton2", &TTessalForm::AddREdit3Line}};
    // unrtf folds runs of spaces, so the lines here have single ones.
    const Lines written = {{QStringLiteral("A OK"), kAqua},
                           {QStringLiteral("B NG {x} \\ <y>"), kRed},
                           {QStringLiteral("あ イ ～ 〒"), kWhite},
                           {QStringLiteral("HELLO"), kAqua}};
    for (const Case& c : cases) {
        Rig rig;
        TTessalForm& form = *rig.form;
        form.AddREdit1Line(QStringLiteral("other pane"), kYellow);
        form.AddREdit2Line(QStringLiteral("other pane"), kYellow);
        form.AddREdit3Line(QStringLiteral("other pane"), kYellow);
        for (TgdButton* clear : {form.ClearBtn, form.gdButton5, form.gdButton1})
            clear->click();
        for (const auto& [text, colour] : written)
            (form.*c.add)(text, colour);
        const QString path = rig.path("report.rtf");
        rig.sim.dialogs().queueSaveAnswer(path);
        form.findChild<TgdButton*>(QString::fromLatin1(c.saveButton))->click();
        EXPECT_EQ(form.statusText(0), "File Saved") << c.saveButton;
        EXPECT_EQ(form.FileName, path);
        EXPECT_EQ(readBackWithUnrtf(path), written) << c.saveButton;
    }
}

TEST(ReportPanes, SaveDialogProposesAReportBesideThePracticeFile) {
    struct Case {
        QString openedFolder;
        QString openedFile;
        QString proposed;
    };
    const Case cases[] = {
        {QString(), QString(), QString()},
        {"/home/op/cw", "/home/op/cw/lesson1.txt", "/home/op/cw/lesson1.rtf"},
        {"/home/op/cw", "/home/op/cw/notes.rtf", "/home/op/cw/notes_report.rtf"},
    };
    for (const Case& c : cases) {
        Rig rig;
        TTessalForm& form = *rig.form;
        form.OpenDialogFolder = c.openedFolder;
        form.OpenDialogFileName = c.openedFile;
        form.SaveBtn->click();
        ASSERT_EQ(rig.sim.dialogs().saveRequests().size(), 1u);
        EXPECT_EQ(rig.sim.dialogs().saveRequests()[0].folder, c.openedFolder);
        EXPECT_EQ(rig.sim.dialogs().saveRequests()[0].proposedName, c.proposed);
    }
}

TEST(ReportPanes, CancelledOrFailedSavesDoNotClaimSuccess) {
    struct Case {
        const char* name;
        QString answer;
        bool tellsTheUser;
    };
    Rig probe;
    const Case cases[] = {
        {"cancelled", QString(), false},
        {"missing folder", probe.path("no/such/folder/report.rtf"), true},
        {"folder as file", probe.dir.path(), true},
    };
    for (const Case& c : cases) {
        Rig rig;
        TTessalForm& form = *rig.form;
        form.AddREdit1Line(QStringLiteral("kept"), kAqua);
        rig.sim.dialogs().clearMessages();
        rig.sim.dialogs().queueSaveAnswer(c.answer);
        form.SaveBtn->click();
        EXPECT_EQ(form.statusText(0), "") << c.name;
        EXPECT_EQ(rig.sim.dialogs().messages().size(), c.tellsTheUser ? 1 : 0) << c.name;
        EXPECT_EQ(paneLines(*form.REdit1), (Lines{{"kept", kAqua}})) << c.name;
    }
}

TEST(ReportPanes, AnEmptyPaneSavesADocumentWithoutLines) {
    Rig rig;
    const QString path = rig.path("empty.rtf");
    rig.sim.dialogs().queueSaveAnswer(path);
    rig.form->SaveBtn->click();
    EXPECT_EQ(rig.form->statusText(0), "File Saved");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("{\\rtf1"));
    EXPECT_TRUE(readBackWithUnrtf(path).empty());
}
