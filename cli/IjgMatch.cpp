#include "cli/IjgMatch.h"

#include "inspect/IjgTables.h"

IjgMatchFinder::IjgMatchFinder()
{
    m_references.reserve(200);
    for (int quality = 1; quality <= 100; ++quality) {
        for (bool baseline : {true, false}) {
            const IjgTables tables = BuildIjgTables(quality, baseline);
            m_references.push_back({{quality, baseline}, tables.luminance, tables.chrominance});
        }
    }
}

IjgMatches IjgMatchFinder::Find(const QuantTable& table, bool luminance) const
{
    IjgMatches matches;
    for (const Reference& reference : m_references) {
        const QuantTable& candidate = luminance ? reference.luminance : reference.chrominance;
        // The first entry alone rules out nearly every quality.
        if (candidate[0] == table[0] && candidate == table)
            matches.push_back(reference.setting);
    }
    return matches;
}

std::vector<IjgMatches> IjgMatchFinder::FindAll(const JpegFacts& facts) const
{
    std::vector<IjgMatches> perTable;
    for (int t = 0; t < facts.tableCount; ++t)
        perTable.push_back(Find(facts.tables[t], t == 0));
    return perTable;
}
