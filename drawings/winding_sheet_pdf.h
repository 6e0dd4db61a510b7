#pragma once
// The winding sheet on paper: the text on as many pages as it takes, then a
// page with the coil's cross-section and the dimensioned lamination, both as
// vector drawings. The same painting serves the PDF file and the printer.
#include "cross_section.h"
#include "winding_sheet.h"

#include <QPageSize>
#include <QString>

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace kelvora {

struct SheetPages {
    std::string text;            // windingSheetText()
    CrossSectionContent section; // no drawing page when the analysis has an error
    double a = 0, b = 0;         // centre-leg width and stack, mm
    char separator = ',';
    WindingSheetCaptions captions = windingSheetCaptions(); // the drawing page's, in Portuguese
};

// Paints the pages on a device not yet painted on; returns how many pages it
// painted (0 when the device could not be painted on).
int paintWindingSheet(QPagedPaintDevice& device, const SheetPages& pages);

// Writes the sheet as a PDF (A4 unless told), replacing `path` only when
// complete. Lines too long for the page wrap. Returns nothing on success,
// else the Portuguese message.
std::optional<QString> writeWindingSheetPdf(const QString& path, const SheetPages& pages,
                                            QPageSize::PageSizeId size = QPageSize::A4);

} // namespace kelvora
