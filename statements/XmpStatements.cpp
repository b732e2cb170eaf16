#include "statements/XmpStatements.h"

#include "statements/StatementString.h"
#include "statements/Unreadable.h"

#include <expat.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// expat joins a name's namespace and local part with this character.
const char kSeparator = '|';
const char kCreatorTool[] = "http://ns.adobe.com/xap/1.0/|CreatorTool";
const char kHistory[] = "http://ns.adobe.com/xap/1.0/mm/|History";
const char kSoftwareAgent[] = "http://ns.adobe.com/xap/1.0/sType/ResourceEvent#|softwareAgent";

struct ParserFree
{
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

// What the handlers gather while the packet is parsed.
struct XmpScan
{
    XML_Parser parser = nullptr;
    int depth = 0;
    int historyDepth = 0;     // the depth of the open xmpMM:History element, 0 outside
    int textDepth = 0;        // the depth of the element whose text is taken, 0 when none
    bool textIsAgent = false;
    std::string text;
    std::optional<std::string> creatorTool;
    std::vector<std::string> agents;
    bool refused = false;
};

bool Named(const XML_Char* name, const char* wanted)
{
    return std::strcmp(name, wanted) == 0;
}

void TakeAttributes(XmpScan& scan, const XML_Char** attributes)
{
    for (const XML_Char** a = attributes; a[0] != nullptr; a += 2) {
        if (Named(a[0], kCreatorTool) && !scan.creatorTool)
            scan.creatorTool = a[1];
        else if (Named(a[0], kSoftwareAgent) && scan.historyDepth > 0)
            scan.agents.push_back(a[1]);
    }
}

void XMLCALL StartElement(void* data, const XML_Char* name, const XML_Char** attributes)
{
    XmpScan& scan = *static_cast<XmpScan*>(data);
    ++scan.depth;
    TakeAttributes(scan, attributes);
    if (Named(name, kHistory) && scan.historyDepth == 0)
        scan.historyDepth = scan.depth;
    const bool agent = Named(name, kSoftwareAgent) && scan.historyDepth > 0;
    if (scan.textDepth == 0 && (agent || (Named(name, kCreatorTool) && !scan.creatorTool))) {
        scan.textDepth = scan.depth;
        scan.textIsAgent = agent;
        scan.text.clear();
    }
}

void XMLCALL EndElement(void* data, const XML_Char*)
{
    XmpScan& scan = *static_cast<XmpScan*>(data);
    if (scan.depth == scan.textDepth) {
        if (scan.textIsAgent)
            scan.agents.push_back(scan.text);
        else
            scan.creatorTool = scan.text;
        scan.textDepth = 0;
    }
    if (scan.depth == scan.historyDepth)
        scan.historyDepth = 0;
    --scan.depth;
}

void XMLCALL Characters(void* data, const XML_Char* text, int length)
{
    XmpScan& scan = *static_cast<XmpScan*>(data);
    if (scan.textDepth != 0)
        scan.text.append(text, static_cast<size_t>(length));
}

void XMLCALL RefuseDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    XmpScan& scan = *static_cast<XmpScan*>(data);
    scan.refused = true;
    XML_StopParser(scan.parser, XML_FALSE);
}

std::wstring Shown(const std::string& utf8)
{
    return StatementString(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
}

} // namespace

void ReadXmpStatements(const unsigned char* packet, size_t size, FileStatements& statements)
{
    // Some writers pad the segment after the packet with NULs.
    while (size > 0 && packet[size - 1] == '\0')
        --size;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreateNS(nullptr, kSeparator));
    if (!parser || size > static_cast<size_t>(INT32_MAX)) {
        MarkUnreadable(statements, "xmp");
        return;
    }
    XmpScan scan;
    scan.parser = parser.get();
    XML_SetUserData(parser.get(), &scan);
    XML_SetElementHandler(parser.get(), StartElement, EndElement);
    XML_SetCharacterDataHandler(parser.get(), Characters);
    XML_SetStartDoctypeDeclHandler(parser.get(), RefuseDoctype);
    const XML_Status status =
        XML_Parse(parser.get(), reinterpret_cast<const char*>(packet), static_cast<int>(size), XML_TRUE);
    if (status != XML_STATUS_OK || scan.refused) {
        MarkUnreadable(statements, "xmp");
        return;
    }
    if (scan.creatorTool)
        statements.xmpCreatorTool = Shown(*scan.creatorTool);
    for (const std::string& agent : scan.agents)
        statements.xmpHistoryAgents.push_back(Shown(agent));
}
