#pragma once

#include <QImage>
#include <QString>

class ReportEngine;

namespace ReportOutput {

// Writes every page of the report into a PDF file with the report's page size and margins.
bool writePdf(ReportEngine& report, const QString& path, QString* error = nullptr);

// One page (0-based) as a white sheet `width` pixels wide, margins included.
QImage pageImage(ReportEngine& report, int page, int width);

} // namespace ReportOutput
