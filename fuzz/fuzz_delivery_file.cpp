// The decoder of delivered files on any bytes.
#include "data/delivery_file.h"

#include <vector>

using namespace tev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const DeliveryDecodeResult result = DecodeDeliveryFile(bytes, "STAL1.DAT");
    if (result.ok()) DeliveryOutputBytes(result.text);
    return 0;
}
