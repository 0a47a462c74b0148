#pragma once
// DeliveryFile: the binary container in which the schools' entry program delivers one data
// set text ("STAL" + digit + ".DAT").
//
// Layout after decoding (offsets from 0, 16-bit words little-endian):
//   0     1 byte   coding marker; 0 is the old coding, which is refused. We write 1; every
//                  other non-zero value is read the same way.
//   1     1 byte   reserved, written 0, ignored; never coded.
//   2..3  1 word   header word H; stays plain (not coded).
//                    bits 0-2  variant v (0..7) of the word transformation
//                    bits 3-15 seed (the encoder keeps the low 13 bits of its seed)
//   4     1 byte   nstart: offset of the data set text (we write 8)
//   5     1 byte   reserved, written 0
//   6..7  1 word   nges: length of the data set text in bytes
//   8..            the data set text, nges bytes
// The whole file is at most 64000 bytes, so the text is at most 63992 bytes.
//
// Coding. The coded area is everything from offset 2 to the end of the file (n bytes in
// all). It is cut into blocks of 128 bytes: block k (k = 0, 1, ...) covers the offsets
// 2 + 128k up to 2 + 128k + 127; a reader decodes (n div 128) + 1 blocks, and of each block
// only the offsets below n, so the last block may be partial or empty. Word j (j = 0..63) of
// block k covers the offsets o = 2 + 128k + 2j and o + 1, low byte first.
//
// Key words. Arithmetic is on unsigned 16-bit values, modulo 65536. For each block:
//   x = H xor (k * 0x9E37 mod 65536)
// and for each word j = 0, 1, ... of the block, in order, one step:
//   x = (x * 25173 + 13849) mod 65536
//   K = x xor (x >> 7)
// so word j uses the key K of the (j + 1)-th step. The step is taken for every word position,
// also for word 0 of block 0, which is H itself and is never transformed.
//
// Word transformation. w is the plain word, c the coded word, r = K >> 12 (0..15),
// S(a) swaps the two bytes of a, rotl/rotr rotate a 16-bit value by r bits (or by 5 where
// written):
//   v   encode                      decode
//   0   c = w xor K                 w = c xor K
//   1   c = w + K                   w = c - K
//   2   c = rotl(w xor K, r)        w = rotr(c, r) xor K
//   3   c = S(w) xor K              w = S(c xor K)
//   4   c = S(w + K)                w = S(c) - K
//   5   c = (w xor K) + S(K)        w = (c - S(K)) xor K
//   6   c = rotl(w, r) + K          w = rotr(c - K, r)
//   7   c = S(K - w) xor rotl(K,5)  w = K - S(c xor rotl(K,5))
// Odd trailing byte: when n is odd, the last byte (at offset o = n - 1, the low byte of a
// word position) has no partner; it is coded as b xor (K and 0xFF) with the key K of its word
// position, for every variant.
//
// Example: the text "AB" with variant 5 and seed 1 (H = 0x000D) gives the 10 bytes
//   01 00 0D 00 52 5A E0 DE 91 15
// (checked by the tests).
//
// Reading: at most 64000 bytes are read (nread); the marker is checked, the coded area is
// decoded, and the text is bytes nstart to nstart + nges - 1 if they lie within nread.
// A file shorter than the 8 header bytes is refused as a read error ("... statt 8").
#include <cstdint>
#include <string>
#include <vector>

namespace tev {

inline constexpr std::size_t kDeliveryReadLimit = 64000;
inline constexpr std::size_t kDeliveryHeaderSize = 8;
inline constexpr std::size_t kDeliveryMaxTextSize = kDeliveryReadLimit - kDeliveryHeaderSize;

enum class DeliveryStatus {
    Decoded,   // text holds the data set text
    NotFound,  // no readable file; the caller tries the next name
    OldCoding, // marker 0: "alte Kodierung"
    ReadError, // "Lesefehler bei ..."
};

struct DeliveryDecodeResult {
    DeliveryStatus status = DeliveryStatus::NotFound;
    std::string text;                  // the data set text when decoded
    std::string message;               // the message the caller shows when refused
    std::vector<std::string> logLines; // lines for the trace log, in order
    bool ok() const { return status == DeliveryStatus::Decoded; }
};

// Builds a coded container of the text (for tests and demo data). Throws
// std::invalid_argument for a variant outside 0..7 and std::length_error for a text longer
// than kDeliveryMaxTextSize.
std::vector<unsigned char> EncodeDeliveryFile(const std::string& dataSetText, int variant,
                                              uint16_t seed);

// Decodes the first kDeliveryReadLimit bytes; fileName is only used in the message.
DeliveryDecodeResult DecodeDeliveryFile(const std::vector<unsigned char>& bytes,
                                        const std::string& fileName);

// Reads at most kDeliveryReadLimit bytes of the file and decodes them; the path is the
// name in the message. Shows nothing itself.
DeliveryDecodeResult ReadDeliveryFile(const std::string& path);

// What is written as the data set file: the text followed by the end mark byte 26.
std::string DeliveryOutputBytes(const std::string& dataSetText);

} // namespace tev
