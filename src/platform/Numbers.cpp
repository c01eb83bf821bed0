#include "platform/Numbers.h"

#include "platform/AppError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Numbers {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Scans integer digits with optional grouping: 1 to 3 leading digits (not
// starting with 0), then groups of exactly three after each comma. Appends
// the digits to `out`.
bool ScanGroupedDigits(std::string_view s, size_t& i, std::string& out) {
    size_t start = i;
    while (i < s.size() && IsDigit(s[i])) {
        out += s[i++];
    }
    size_t firstGroup = i - start;
    if (i >= s.size() || s[i] != ',') {
        return true;
    }
    // A first group that starts with a zero ("0,005") is a decimal comma from
    // another locale, not grouping: reading it as five thousand would be wrong.
    if (firstGroup == 0 || firstGroup > 3 || s[start] == '0') {
        return false;
    }
    while (i < s.size() && s[i] == ',') {
        ++i;
        size_t groupStart = i;
        while (i < s.size() && IsDigit(s[i])) {
            out += s[i++];
        }
        if (i - groupStart != 3) {
            return false;
        }
    }
    return true;
}

// The value as 15 significant decimal digits and the power of ten of the
// first digit: value = 0.d1d2...d15 x 10^(exponent + 1).
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits ToDecimalDigits(double magnitude) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    std::string text(buf, res.ptr);
    DecimalDigits d;
    size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i) {
        if (IsDigit(text[i])) {
            d.digits += text[i];
        }
    }
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// Rounds half away from zero so that `keep` digits remain (keep may be <= 0).
void RoundDigits(DecimalDigits& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d.digits = "0";
        return;
    }
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (!up) {
        if (d.digits.empty()) {
            d.digits = "0";
        }
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') {
        d.digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    }
}

bool AllZero(const std::string& s) {
    return s.find_first_not_of('0') == std::string::npos;
}

std::string Group(const std::string& digits) {
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

bool IsPlaceholder(char c) {
    return c == '#' || c == '0' || c == ',' || c == '.';
}

} // namespace

std::string Trim(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsBlank(text[b])) {
        ++b;
    }
    while (e > b && IsBlank(text[e - 1])) {
        --e;
    }
    return std::string(text.substr(b, e - b));
}

std::optional<double> ParseNumber(std::string_view text) {
    std::string s = Trim(text);
    std::string clean;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            clean += '-';
        }
        ++i;
    }
    std::string intDigits;
    if (!ScanGroupedDigits(s, i, intDigits)) {
        return std::nullopt;
    }
    clean += intDigits;
    std::string fracDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            fracDigits += s[i++];
        }
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return std::nullopt;
    }
    clean += intDigits.empty() ? "0" : "";
    if (!fracDigits.empty()) {
        clean += "." + fracDigits;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        clean += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            clean += s[i++];
        }
        size_t expStart = i;
        while (i < s.size() && IsDigit(s[i])) {
            clean += s[i++];
        }
        if (i == expStart) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    double value = 0;
    auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (res.ec != std::errc() || res.ptr != clean.data() + clean.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool Showable(double value) {
    return std::fabs(value) <= LargestShownValue;
}

bool IsNumeric(std::string_view text) {
    return ParseNumber(text).has_value();
}

double ToDouble(std::string_view text) {
    auto value = ParseNumber(text);
    if (!value) {
        throw AppError(ErrorNumber::TypeMismatch, "Type mismatch");
    }
    return *value;
}

long CLng(double value) {
    if (!std::isfinite(value)) {
        throw AppError(ErrorNumber::Overflow, "Overflow");
    }
    double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) {
        throw AppError(ErrorNumber::Overflow, "Overflow");
    }
    return static_cast<long>(r);
}

long CLng(std::string_view text) {
    return CLng(ToDouble(text));
}

std::string Format(double value, std::string_view pattern) {
    size_t first = 0;
    while (first < pattern.size() && !IsPlaceholder(pattern[first])) {
        ++first;
    }
    size_t last = pattern.size();
    while (last > first && !IsPlaceholder(pattern[last - 1])) {
        --last;
    }
    std::string_view prefix = pattern.substr(0, first);
    std::string_view number = pattern.substr(first, last - first);
    std::string_view suffix = pattern.substr(last);

    size_t point = number.find('.');
    std::string_view intPattern = number.substr(0, point);
    std::string_view fracPattern =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    bool grouping = intPattern.find(',') != std::string_view::npos;
    int minInt = 0;
    for (char c : intPattern) {
        minInt += c == '0';
    }
    int minFrac = 0;
    int maxFrac = 0;
    for (char c : fracPattern) {
        minFrac += c == '0';
        maxFrac += c == '0' || c == '#';
    }

    if (!std::isfinite(value)) {
        return std::string(prefix) + (std::isnan(value) ? "NaN" : "Inf") + std::string(suffix);
    }

    std::string intDigits;
    std::string fracDigits;
    if (value != 0) {
        DecimalDigits d = ToDecimalDigits(std::fabs(value));
        RoundDigits(d, d.exponent + 1 + maxFrac);
        int intCount = d.exponent + 1; // digits before the decimal point
        for (int k = 0; k < intCount; ++k) {
            intDigits += k < static_cast<int>(d.digits.size()) ? d.digits[k] : '0';
        }
        for (int k = 0; k < maxFrac; ++k) {
            int idx = intCount + k;
            fracDigits += idx >= 0 && idx < static_cast<int>(d.digits.size()) ? d.digits[idx] : '0';
        }
    } else {
        fracDigits.assign(maxFrac, '0');
    }
    bool negative = value < 0 && !(AllZero(intDigits) && AllZero(fracDigits));

    size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
    if (static_cast<int>(intDigits.size()) < minInt) {
        intDigits.insert(0, minInt - intDigits.size(), '0');
    }
    while (static_cast<int>(fracDigits.size()) > minFrac && fracDigits.back() == '0') {
        fracDigits.pop_back();
    }

    std::string out = negative ? "-" : "";
    out += prefix;
    out += grouping ? Group(intDigits) : intDigits;
    if (point != std::string_view::npos) {
        out += '.';
        out += fracDigits;
    }
    out += suffix;
    return out;
}

std::string GeneralText(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
    }
    if (value == 0) {
        return "0";
    }
    DecimalDigits d = ToDecimalDigits(std::fabs(value));
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    std::string out = value < 0 ? "-" : "";
    int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 15 || d.exponent < -5) {
        out += d.digits.substr(0, 1);
        if (n > 1) {
            out += "." + d.digits.substr(1);
        }
        std::string exp = std::to_string(std::abs(d.exponent));
        out += std::string("E") + (d.exponent < 0 ? "-" : "+") + (exp.size() < 2 ? "0" : "") + exp;
        return out;
    }
    if (d.exponent < 0) {
        return out + "0." + std::string(-d.exponent - 1, '0') + d.digits;
    }
    int intCount = d.exponent + 1;
    if (n <= intCount) {
        return out + d.digits + std::string(intCount - n, '0');
    }
    return out + d.digits.substr(0, intCount) + "." + d.digits.substr(intCount);
}

} // namespace Numbers
