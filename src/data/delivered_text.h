#pragma once
// Checks on a data set text that came from a diskette before it may become a school's data
// set file: the coding has no checksum, so a damaged delivery shows only in its text.
#include <string>

namespace tev {

// Why the text is no data set, or empty: it must start with a header line, and every line
// must be a header line (".;NN;nnnnnn;2016/17;...") or a data line (a row number, ";",
// cells), at most 255 characters long, ended by CR LF, without control characters.
std::string DeliveredTextProblem(const std::string& text);

// The school number (characters 6 to 11) and the two-digit year (characters 15 and 16) of the
// text's first line; empty where those characters are not digits.
struct DeliveredIdentity {
    std::string schoolNumber;
    std::string yearDigits;
};
DeliveredIdentity IdentityOfDeliveredText(const std::string& text);

} // namespace tev
