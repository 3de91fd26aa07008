#pragma once
// The decoders behind win::decodeImage, one per container format.

#include "win/bitmap.h"

namespace win::gdi {

// BMP and PNG files, decoded by the image library after a check of their dimensions.
LoadResult decodeBmpOrPng(const uint8_t* data, size_t size);
// ICO files: the largest entry of the directory, PNG or BMP (with its transparency mask).
LoadResult decodeIco(const uint8_t* data, size_t size);

bool hasPngSignature(const uint8_t* data, size_t size);
bool hasIcoSignature(const uint8_t* data, size_t size);

}  // namespace win::gdi
