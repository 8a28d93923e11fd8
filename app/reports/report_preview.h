#pragma once

#include <functional>

class ReportEngine;
class QWidget;

// Where a finished report goes: by default the modal print preview (ReportPreviewWindow), from
// which the user prints or saves a PDF. Tests put a presenter of their own in its place, which writes a file.
namespace ReportPreview {

using Presenter = std::function<void(ReportEngine& report, QWidget* parent)>;

// Shows the report; when its rows cannot be read the user is told so instead.
void show(ReportEngine& report, QWidget* parent);

// Replaces the preview until it is called again; an empty presenter brings the preview back.
void setPresenter(Presenter presenter);

} // namespace ReportPreview
