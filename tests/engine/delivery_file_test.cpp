#include "data/delivery_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <stdexcept>

using namespace tev;

namespace {

std::string SampleText(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(random() & 0xFF);
    return text;
}

std::filesystem::path WriteTempFile(const std::string& name,
                                    const std::vector<unsigned char>& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace

TEST(DeliveryFile, RoundTripsEveryVariantAndLength) {
    const std::size_t lengths[] = {0,
                                   1,
                                   2,
                                   7,
                                   119,
                                   120,
                                   121,
                                   126,
                                   128,
                                   254,
                                   255,
                                   1001,
                                   kDeliveryMaxTextSize - 1,
                                   kDeliveryMaxTextSize};
    for (int variant = 0; variant < 8; ++variant) {
        for (std::size_t length : lengths) {
            SCOPED_TRACE("variant " + std::to_string(variant) + " length " +
                         std::to_string(length));
            const std::string text = SampleText(length, static_cast<unsigned>(length));
            const auto bytes = EncodeDeliveryFile(text, variant, static_cast<uint16_t>(length * 7));
            ASSERT_EQ(bytes.size(), kDeliveryHeaderSize + length);
            if (length >= 4) {
                EXPECT_NE(std::string(bytes.begin() + 8, bytes.end()), text) << "not coded";
            }
            const auto result = DecodeDeliveryFile(bytes, "STAL1.DAT");
            ASSERT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(result.text, text);
        }
    }
}

TEST(DeliveryFile, CodingMatchesTheDocumentedExample) {
    const std::vector<unsigned char> expected = {0x01, 0x00, 0x0D, 0x00, 0x52,
                                                 0x5A, 0xE0, 0xDE, 0x91, 0x15};
    EXPECT_EQ(EncodeDeliveryFile("AB", 5, 1), expected);

    std::set<std::string> codings;
    for (int variant = 0; variant < 8; ++variant) {
        const auto bytes = EncodeDeliveryFile(SampleText(300, 1), variant, 0x155);
        codings.emplace(bytes.begin(), bytes.end());
    }
    EXPECT_EQ(codings.size(), 8u);
}

TEST(DeliveryFile, EncoderRefusesWhatDoesNotFit) {
    EXPECT_THROW(EncodeDeliveryFile(std::string(kDeliveryMaxTextSize + 1, 'x'), 0, 1),
                 std::length_error);
    EXPECT_THROW(EncodeDeliveryFile("x", 8, 1), std::invalid_argument);
    EXPECT_THROW(EncodeDeliveryFile("x", -1, 1), std::invalid_argument);
}

TEST(DeliveryFile, MarkerZeroIsTheOldCoding) {
    auto bytes = EncodeDeliveryFile("some text", 3, 9);
    bytes[0] = 0;
    const auto result = DecodeDeliveryFile(bytes, "STAL2.DAT");
    EXPECT_EQ(result.status, DeliveryStatus::OldCoding);
    EXPECT_EQ(result.message, "alte Kodierung");
    EXPECT_TRUE(result.text.empty());
}

TEST(DeliveryFile, TruncatedFilesGiveTheReadErrorWithTheirNumbers) {
    const auto bytes = EncodeDeliveryFile(std::string(100, 'a'), 6, 77);
    const std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + 60);
    auto result = DecodeDeliveryFile(cut, "A:\\STAL1.DAT");
    EXPECT_EQ(result.status, DeliveryStatus::ReadError);
    EXPECT_EQ(result.message, "Lesefehler bei A:\\STAL1.DAT: 60 statt 108");

    const std::vector<unsigned char> shortFiles[] = {{}, {1}, {1, 0, 5, 0, 8, 0, 0}};
    for (const auto& shortFile : shortFiles) {
        result = DecodeDeliveryFile(shortFile, "S");
        EXPECT_EQ(result.message,
                  "Lesefehler bei S: " + std::to_string(shortFile.size()) + " statt 8");
    }
}

TEST(DeliveryFile, LogsHeaderValuesAndDump) {
    const auto bytes = EncodeDeliveryFile(std::string(100, 'a'), 2, 3);
    const auto result = DecodeDeliveryFile(bytes, "STAL1.DAT");
    ASSERT_EQ(result.logLines.size(), 3u);
    const unsigned codedNges = bytes[6] | (bytes[7] << 8);
    EXPECT_EQ(result.logLines[0], " v nges=" + std::to_string(codedNges) +
                                      " nstart=" + std::to_string(bytes[4]) + " nread=108");
    EXPECT_EQ(result.logLines[1].substr(0, 12), " 01 00 1A 00");
    EXPECT_EQ(result.logLines[1].size(), 15u * 3);
    EXPECT_EQ(result.logLines[2], " nges=100 nstart=8");

    EXPECT_EQ(DecodeDeliveryFile({1, 0xAB}, "S").logLines[1], " 01 AB");
}

TEST(DeliveryFile, GarbageIsRefusedOrDecodedNeverMisread) {
    std::mt19937 random(20240611);
    const auto valid = EncodeDeliveryFile(SampleText(3000, 5), 4, 1234);
    for (int round = 0; round < 3000; ++round) {
        std::vector<unsigned char> bytes;
        if (round % 3 == 0) {
            bytes.assign(valid.begin(), valid.begin() + random() % (valid.size() + 1));
            for (int flips = random() % 4; flips > 0 && !bytes.empty(); --flips)
                bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        } else {
            bytes.resize(random() % (round % 50 == 1 ? 70000 : 600));
            for (auto& b : bytes)
                b = static_cast<unsigned char>(random());
        }
        const auto result = DecodeDeliveryFile(bytes, "G");
        if (result.ok()) {
            EXPECT_LE(result.text.size(), std::min(bytes.size(), kDeliveryReadLimit));
        } else {
            EXPECT_TRUE(result.message == "alte Kodierung" ||
                        result.message.rfind("Lesefehler bei G: ", 0) == 0)
                << result.message;
            EXPECT_TRUE(result.text.empty());
        }
    }
}

TEST(DeliveryFile, ReadsAtMost64000BytesOfAFile) {
    const std::string text = SampleText(kDeliveryMaxTextSize, 3);
    auto bytes = EncodeDeliveryFile(text, 7, 4321);
    bytes.resize(70001, 0xEE);
    const auto path = WriteTempFile("tev_delivery_large.dat", bytes);
    const auto result = ReadDeliveryFile(path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.text, text);
    EXPECT_NE(result.logLines[0].find(" nread=64000"), std::string::npos);
    EXPECT_EQ(DecodeDeliveryFile(bytes, "x").text, text);
}

TEST(DeliveryFile, MissingFileIsNotFoundWithoutMessage) {
    const auto result = ReadDeliveryFile("/nonexistent/tev/STAL3.DAT");
    EXPECT_EQ(result.status, DeliveryStatus::NotFound);
    EXPECT_TRUE(result.message.empty());
}

TEST(DeliveryFile, OutputEndsWithTheEndMark) {
    EXPECT_EQ(DeliveryOutputBytes("a;b\r\n"), std::string("a;b\r\n\x1A"));
}
