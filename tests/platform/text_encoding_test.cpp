// Conversions between wide text and code page 936 (GBK) and UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/text_encoding.h"

namespace {

using platform::NarrowToWide;
using platform::Utf8ToWide;
using platform::WideToNarrow;
using platform::WideToUtf8;

// "QuilloPDF转换器" in GBK: 转 D7AA, 换 BBBB, 器 C6F7.
const std::string kProductGbk = "QuilloPDF\xD7\xAA\xBB\xBB\xC6\xF7";
const std::wstring kProductWide = L"QuilloPDF\u8F6C\u6362\u5668";

TEST(TextEncodingTest, ChineseRoundTripsThroughGbk) {
  EXPECT_EQ(WideToNarrow(kProductWide), kProductGbk);
  EXPECT_EQ(NarrowToWide(kProductGbk), kProductWide);

  const std::wstring path = L"C:\\Program Files\\\u7528\u6237\u534F\u8BAE\\setup.exe";
  EXPECT_EQ(NarrowToWide(WideToNarrow(path)), path);
  EXPECT_EQ(WideToNarrow(L""), "");
  EXPECT_EQ(NarrowToWide(""), L"");
}

TEST(TextEncodingTest, EuroSignIsTheSingleByte0x80) {
  EXPECT_EQ(WideToNarrow(L"\u20AC"), "\x80");
  EXPECT_EQ(NarrowToWide("\x80"), L"\u20AC");
}

TEST(TextEncodingTest, CharactersOutsideGbkBecomeQuestionMarks) {
  struct Case {
    std::wstring wide;
    std::string narrow;
  };
  const std::vector<Case> cases = {
      {L"\u0E01", "?"},                              // Thai letter
      {L"a\u0E01b", "a?b"},                          // in the middle of ASCII
      {L"\u8F6C\u0E01\u6362", "\xD7\xAA?\xBB\xBB"},  // between Chinese characters
      {L"\U0001F600", "?"},  // outside the basic plane: one mark per character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WideToNarrow(c.wide), c.narrow);
  }
}

TEST(TextEncodingTest, MalformedGbkBecomesQuestionMarks) {
  struct Case {
    std::string narrow;
    std::wstring wide;
  };
  const std::vector<Case> cases = {
      {"\xFF", L"?"},                              // never a GBK byte
      {"ab\xD7", L"ab?"},                          // lead byte cut off at the end
      {"\xD7\x20x", L"? x"},                       // lead byte before an invalid trail byte
      {"\xD7\xAA\xFF\xBB\xBB", L"\u8F6C?\u6362"},  // a bad byte between good characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NarrowToWide(c.narrow), c.wide);
  }
}

TEST(TextEncodingTest, ConvertsOnManyThreadsAtOnce) {
  std::vector<std::thread> threads;
  std::vector<int> failures(8, 0);
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t, &failures] {
      for (int i = 0; i < 500; ++i) {
        if (NarrowToWide(WideToNarrow(kProductWide)) != kProductWide) {
          ++failures[static_cast<size_t>(t)];
        }
      }
    });
  }
  for (auto& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(failures, std::vector<int>(8, 0));
}

TEST(TextEncodingTest, Utf8RoundTripsAndReplacesMalformedBytes) {
  const std::string utf8 = "\xE7\x94\xA8\xE6\x88\xB7\xE5\x8D\x8F\xE8\xAE\xAE \xF0\x9F\x98\x80";
  EXPECT_EQ(WideToUtf8(Utf8ToWide(utf8)), utf8);
  EXPECT_EQ(Utf8ToWide("\xE7\x94\xA8"), L"\u7528");
  EXPECT_EQ(Utf8ToWide("a\xC0\xAF"
                       "b"),
            L"a\uFFFD\uFFFDb");                        // overlong encoding
  EXPECT_EQ(Utf8ToWide("\xE7\x94"), L"\uFFFD\uFFFD");  // cut off
}

}  // namespace
