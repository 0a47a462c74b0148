#include "data/delivery_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace tev {

namespace {

constexpr std::size_t kCodedStart = 2;
constexpr std::size_t kBlockSize = 128;
constexpr std::size_t kDumpBytes = 15;
constexpr unsigned char kMarker = 1;

enum class Direction { Encode, Decode };

uint16_t Swap(uint16_t a) {
    return static_cast<uint16_t>((a << 8) | (a >> 8));
}

uint16_t RotateLeft(uint16_t a, unsigned r) {
    r &= 15;
    return r == 0 ? a : static_cast<uint16_t>((a << r) | (a >> (16 - r)));
}

uint16_t RotateRight(uint16_t a, unsigned r) {
    return RotateLeft(a, (16 - (r & 15)) & 15);
}

uint16_t EncodeWord(int variant, uint16_t w, uint16_t k) {
    const unsigned r = k >> 12;
    switch (variant) {
    case 0:
        return w ^ k;
    case 1:
        return static_cast<uint16_t>(w + k);
    case 2:
        return RotateLeft(w ^ k, r);
    case 3:
        return Swap(w) ^ k;
    case 4:
        return Swap(static_cast<uint16_t>(w + k));
    case 5:
        return static_cast<uint16_t>((w ^ k) + Swap(k));
    case 6:
        return static_cast<uint16_t>(RotateLeft(w, r) + k);
    default:
        return Swap(static_cast<uint16_t>(k - w)) ^ RotateLeft(k, 5);
    }
}

uint16_t DecodeWord(int variant, uint16_t c, uint16_t k) {
    const unsigned r = k >> 12;
    switch (variant) {
    case 0:
        return c ^ k;
    case 1:
        return static_cast<uint16_t>(c - k);
    case 2:
        return RotateRight(c, r) ^ k;
    case 3:
        return Swap(c ^ k);
    case 4:
        return static_cast<uint16_t>(Swap(c) - k);
    case 5:
        return static_cast<uint16_t>(c - Swap(k)) ^ k;
    case 6:
        return RotateRight(static_cast<uint16_t>(c - k), r);
    default:
        return static_cast<uint16_t>(k - Swap(c ^ RotateLeft(k, 5)));
    }
}

// Codes or decodes the area from offset 2 in place; the header word at 2..3 must be present.
void TransformCodedArea(std::vector<unsigned char>& data, Direction direction) {
    const std::size_t n = data.size();
    const uint16_t header = static_cast<uint16_t>(data[2] | (data[3] << 8));
    const int variant = header & 7;
    const std::size_t blocks = n / kBlockSize + 1;
    for (std::size_t block = 0; block < blocks; ++block) {
        auto x = static_cast<uint16_t>(header ^ static_cast<uint16_t>(block * 0x9E37u));
        const std::size_t blockStart = kCodedStart + block * kBlockSize;
        for (std::size_t j = 0; j < kBlockSize / 2; ++j) {
            x = static_cast<uint16_t>(x * 25173u + 13849u);
            const auto key = static_cast<uint16_t>(x ^ (x >> 7));
            const std::size_t o = blockStart + 2 * j;
            if (o >= n) return;
            if (o == kCodedStart) continue; // the header word stays plain
            if (o + 1 == n) {
                data[o] ^= static_cast<unsigned char>(key & 0xFF);
                return;
            }
            const auto word = static_cast<uint16_t>(data[o] | (data[o + 1] << 8));
            const uint16_t out = direction == Direction::Encode ? EncodeWord(variant, word, key)
                                                                : DecodeWord(variant, word, key);
            data[o] = static_cast<unsigned char>(out & 0xFF);
            data[o + 1] = static_cast<unsigned char>(out >> 8);
        }
    }
}

std::string HexDump(const std::vector<unsigned char>& bytes, std::size_t count) {
    std::string line;
    char cell[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(cell, sizeof cell, " %02X", bytes[i]);
        line += cell;
    }
    return line;
}

unsigned ByteAt(const std::vector<unsigned char>& bytes, std::size_t n, std::size_t i) {
    return i < n ? bytes[i] : 0u;
}

std::string ReadErrorMessage(const std::string& fileName, std::size_t nread, std::size_t want) {
    return "Lesefehler bei " + fileName + ": " + std::to_string(nread) + " statt " +
           std::to_string(want);
}

} // namespace

