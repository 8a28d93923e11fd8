#pragma once

#include <QDialog>
#include <QPrinter>

#include <functional>

class PageView;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;
class ReportEngine;

// The print preview of a report. It lays the report out once, then shows its pages as they
// come into view, so the first page of a list of any length is there at once; it prints, sets
// up the page (and lays the pages out again on the new paper), zooms and saves a PDF.
class ReportPreviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReportPreviewWindow(ReportEngine& report, QWidget* parent = nullptr);

    // Lays the report out on the printer's paper; false when its rows cannot be read, the
    // reason in errorText().
    bool prepare();
    QString errorText() const { return m_error; }

    // The printer the preview prints on and whose paper it lays out for.
    QPrinter& printer() { return m_printer; }
    PageView* pages() const { return m_view; }

public slots:
    void print();
    void pageSetup();
    void savePdf();
    void zoomIn();
    void zoomOut();
    void goToPage(int page);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    QToolButton* button(const char* name, const QString& text, const QIcon& icon, const QKeySequence& key = {});
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showPages(int keepRow);
    void showZoom();
    void choseZoom(int index);
    void stepZoom(int direction);
    void showCurrentPage(int page);
    // Runs a job over the pages with a progress bar that can stop it.
    bool withProgress(const QString& label, const std::function<bool(const std::function<bool(int, int)>&)>& job);

    ReportEngine& m_report;
    QPrinter m_printer;
    QString m_error;

    PageView* m_view;
    QToolButton* m_print;
    QToolButton* m_pageSetup;
    QToolButton* m_savePdf;
    QToolButton* m_zoomOut;
    QComboBox* m_zoom;
    QToolButton* m_zoomIn;
    QToolButton* m_first;
    QToolButton* m_previous;
    QSpinBox* m_page;
    QLabel* m_pageCount;
    QToolButton* m_next;
    QToolButton* m_last;
    QToolButton* m_close;
    QLabel* m_status;
};
