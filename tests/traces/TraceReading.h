#pragma once

#include "traces/CoefficientPass.h"
#include "traces/TraceVerdict.h"

#include <string>
#include <vector>

// The coefficient pass over a stream held in memory, its header read first.
CoefficientPass PassOver(const std::vector<unsigned char>& bytes);

// The traces verdict on a stream through the header reader's hook, as
// quantlens-report --traces reads a file; headerRead tells whether the
// header facts were still taken.
TraceVerdict VerdictOn(const std::vector<unsigned char>& bytes, bool* headerRead = nullptr);
TraceVerdict VerdictOnFile(const std::string& path);
