// The header reader on damaged files: every prefix of a few generated files
// and thousands of seeded random mutations of them, each read from a file.
// Each must end in facts or a CJPEGException: no other exception, no crash,
// no file left open, no hang (a watchdog aborts a read that stops making
// progress). Leaks are caught by the sanitizer build of these tests.
#include "framework/TextEncoding.h"
#include "inspect/InspectionReport.h"
#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/OpenFiles.h"
#include "tests/support/TempDir.h"
#include "ui/QuantTableText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace {

using Bytes = std::vector<unsigned char>;

// Aborts the whole test program when Tick has not been called for a while:
// a read that loops forever would otherwise only end at CTest's timeout.
class HangWatchdog
{
public:
    explicit HangWatchdog(std::chrono::seconds limit)
        : m_thread([this, limit] { Watch(limit); }) {}

    ~HangWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

    void Tick(const std::string& what)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_ticks;
        m_what = what;
    }

private:
    void Watch(std::chrono::seconds limit)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        unsigned long seen = m_ticks;
        while (!m_wake.wait_for(lock, limit, [this] { return m_done; })) {
            if (m_ticks == seen) {
                std::fprintf(stderr, "no progress for %d s while reading %s\n",
                             static_cast<int>(limit.count()), m_what.c_str());
                std::abort();
            }
            seen = m_ticks;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    unsigned long m_ticks = 0;
    std::string m_what;
    bool m_done = false;
    std::thread m_thread;
};

enum class Outcome { Facts, LibraryError };

void RemoveFile(const std::wstring& path)
{
#ifdef _WIN32
    _wremove(path.c_str());
#else
    std::remove(WideToUtf8(path).c_str());
#endif
}

class HostileInput : public ::testing::Test
{
protected:
    // Reads bytes through a file as the Start command would, then builds the
    // report texts from the facts.
    Outcome Read(const Bytes& bytes, const std::string& what, JpegFacts& facts)
    {
        m_watchdog.Tick(what);
        // A new file each time: rewriting one in place makes some file
        // systems flush it to disk at every close.
        const std::wstring path = m_dir.File(std::to_wstring(m_reads++) + L".jpg");
        WriteBytes(path, bytes);
        facts = JpegFacts{};
        Outcome outcome = Outcome::LibraryError;
        try {
            EXPECT_EQ(ReadJpegFacts(path.c_str(), facts), 1) << what;
            BuildInspectionReport(facts);
            FileTablesText(facts);
            outcome = Outcome::Facts;
        } catch (CJPEGException* e) {
            EXPECT_FALSE(e->m_strMessage.empty()) << what;
            e->Delete();
        } catch (...) {
            ADD_FAILURE() << what << ": an exception other than CJPEGException";
        }
        EXPECT_TRUE(FileIsClosed(path)) << what;
        RemoveFile(path);
        return outcome;
    }

    void SetUp() override { m_filesBefore = CountOpenFiles(); }
    void TearDown() override { EXPECT_EQ(CountOpenFiles(), m_filesBefore) << "files left open"; }

    TempDir m_dir;
    unsigned m_reads = 0;
    HangWatchdog m_watchdog{std::chrono::seconds(20)};
    int m_filesBefore = 0;
};

JpegOptions Small(int quality)
{
    JpegOptions options;
    options.width = 16;
    options.height = 16;
    options.quality = quality;
    return options;
}

// Small files of different makes: baseline 4:2:0 colour, progressive,
// greyscale with optimized coding, restart markers, 16-bit tables, three and
// four tables, YCCK.
std::vector<std::pair<std::string, Bytes>> SeedFiles()
{
    JpegOptions progressive = Small(90);
    progressive.progressive = true;
    JpegOptions grey = Small(40);
    grey.greyscale = true;
    grey.optimizeCoding = true;
    JpegOptions restarts = Small(75);
    restarts.restartInterval = 1;
    return {
        {"baseline", WriteJpeg(Small(75))},
        {"progressive", WriteJpeg(progressive)},
        {"grey", WriteJpeg(grey)},
        {"restarts", WriteJpeg(restarts)},
        {"dqt16", Dqt16Above255Stream()},
        {"three-tables", ThreeTablesStream()},
        {"four-tables", FourTablesStream()},
        {"ycck", AdobeYcckStream()},
    };
}

