#pragma once

#include "listening/rtf_writer.h"

#include <QString>
#include <span>

namespace tessal {

// The name the report save dialog proposes once a practice file was opened: the practice file's
// name with ".rtf", so confirming the dialog never writes over the practice text itself.
QString reportNameBesidePracticeFile(const QString& practiceFile);

// Writes the lines as an RTF document, replacing the file only once everything is written.
// Returns an empty string on success, else what went wrong.
QString writeReportFile(const QString& path, std::span<const ColouredLine> lines,
                        const RtfFont& font);

} // namespace tessal
