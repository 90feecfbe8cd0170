// Fuzzes what a user can put into a field: the number reader against the reference reading,
// and the key filter's verdict against the character set and the table of accepted codes.
// Input: the first byte picks the decimal separator, the rest is the field's text in UTF-8.

#include <iconv.h>

#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "investigations/number_reader.h"
#include "investigations/win1251.h"
#include "model/pressure.h"
#include "tests/fuzz/reference_reader.h"

namespace {

[[noreturn]] void mismatch(const char* what, const QString& text) {
    std::fprintf(stderr, "mismatch (%s) on '%s'\n", what, text.left(200).toUtf8().constData());
    std::abort();
}

// The Unicode character of every Windows-1251 code, from the C library's own converter.
struct CharacterSet {
    char32_t byCode[256];
    CharacterSet() {
        iconv_t cd = iconv_open("UTF-32LE", "CP1251");
        for (int code = 0; code < 256; ++code) {
            char in = char(code);
            char32_t out = 0;
            char* inp = &in;
            char* outp = reinterpret_cast<char*>(&out);
            std::size_t inLeft = 1, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != std::size_t(-1);
            byCode[code] = ok ? out : char32_t(code);  // 0x98 is unassigned: kept as U+0098
        }
        iconv_close(cd);
    }
};

// The verdict per code, written out row by row as the table of the key filter reads.
bool acceptedByTable(int code) {
    if (code <= 31) return true;
    if (code <= 38) return false;
    if (code == 39) return true;
    if (code <= 43) return false;
    if (code == 44) return true;
    if (code <= 47) return false;
    if (code <= 57) return true;
    if (code <= 91) return false;
    if (code == 92) return true;
    if (code <= 126) return false;
    if (code == 127) return true;
    if (code == 168 || code == 184 || code == 185) return false;
    if (code <= 191) return true;
    return false;
}

// The table's comma is the decimal separator: under other settings their separator takes its
// place and the comma is refused.
void checkKeyFilter(const QString& text, QChar separator) {
    static const CharacterSet set;
    const char32_t point = separator.unicode();
    bool typable = true;  // every character passes the key filter
    for (const char32_t ch : text.toUcs4()) {
        int code = -1;
        for (int c = 0; c < 256; ++c) {
            if (set.byCode[c] == ch) code = c;
        }
        const std::optional<int> programCode = investigations::win1251Code(ch);
        if (programCode.value_or(-1) != code) mismatch("character set", text);
        const bool expected = ch == point || (ch != U',' && code >= 0 && acceptedByTable(code));
        const bool accepted = investigations::isAcceptedKey(ch, point);
        if (accepted != expected) mismatch("key filter", text);
        typable = typable && accepted;
    }
    // Filter and reader agree: digits with at most one separator, all typable, can be read.
    const qsizetype separators = text.count(separator);
    bool digitsOnly = !text.isEmpty() && separators <= 1;
    for (const QChar c : text) {
        digitsOnly = digitsOnly && ((c >= u'0' && c <= u'9') || c == separator);
    }
    if (digitsOnly && typable) {
        try {
            investigations::readNumber(text, separator);
        } catch (const investigations::ConversionError&) {
            mismatch("typable number unreadable", text);
        } catch (const model::FloatError&) {
            // too many digits for a double: readable, but beyond the range
        }
    }
}

void checkReader(const QString& text, QChar separator) {
    const fuzz_reference::Reading expected =
        fuzz_reference::readReference(text.toStdU16String(), separator.unicode());
    try {
        const double value = investigations::readNumber(text, separator);
        if (expected.outcome != fuzz_reference::Outcome::Value) mismatch("read a value", text);
        if (std::memcmp(&value, &expected.value, sizeof value) != 0) mismatch("value", text);
    } catch (const investigations::ConversionError& e) {
        if (expected.outcome != fuzz_reference::Outcome::Unreadable) mismatch("unreadable", text);
        const QString message =
            QStringLiteral("'%1' is not a valid floating point value").arg(text);
        if (std::strcmp(e.what(), message.toStdString().c_str()) != 0) mismatch("message", text);
    } catch (const model::FloatError& e) {
        if (expected.outcome != fuzz_reference::Outcome::Overflow) mismatch("overflow", text);
        if (e.kind() != model::FloatError::Kind::Overflow) mismatch("error kind", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QChar separator = (data[0] & 1) ? QLatin1Char('.') : QLatin1Char(',');
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    checkReader(text, separator);
    checkKeyFilter(text, separator);
    return 0;
}
