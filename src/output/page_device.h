// A document of pages drawn through the Canvas: the test report's PDF in the
// program, a list of recording canvases in tests.
#pragma once

#include "plot/canvas.h"

namespace kvx::output {

class PageDevice {
public:
    virtual ~PageDevice() = default;
    /// Size of every page in device pixels (A4 portrait at `resolution()`).
    virtual plot::PixelSize pageSize() const = 0;
    /// Dots per inch of the device pixels; point sizes of fonts are converted at it.
    virtual int resolution() const = 0;
    /// A fresh, white page; the canvas stays valid until the next beginPage() or finish().
    virtual plot::Canvas& beginPage() = 0;
    /// Ends the document. False when it could not be written.
    virtual bool finish() = 0;
};

}  // namespace kvx::output
