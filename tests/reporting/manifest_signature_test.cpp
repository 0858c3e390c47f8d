// The manifest signature rule: with no key every manifest is taken and any signature is
// ignored; with a key only a valid signature of exactly these manifest bytes by that key is
// taken, whatever else the header holds. Signatures and keys come from openssl.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "reporting/manifest_signature.h"
#include "tools/api_standin/host_path.h"

namespace {

constexpr char kFirst[] = R"({"pdfinstall":[]})";
constexpr char kSecond[] = R"({"pdfinstall":[{"name":"installer","url":"http://h/a.exe"}]})";
// The DER SubjectPublicKeyInfo of the same key, the other accepted key text.
constexpr char kKeyInfoText[] =
    "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAEvF592u7FEyOZTo/M/CHgcTWGowlCLaQS0dtAOwQ+TeQiYejg96Uy"
    "oAz3vEM994ojazc/1KtGJtv3st+CVetftg==";

std::string ReadData(const char* name) {
  std::string text;
  EXPECT_TRUE(platform::ReadWholeFile(HostPath(std::string(QUILLO_TEST_DATA_DIR "/") + name), text))
      << name;
  return text;
}

class ManifestSignatureTest : public ::testing::Test {
 protected:
  ManifestSignatureTest() {
    std::istringstream lines(ReadData("manifest_signatures.txt"));
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line[0] != '#') {
        std::istringstream fields(line);
        std::string name, signature;
        fields >> name >> signature;
        signatures[name] = signature;
      }
    }
  }

  const std::string key = ReadData("manifest_public_key.txt");  // ends in a line break
  std::map<std::string, std::string> signatures;
};

TEST_F(ManifestSignatureTest, WithAKeyOnlyAValidSignatureOfTheseBytesIsTaken) {
  const std::string good = signatures["first-by-key"];
  std::string flipped = good;
  flipped[10] = flipped[10] == 'A' ? 'B' : 'A';
  struct Case {
    const char* what;
    std::string manifest;
    std::string header;
    bool accepted;
  };
  const Case cases[] = {
      {"good", kFirst, good, true},
      {"good, blanks around the header value", kFirst, " " + good + "\r\n", true},
      {"missing", kFirst, "", false},
      {"a flipped bit", kFirst, flipped, false},
      {"signature of another manifest", kFirst, signatures["second-by-key"], false},
      {"manifest changed after signing", std::string(kFirst) + " ", good, false},
      {"another key", kFirst, signatures["first-by-other-key"], false},
      {"not Base64", kFirst, "not a signature!", false},
      {"Base64 cut short", kFirst, good.substr(0, good.size() - 4), false},
      {"raw r||s instead of DER", kFirst, std::string(88, 'A'), false},
      {"the second, good", kSecond, signatures["second-by-key"], true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsManifestSignatureAccepted(c.manifest, c.header, key), c.accepted) << c.what;
  }
  EXPECT_TRUE(IsManifestSignatureAccepted(kFirst, good, kKeyInfoText)) << "key as SPKI";
}

TEST_F(ManifestSignatureTest, WithoutAKeyEveryManifestIsTakenAndTheHeaderIgnored) {
  for (const std::string& header : {std::string(), signatures["first-by-key"],
                                    signatures["first-by-other-key"], std::string("garbage")}) {
    EXPECT_TRUE(IsManifestSignatureAccepted(kFirst, header, ""));
    EXPECT_TRUE(IsManifestSignatureAccepted(kSecond, header, " \n"));
  }
}

TEST_F(ManifestSignatureTest, AKeyTextThatDoesNotDecodeRejectsEveryManifest) {
  const std::string good = signatures["first-by-key"];
  for (const std::string& badKey : {std::string("not a key"), key.substr(0, 40),
                                    std::string(kKeyInfoText).substr(4), std::string("AAAA")}) {
    EXPECT_TRUE(DecodeManifestPublicKey(badKey).empty()) << badKey;
    EXPECT_FALSE(IsManifestSignatureAccepted(kFirst, good, badKey)) << badKey;
  }
  EXPECT_EQ(DecodeManifestPublicKey(key).size(), 65u);
  EXPECT_EQ(DecodeManifestPublicKey(key), DecodeManifestPublicKey(kKeyInfoText));
}

TEST(EcdsaDerTest, ReadsOnlyWellFormedSignatures) {
  const std::string r(32, '\x11');
  const std::string s = std::string("\x00\x80", 2) + std::string(31, '\x22');  // needs its 00
  const std::string der = std::string("\x30\x45\x02\x20", 4) + r + "\x02\x21" + s;
  const std::string rs = EcdsaSignatureFromDer(der);
  ASSERT_EQ(rs.size(), 64u);
  EXPECT_EQ(rs.substr(0, 32), r);
  EXPECT_EQ(rs.substr(32), s.substr(1));

  const std::string shortR = std::string("\x30\x08\x02\x01\x05\x02\x03\x01\x02\x03", 10);
  EXPECT_EQ(EcdsaSignatureFromDer(shortR),
            std::string(31, '\0') + "\x05" + std::string(29, '\0') + "\x01\x02\x03");

  const std::string bad[] = {
      "",
      der + "x",                                               // trailing bytes
      der.substr(0, der.size() - 1),                           // cut short
      std::string("\x31\x06\x02\x01\x01\x02\x01\x01", 8),      // not a sequence
      std::string("\x30\x06\x02\x01\x81\x02\x01\x01", 8),      // negative r
      std::string("\x30\x07\x02\x02\x00\x01\x02\x01\x01", 9),  // r not minimal
      std::string("\x30\x03\x02\x01\x01", 5),                  // s missing
      std::string("\x30\x81\x06\x02\x01\x01\x02\x01\x01", 9),  // long-form length
      std::string("\x30\x26\x02\x21", 4) + std::string(33, '\x01') + "\x02\x01\x01",  // r too big
  };
  for (const std::string& text : bad) {
    EXPECT_TRUE(EcdsaSignatureFromDer(text).empty()) << text.size();
  }
}

}  // namespace
