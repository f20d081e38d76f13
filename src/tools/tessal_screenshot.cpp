// Renders each category page of the trainer window to a PNG file, without a display or sound
// card: tessal-screenshot <working directory> <output folder>.
#include "app/tessal_form.h"
#include "platform/sim_platform.h"
#include "widgets/gd_button.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

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
        QApplication::processEvents();
        const QString path = output.filePath(QString::fromLatin1(page.file));
        if (!form.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // The basic course as a user sees it after a question: three letters heard, the first
    // answered.
    form.RandomBtn->click();
    form.LengthBtns[2]->click();
    form.NEWBtn->click();
    while (form.RUNFlag != 0)
        sim.loop().runFor(10);
    form.AnsEdit2->setText(form.QuestionString2.left(1));
    QApplication::processEvents();
    const QString course = output.filePath(QStringLiteral("basic-course.png"));
    if (!form.grab().save(course)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(course));
        return 1;
    }
    return sim.dialogs().messages().isEmpty() ? 0 : 3;
}
