// The test report's pages as an A4 PDF written by QPdfWriter, drawn through QtCanvas.
#pragma once

#include "app/qt_canvas.h"
#include "output/page_device.h"

#include <QBuffer>
#include <QPdfWriter>

#include <memory>
#include <string>

namespace kvx::app {

/// Collects the pages in memory and writes the file on finish(), replacing an
/// existing one only when the whole document could be written. Needs a
/// QGuiApplication (fonts).
class QtPdfPages : public output::PageDevice {
public:
    explicit QtPdfPages(std::string path, int dpi = 300);
    ~QtPdfPages() override;
    QtPdfPages(const QtPdfPages&) = delete;
    QtPdfPages& operator=(const QtPdfPages&) = delete;

    plot::PixelSize pageSize() const override;
    int resolution() const override { return m_dpi; }
    plot::Canvas& beginPage() override;
    /// Writes the file. False when it could not be written; true without
    /// writing anything when no page was begun.
    bool finish() override;
    int pageCount() const { return m_pages; }

private:
    std::string m_path;
    int m_dpi;
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QtCanvas> m_canvas;
    int m_pages = 0;
    bool m_finished = false;
    bool m_written = false;
};

}  // namespace kvx::app
