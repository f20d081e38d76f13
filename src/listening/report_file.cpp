#include "listening/report_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tessal {

QString reportNameBesidePracticeFile(const QString& practiceFile) {
    if (practiceFile.isEmpty())
        return {};
    const QFileInfo info(practiceFile);
    const QString stem = info.path() + u'/' + info.completeBaseName();
    const QString proposed = stem + QStringLiteral(".rtf");
    if (QFileInfo(proposed).absoluteFilePath() == info.absoluteFilePath())
        return stem + QStringLiteral("_report.rtf");
    return proposed;
}

QString writeReportFile(const QString& path, std::span<const ColouredLine> lines,
                        const RtfFont& font) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray document = rtfDocument(lines, font);
    if (file.write(document) != document.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace tessal
