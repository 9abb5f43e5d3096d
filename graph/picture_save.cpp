// SavePicture: the shown page, as the window shows it, into a PNG file. The
// page is read under DrawLock; the encoding and the file are done after it
// is released, so the window repaints meanwhile.
#include <cstdio>
#include <string_view>

#include <lumenbox/graph.h>

#include "graph/drawing_call.h"
#include "graph/picture_capture.h"
#include "graph/picture_file.h"
#include "graph/png_writer.h"

namespace lumenbox {

void SavePicture(std::string_view path) {
    if (!DrawingCallAllowed()) return;
    CapturedPicture picture;
    const bool saved = CaptureShownPage(picture) &&
                       WriteWholeFile(path, [&picture](std::FILE* file) { return WritePng(picture, file); });
    if (!saved) GraphState.GraphStatus = StatusFileFailed;
}

}  // namespace lumenbox
