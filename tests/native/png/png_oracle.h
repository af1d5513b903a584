// libpng as the reference decoder for the suite tests.
#pragma once

#include "png_test_support.h"

// Decodes file with libpng into rows of B, G, R (plus A for RGBA images,
// whose alpha the default format keeps): palette applied, low-depth grey
// scaled to 8 bits, 16-bit samples cut to their high byte, grey alpha
// dropped, transparency chunks ignored. CRCs and Adler-32 are not checked,
// like the decoder under test. Returns false when libpng refuses the file.
bool LibpngDecodeBgr(const Bytes& file, Bytes* pixels, int* channels, uint32_t* width, uint32_t* height);
