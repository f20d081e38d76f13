// Renders each category page of the trainer window to a PNG file, without a display or sound
// card: tessal-screenshot <working directory> <output folder>.
#include "app/tessal_form.h"
#include "listening/report_pane.h"
#include "platform/sim_platform.h"
#include "widgets/gd_button.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

bool savePicture(tessal::TTessalForm& form, const QDir& output, const char* file) {
    QApplication::processEvents();
    const QString path = output.filePath(QString::fromLatin1(file));
    if (form.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessal-screenshot <working directory> <output folder>\n");
        return 2;
    }
    const QString workingDirectory = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));

    // The settings file goes to a scratch folder, so the pictures show the first-start state.
    QTemporaryDir scratch;
    tessal::SimPlatform sim;
    sim.setExecutablePath(scratch.filePath(QStringLiteral("tessal")));
    sim.setWorkingDirectory(workingDirectory);
    tessal::TTessalForm form(sim);
    form.show();

    struct Page {
        tessal::TgdButton* button;
        const char* file;
    };
    const Page pages[] = {{form.KeyerBtn, "keyer.png"},
                          {form.OperationBtn, "operation.png"},
                          {form.SetUpBtn, "setup.png"},
                          {form.ListeningBtn, "listening.png"}};
    for (const Page& page : pages) {
        form.CategoriesChange(page.button);
        if (!savePicture(form, output, page.file))
            return 1;
    }
    // The first screen with a shipped practice file loaded and its first line played.
    form.TFileBtn->click();
    sim.dialogs().queueOpenAnswer(workingDirectory + QStringLiteral("/Practice/q-codes.txt"));
    form.FileLoadBtn->click();
    form.PlayBtn->click();
    while (form.RUNFlag != 0)
        sim.loop().runFor(10);
    if (!savePicture(form, output, "text-file.png"))
        return 1;
    // The talking mode counting down to speaking the question after its Morse (the speech itself
    // returns only once spoken, so the pause before it is what can be seen).
    form.RandomBtn->click();
    form.TakingBTN->click();
    form.PlayBtn->click();
    while (form.RUNFlag != 0 && !form.TIProgLabel->text().startsWith(QStringLiteral("Delay..")))
        sim.loop().runFor(10);
    if (!savePicture(form, output, "talking.png"))
        return 1;
    while (form.RUNFlag != 0)
        sim.loop().runFor(10);
    form.TakingBTN->click();
    // The basic course as a user sees it after a question: three letters heard, the first
    // answered.
    form.RandomBtn->click();
    form.LengthBtns[2]->click();
    form.NEWBtn->click();
    while (form.RUNFlag != 0)
        sim.loop().runFor(10);
    form.AnsEdit2->setText(form.QuestionString2.left(1));
    if (!savePicture(form, output, "basic-course.png"))
        return 1;
    // A level-3 contact in keyboard mode, its second reply wait running, the reply being typed.
    sim.loop().setStartTime(QDateTime(QDate(2026, 12, 9), QTime(9, 30)));
    form.CategoriesChange(form.OperationBtn);
    form.QSORStampBtns[2]->click();
    form.KeyInModeBtn->click();
    for (tessal::TgdButton* toggle : {form.QSOCallSignBtn, form.QSOHelpBtn, form.QSOAssistBtn})
        toggle->click();
    form.QSOStartBtn->click();
    const auto answering = [&] {
        const auto lines = form.REdit3->lines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const auto& line) { return line.text == "Start Answering..."; });
    };
    const auto runUntilAnswering = [&](int waits) {
        while (answering() < waits)
            sim.loop().runFor(10);
    };
    runUntilAnswering(1);
    form.Edit1->setText(QStringLiteral("DE QX0ZZZ"));
    form.EditEnter();
    while (form.QSOResTimer->enabled())
        sim.loop().runFor(10);
    runUntilAnswering(2);
    sim.loop().runFor(6'000 + 10);
    form.Edit1->setText(QStringLiteral("BK GM UR 599 BK"));
    if (!savePicture(form, output, "operation-contact.png"))
        return 1;
    return sim.dialogs().messages().isEmpty() ? 0 : 3;
}