// The offset just after the first SOS segment, walking the marker segments
// from SOI; the whole length when there is none.
size_t EndOfFirstScanHeader(const Bytes& bytes)
{
    size_t pos = 2;
    while (pos + 4 <= bytes.size() && bytes[pos] == 0xFF) {
        const unsigned marker = bytes[pos + 1];
        const size_t end = pos + 2 + (bytes[pos + 2] << 8 | bytes[pos + 3]);
        if (marker == 0xDA)
            return end;
        pos = end;
    }
    return bytes.size();
}

bool SameFacts(const JpegFacts& a, const JpegFacts& b)
{
    for (int t = 0; t < 4; ++t)
        if (a.tables[t] != b.tables[t])
            return false;
    return a.tableCount == b.tableCount && a.width == b.width && a.height == b.height
        && a.components == b.components && a.colorSpace == b.colorSpace
        && a.progressive == b.progressive && a.standardHuffman == b.standardHuffman
        && a.estimates[0].quality == b.estimates[0].quality
        && a.estimates[1].quality == b.estimates[1].quality;
}

// Small random edits, mostly inside the headers where the reader looks.
class Mutator
{
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    Bytes Mutate(Bytes bytes, size_t headerEnd)
    {
        const unsigned edits = 1 + Below(4);
        for (unsigned e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = Below(std::min(bytes.size(), headerEnd + 16));
            Edit(bytes, at);
        }
        return bytes;
    }

    size_t Below(size_t n) { return n == 0 ? 0 : m_random() % n; }

private:
    void Edit(Bytes& bytes, size_t at)
    {
        static const unsigned char kTelling[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
        switch (Below(6)) {
        case 0: bytes[at] = static_cast<unsigned char>(m_random()); break;
        case 1: bytes[at] = kTelling[Below(sizeof kTelling)]; break;
        case 2: bytes.insert(bytes.begin() + at, 1 + Below(8), static_cast<unsigned char>(m_random())); break;
        case 3: bytes.erase(bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + 1 + Below(16))); break;
        case 4: Duplicate(bytes, at); break;
        default: bytes.resize(at); break;
        }
    }

    // Copies a run of bytes (often a whole marker segment) to another place.
    void Duplicate(Bytes& bytes, size_t at)
    {
        const size_t length = std::min(bytes.size() - at, 1 + Below(64));
        const Bytes run(bytes.begin() + at, bytes.begin() + at + length);
        bytes.insert(bytes.begin() + Below(bytes.size()), run.begin(), run.end());
    }

    std::mt19937 m_random;
};

} // namespace

TEST_F(HostileInput, EveryPrefixGivesFactsOrALibraryErrorAndPastTheScanHeaderTheFullFacts)
{
    for (const auto& [name, bytes] : SeedFiles()) {
        JpegFacts full{};
        ASSERT_EQ(Read(bytes, name, full), Outcome::Facts) << name;
        const size_t scanHeaderEnd = EndOfFirstScanHeader(bytes);
        ASSERT_LT(scanHeaderEnd, bytes.size()) << name;
        int libraryErrors = 0;
        for (size_t length = 0; length < bytes.size(); ++length) {
            const std::string what = name + " cut to " + std::to_string(length) + " bytes";
            JpegFacts facts{};
            const Outcome outcome = Read(Bytes(bytes.begin(), bytes.begin() + length), what, facts);
            libraryErrors += outcome == Outcome::LibraryError;
            if (length >= scanHeaderEnd) {
                EXPECT_EQ(outcome, Outcome::Facts) << what;
                EXPECT_TRUE(SameFacts(facts, full)) << what;
            }
        }
        // The empty file at least is refused by the library.
        EXPECT_GT(libraryErrors, 0) << name;
    }
}

TEST_F(HostileInput, SeededRandomMutationsGiveFactsOrALibraryError)
{
    const auto seeds = SeedFiles();
    Mutator mutator(20240607);
    int counts[2] = {0, 0};
    for (int i = 0; i < 3000; ++i) {
        const auto& [name, bytes] = seeds[mutator.Below(seeds.size())];
        const Bytes mutant = mutator.Mutate(bytes, EndOfFirstScanHeader(bytes));
        JpegFacts facts{};
        ++counts[static_cast<int>(Read(mutant, "mutation " + std::to_string(i) + " of " + name, facts))];
    }
    // Both outcomes occur, or the mutations would not be testing much.
    EXPECT_GT(counts[static_cast<int>(Outcome::Facts)], 300);
    EXPECT_GT(counts[static_cast<int>(Outcome::LibraryError)], 300);
}
