#include "provenance/ExifTime.h"

namespace {

// The number at text[at, at + digits), or -1 when a character there is no digit.
int Digits(const std::wstring& text, size_t at, size_t digits)
{
    int value = 0;
    for (size_t i = at; i < at + digits; ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return -1;
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}

bool LeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the date (proleptic Gregorian calendar).
std::int64_t DaysFromEpoch(int year, int month, int day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

} // namespace

std::optional<std::int64_t> ExifSeconds(const std::wstring& text)
{
    static const wchar_t kShape[] = L"dddd:dd:dd dd:dd:dd";
    if (text.size() < 19)
        return std::nullopt;
    for (size_t i = 0; i < 19; ++i)
        if (kShape[i] != L'd' && text[i] != kShape[i])
            return std::nullopt;
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
        return std::nullopt;
    return DaysFromEpoch(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}
