// QPdfWriter pages for the test report.
#include "app/qt_pdf_pages.h"

#include "output/report_pages.h"
#include "text/replacing_file.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace kvx::app {

QtPdfPages::QtPdfPages(std::string path, int dpi) : m_path(std::move(path)), m_dpi(dpi) {
    m_buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    m_writer->setResolution(m_dpi);
    // The layout measures from the paper's edge: the report draws its own margins.
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    m_writer->setTitle(QString::fromUtf8(output::kReportTitle));
    m_writer->setCreator(QStringLiteral("Kurvadex"));
}

QtPdfPages::~QtPdfPages() {
    // Without finish() nothing is written; the painter must still end before the writer goes.
    m_canvas.reset();
}

plot::PixelSize QtPdfPages::pageSize() const { return {m_writer->width(), m_writer->height()}; }

plot::Canvas& QtPdfPages::beginPage() {
    if (!m_canvas) {
        m_canvas = std::make_unique<QtCanvas>(*m_writer);
        m_canvas->setDpi(m_dpi);
        m_canvas->begin();
    } else {
        m_writer->newPage();
    }
    ++m_pages;
    return *m_canvas;
}

bool QtPdfPages::finish() {
    if (m_finished) return m_written;
    m_finished = true;
    if (!m_canvas) return m_written = true;
    m_canvas->finish();  // ends the painter: the document is complete in the buffer
    m_buffer.close();
    const QByteArray& bytes = m_buffer.data();
    m_written = !bytes.isEmpty() &&
                text::replaceFile(m_path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return m_written;
}

}  // namespace kvx::app
