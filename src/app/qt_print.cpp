// Printing through QtCanvas.
#include "app/qt_print.h"

#include "app/qt_canvas.h"
#include "output/print_page.h"


namespace kvx::app {

bool printPage(QPaintDevice& device, int dpi, const data::MeasurementData& data, const plot::GraphOptions& options,
               int firstRow, int lastRow, ui::Interaction& ia) {
    QtCanvas canvas(device);
    if (!canvas.begin()) return false;  // the printing service refused the job
    canvas.setDpi(dpi);
    output::drawPrintedPage(canvas, data, options, firstRow, lastRow, dpi, ia);
    canvas.finish();
    return true;
}

}  // namespace kvx::app
