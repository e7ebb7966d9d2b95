// The PDF files of the evening's bundle, written as `vrek print` writes its
// own: the window and the batch command share this writer.
#pragma once
#include "evening/bundle.h"

vrek::bundle::PdfWriter bundlePdfWriter();
