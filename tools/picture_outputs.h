// The renderer's pictures, drawn through the QPainter backend: the window's picture as PNG or
// SVG, and the printed page as PDF. Needs a QGuiApplication (fonts); any thread may draw one.
#pragma once

#include <string>

#include "interaction/render_request.h"

class QPageSize;
class QPdfWriter;

namespace tessaly::tools {

struct PictureResult {
  bool ok = false;
  std::string bytes;
  std::string error;    // when !ok: why the request has no picture
  int graph_error = 0;  // an axis error the graph raised and nobody read; 0: none
};

PictureResult picture_output(const interaction::RenderRequest& request);

// A printed document as every PDF of the renderer starts it: the job's name "PRT", the program
// as its creator, the printer's resolution, and pages of `paper` without margins.
void start_printed_document(QPdfWriter& pdf, const ProgramDescriptor& program,
                            const QPageSize& paper);

}  // namespace tessaly::tools
