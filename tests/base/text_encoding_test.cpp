// Texts: UTF-8 inside, trimmed and counted by characters; a data file's
// bytes are taken as UTF-8 when valid, else as Windows-1252, checked against
// the system's own converter.
#include "base/text_encoding.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <optional>
#include <string>

#include "base/text.h"

namespace quadrel {
namespace {

// Trimming removes blanks and control characters only; lengths count
// characters, a stray byte as one.
TEST(Text, TrimsAndCountsByCharacters) {
    EXPECT_EQ(Trim(std::string("\0 a b \t\r", 8)), "a b");
    EXPECT_EQ(TrimRight("  a  \r"), "  a");
    EXPECT_EQ(Trim(" G\xC3\xA9ologie\xC2\xA0 "), "G\xC3\xA9ologie\xC2\xA0");
    EXPECT_EQ(CharacterCount("G\xC3\xA9o \xF0\x9F\x98\x80 \xFF\xE2\x82"), 9U);
    EXPECT_EQ(PadRight("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(FirstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(UpperCase("m1b-\xC3\xA9"), "M1B-\xC3\xA9");
}

TEST(IsValidUtf8, TellsWellFormedFromIllFormed) {
    for (const char* bytes :
         {"", "Quadrel / 1.0", "\xC2\x80", "G\xC3\xA9ologie", "\xE2\x82\xAC", "\xE0\xA0\x80",
          "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBB\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(IsValidUtf8(bytes)) << bytes;
    }
    EXPECT_TRUE(IsValidUtf8(std::string("a\0b\x01\x7F", 5)));
    // Stray continuation, overlong forms, a surrogate, beyond U+10FFFF, bad
    // lead bytes, cut-off sequences, a Windows-1252 accent.
    for (const char* bytes : {"\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
                              "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",
                              "ab\xC3", "\xF0\x9F\x98", "\xE2\x82\x41", "G\xE9ologie"}) {
        EXPECT_FALSE(IsValidUtf8(bytes)) << bytes;
    }
}

#ifdef _WIN32
// The byte as Windows decodes its code page 1252: the five bytes it leaves
// undefined become the C1 control characters of their numbers.
std::optional<std::string> SystemWindows1252(char byte) {
    wchar_t wide[2] = {};
    if (::MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2) != 1) {
        return std::nullopt;
    }
    char out[8] = {};
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide, 1, out, sizeof out, nullptr, nullptr);
    return std::string(out, static_cast<std::size_t>(length));
}
#else
// The byte as glibc's converter decodes it; nothing for the five bytes
// Windows-1252 leaves undefined.
std::optional<std::string> SystemWindows1252(char byte) {
    const iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char out[8] = {}, *in = &byte, *outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok ? std::optional<std::string>(std::string(out, outPtr)) : std::nullopt;
}
#endif

TEST(Windows1252ToUtf8, EveryByteDecodesAsTheSystemDoes) {
    ASSERT_TRUE(SystemWindows1252('A')) << "the system lacks CP1252";
    for (int byte = 0; byte < 256; ++byte) {
        const std::string decoded = Windows1252ToUtf8(std::string(1, static_cast<char>(byte)));
        // An undefined byte becomes the C1 control character of its number.
        const std::string c1{'\xC2', static_cast<char>(byte)};
        EXPECT_EQ(decoded, SystemWindows1252(static_cast<char>(byte)).value_or(c1)) << byte;
        EXPECT_EQ(CharacterCount(decoded), 1U) << byte;
    }
}

}  // namespace
}  // namespace quadrel
