#pragma once

#include "reports/report_engine.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace ReportOutput {

// Writes every page of the report into the device as a PDF with the report's page layout.
// False, with the reason, when the rows could not be read, the progress stopped the writing
// or a write to the device fell short.
bool writePdf(ReportEngine& report, QIODevice& device, QString* error = nullptr,
              const ReportEngine::Progress& progress = {});

// Writes the report into a PDF file. The file is written beside `path` under a name of its own
// and takes the place of `path` only once it is known complete, so that a full disk or a
// stopped save leaves no cut-off file behind and an older file of that name as it was.
bool writePdf(ReportEngine& report, const QString& path, QString* error = nullptr,
              const ReportEngine::Progress& progress = {});

// One page (0-based) as a white sheet `width` pixels wide, margins included.
QImage pageImage(ReportEngine& report, int page, int width);

} // namespace ReportOutput
