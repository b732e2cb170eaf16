#pragma once

#include "encoders/EncoderCatalogue.h"
#include "inspect/DecoderHook.h"
#include "statements/FileStatements.h"

#include <optional>

// Reads what one file's marker segments before the first scan say about its
// maker, on the header reader's own pass: it has the library keep the
// segments it reads (JFIF's APP0, EXIF and XMP in APP1, Save for Web's APP12,
// Photoshop's APP13, Adobe's APP14, comments), then reads them, with JFIF and Adobe's
// transform as the library parsed them. Nothing it meets costs the header
// report: what cannot be read is marked in the statements' unreadable list.
class StatementReader : public DecoderHook
{
public:
    // catalogue names the thumbnail's tables; it must outlive the reader.
    explicit StatementReader(const EncoderCatalogue& catalogue) : m_catalogue(catalogue) {}

    void BeforeHeader(j_decompress_ptr cinfo) override;
    void AfterHeader(j_decompress_ptr cinfo) override;

    // The statements, once the header has been read; none when it failed.
    // A stream without an image (tables only) says nothing: the library
    // lets go of its segments when it meets no scan.
    std::optional<FileStatements> Take() { return std::move(m_statements); }

private:
    void ReadSegments(j_decompress_ptr cinfo);

    const EncoderCatalogue& m_catalogue;
    std::optional<FileStatements> m_statements;
};
