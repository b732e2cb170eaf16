#pragma once

#include "inspect/DecoderHook.h"
#include "inspect/JpegFacts.h"
#include "inspect/JpegLibrary.h"

#include <cstdio>

// Reads the headers of the file at path (up to the first scan, never image
// data) into facts, which the caller has zeroed. Returns 1 when the file was
// opened and read, 0 when path is null or the file cannot be opened. A library
// error arrives as a thrown CJPEGException*, after the library object has been
// destroyed and the file closed.
int ReadJpegFacts(const wchar_t* path, JpegFacts& facts);

// Reads the headers of a file already open for reading (at its start), as
// ReadJpegFacts does; the caller keeps and closes the file. Each hook is
// called before the header is read and again after the facts are taken.
void ReadJpegStreamFacts(std::FILE* file, JpegFacts& facts, const DecoderHooks& hooks = {});

// Fills facts from a decompression object that has a data source attached.
void ExtractJpegFacts(j_decompress_ptr cinfo, JpegFacts& facts, const DecoderHooks& hooks = {});

// 1 when the stream's DC and AC table 0 carry the code-length counts of the
// library's default (JPEG standard Annex K) tables, else 0.
int HasStandardHuffman(j_decompress_ptr cinfo);
