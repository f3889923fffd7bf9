#pragma once
// A radio image with every part filled with varied values in the form the radio gives them
// back: all 204 channels, every 2-tone entry and 5-tone code, a full book.

#include "model/radio_image.h"

namespace rp70::test {

/// Fills `image` (band 3) completely. Every value is one a radio reads back unchanged: nine-digit
/// frequencies on the 6.25 kHz raster, shorter texts in the form the radio's decoding gives
/// (with a closing NUL, or space-filled for the names of signalling entries), the book in sorted
/// order, DTMF and 5-tone digits within their lengths.
void FillRichImage(RadioImage& image);

/// `original` as it comes back from a radio into `fresh` (the image a read decodes into): the
/// fields that have no place in the radio memory keep the values `fresh` holds.
RadioImage AfterRoundTrip(const RadioImage& original, const RadioImage& fresh);

} // namespace rp70::test
