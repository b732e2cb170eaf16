#pragma once

#include "inspect/JpegFacts.h"
#include "inspect/QuantTable.h"

#include <vector>

// One IJG setting at which the library writes a given table exactly.
struct IjgMatch
{
    int quality;     // 1..100
    bool baseline;   // jpeg_set_quality's forceBaseline
};

using IjgMatches = std::vector<IjgMatch>;

// Finds every IJG quality and baseline forcing that reproduces a file's table
// bit for bit. The 200 reference tables come from BuildIjgTables once, when
// the finder is made; a search only compares.
class IjgMatchFinder
{
public:
    IjgMatchFinder();

    // The settings at which IJG's luminance table (luminance) or chrominance
    // table equals table: ascending quality, forced before unforced.
    IjgMatches Find(const QuantTable& table, bool luminance) const;

    // One list per found table: the first against IJG's luminance table, the
    // others against its chrominance table.
    std::vector<IjgMatches> FindAll(const JpegFacts& facts) const;

private:
    struct Reference
    {
        IjgMatch setting;
        QuantTable luminance;
        QuantTable chrominance;
    };

    std::vector<Reference> m_references;
};
