// The agreement text resource: GBK, CR LF line ends, no byte-order mark, no zero byte,
// the title line, and fourteen numbered sections in order.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "tests/skin/skin_files.h"

namespace {

std::string AgreementBytes() {
  return skin_test::ReadFile(skin_test::SourceDir() / "resources" / "agreement.txt");
}

// Strict conversion: false on any byte sequence that is not a GBK character.
bool StrictGbkToUtf8(const std::string& gbk, std::string& utf8) {
  iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return false;
  }
  std::string in = gbk;
  std::vector<char> out(gbk.size() * 2 + 16);
  char* in_ptr = in.data();
  char* out_ptr = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || in_left != 0) {
    return false;
  }
  utf8.assign(out.data(), out.size() - out_left);
  return true;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(AgreementText, BytesHaveTheEmbeddedShape) {
  const std::string bytes = AgreementBytes();
  ASSERT_GT(bytes.size(), 10000u);
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << "a zero byte would cut the text short";
  EXPECT_NE(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8 byte-order mark";
  EXPECT_NE(bytes.compare(0, 2, "\xFF\xFE"), 0) << "UTF-16 byte-order mark";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
    } else if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
    }
  }
}

TEST(AgreementText, DecodesAsGbkTheSameWayTheProgramDecodesIt) {
  const std::string bytes = AgreementBytes();
  std::string utf8;
  ASSERT_TRUE(StrictGbkToUtf8(bytes, utf8)) << "not valid GBK";
  // The program converts with its own code page 936 table: nothing may become '?'.
  EXPECT_EQ(platform::WideToUtf8(platform::NarrowToWide(bytes)), utf8);
  EXPECT_EQ(utf8.find('?'), std::string::npos);
}

TEST(AgreementText, StartsWithTheTitleLineAndAnIntroduction) {
  std::string utf8;
  ASSERT_TRUE(StrictGbkToUtf8(AgreementBytes(), utf8));
  const std::vector<std::string> lines = SplitCrLf(utf8);
  ASSERT_GT(lines.size(), 3u);
  // The window formats exactly the first nine characters as the title.
  EXPECT_EQ(lines[0], "\t\t\t\t\t用户协议");
  EXPECT_TRUE(lines[1].empty());
  EXPECT_GT(lines[2].size(), 20u) << "an introduction follows the title";
}

TEST(AgreementText, HasFourteenNumberedSectionsInOrderOnTheirTopics) {
  struct Section {
    const char* heading_start;
    const char* topic;
  };
  const Section sections[] = {
      {"一、", "定义"},   {"二、", "接受"},   {"三、", "费用"},   {"四、", "变更"},
      {"五、", "开通"},   {"六、", "隐私"},   {"七、", "广告"},   {"八、", "软件"},
      {"九、", "网站"},   {"十、", "用户"},   {"十一、", "声明"}, {"十二、", "通知"},
      {"十三、", "管辖"}, {"十四、", "其他"},
  };
  std::string utf8;
  ASSERT_TRUE(StrictGbkToUtf8(AgreementBytes(), utf8));
  std::vector<std::string> headings;
  for (const std::string& line : SplitCrLf(utf8)) {
    // A heading is a short line that starts with a Chinese numeral and the list comma.
    const std::size_t comma = line.find("、");
    if (comma != std::string::npos && comma <= 9 && line.size() < 60 &&
        std::string("一二三四五六七八九十").find(line.substr(0, 3)) != std::string::npos) {
      headings.push_back(line);
    }
  }
  ASSERT_EQ(headings.size(), std::size(sections));
  for (std::size_t i = 0; i < headings.size(); ++i) {
    EXPECT_EQ(headings[i].rfind(sections[i].heading_start, 0), 0u) << headings[i];
    EXPECT_NE(headings[i].find(sections[i].topic), std::string::npos) << headings[i];
  }
}

}  // namespace
