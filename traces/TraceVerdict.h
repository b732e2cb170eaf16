#pragma once

// What the coefficients tell of a compression before the last one.
struct TraceVerdict
{
    enum class Kind { Found, None, CannotTell };

    // Why there is no answer.
    enum class Reason {
        None,
        TooFewCoefficients,   // a tiny or flat picture
        TableTooCoarse,       // no first step would show under the file's steps
        EndsEarly,            // the stream ends inside the scan
        Corrupt,              // the compressed data are damaged
        NoLuminance,          // RGB, CMYK, or no scan of the luminance component
        NoImage,              // a stream of tables only
        TooLarge,             // the coefficients would need more memory than the cap
        NotLibjpegTable,      // camera, trellis-quantized or unknown tables
    };

    Kind kind = Kind::CannotTell;
    Reason reason = Reason::None;
    int firstQuality = 0;         // IJG quality; 0 when none is given
    int rangeLow = 0;             // the first qualities that fit almost as well
    int rangeHigh = 0;
    bool scored = false;          // whether score holds a value
    double score = 0;             // the detection score, in nats

    // For other verdicts about the file: an earlier compression was seen.
    bool FoundEarlierCompression() const { return kind == Kind::Found; }
};