std::vector<unsigned char> EncodeDeliveryFile(const std::string& dataSetText, int variant,
                                              uint16_t seed) {
    if (variant < 0 || variant > 7)
        throw std::invalid_argument("delivery coding variant must be 0..7, not " +
                                    std::to_string(variant));
    if (dataSetText.size() > kDeliveryMaxTextSize)
        throw std::length_error("data set text of " + std::to_string(dataSetText.size()) +
                                " bytes does not fit a delivery file (at most " +
                                std::to_string(kDeliveryMaxTextSize) + ")");
    const auto header = static_cast<uint16_t>((seed << 3) | variant);
    const auto nges = static_cast<uint16_t>(dataSetText.size());
    std::vector<unsigned char> data(kDeliveryHeaderSize + dataSetText.size(), 0);
    data[0] = kMarker;
    data[2] = static_cast<unsigned char>(header & 0xFF);
    data[3] = static_cast<unsigned char>(header >> 8);
    data[4] = static_cast<unsigned char>(kDeliveryHeaderSize);
    data[6] = static_cast<unsigned char>(nges & 0xFF);
    data[7] = static_cast<unsigned char>(nges >> 8);
    std::copy(dataSetText.begin(), dataSetText.end(), data.begin() + kDeliveryHeaderSize);
    TransformCodedArea(data, Direction::Encode);
    return data;
}

DeliveryDecodeResult DecodeDeliveryFile(const std::vector<unsigned char>& bytes,
                                        const std::string& fileName) {
    DeliveryDecodeResult result;
    const std::size_t nread = std::min(bytes.size(), kDeliveryReadLimit);
    // nges and nstart; bytes beyond nread count 0.
    const auto headerFields = [&](const std::vector<unsigned char>& b) {
        const unsigned nges = ByteAt(b, nread, 6) | (ByteAt(b, nread, 7) << 8);
        return std::make_pair(nges, ByteAt(b, nread, 4));
    };
    const auto [codedNges, codedNstart] = headerFields(bytes);
    result.logLines.push_back(" v nges=" + std::to_string(codedNges) + " nstart=" +
                              std::to_string(codedNstart) + " nread=" + std::to_string(nread));
    result.logLines.push_back(HexDump(bytes, std::min(nread, kDumpBytes)));

    if (nread > 0 && bytes[0] == 0) {
        result.status = DeliveryStatus::OldCoding;
        result.message = "alte Kodierung";
        return result;
    }
    if (nread < kDeliveryHeaderSize) {
        result.status = DeliveryStatus::ReadError;
        result.message = ReadErrorMessage(fileName, nread, kDeliveryHeaderSize);
        return result;
    }

    std::vector<unsigned char> data(bytes.begin(), bytes.begin() + nread);
    TransformCodedArea(data, Direction::Decode);
    const auto [nges, nstart] = headerFields(data);
    result.logLines.push_back(" nges=" + std::to_string(nges) +
                              " nstart=" + std::to_string(nstart));

    const std::size_t end = std::size_t{nstart} + nges;
    if (end > nread) {
        result.status = DeliveryStatus::ReadError;
        result.message = ReadErrorMessage(fileName, nread, end);
        return result;
    }
    result.status = DeliveryStatus::Decoded;
    result.text.assign(data.begin() + nstart, data.begin() + end);
    return result;
}

DeliveryDecodeResult ReadDeliveryFile(const std::string& path) {
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
    if (!file.is_open()) return {};
    std::vector<unsigned char> bytes(kDeliveryReadLimit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return DecodeDeliveryFile(bytes, path);
}

std::string DeliveryOutputBytes(const std::string& dataSetText) {
    return dataSetText + static_cast<char>(26);
}

} // namespace tev
