#include "memory/memory_codec.h"

#include "memory/book_codec.h"
#include "memory/channel_codec.h"
#include "memory/dtmf_codec.h"
#include "memory/five_tone_codec.h"
#include "memory/option_codec.h"
#include "memory/scan_alert_codec.h"
#include "memory/two_tone_codec.h"

namespace rp70 {

bool EncodeRadioMemory(RadioImage& image, const EncodeTarget& target) {
    SetCommDataByScan(image, target);
    SetCommDataByAlert(image, target);
    return SetCommDataByFrequency(image, target) && SetCommDataByOption(image, target) &&
           SetCommDataBy5Tone(image, target) && SetCommDataBy2Tone(image, target) &&
           SetCommDataByDTMF(image, target) && SetCommDataByDTMFCommuBook(image, target);
}

void DecodeRadioMemory(RadioImage& image, RadioMemory& memory) {
    GetCommDataByFrequency(image, memory);
    GetCommDataByScan(image, memory);
    GetCommDataByAlert(image, memory);
    GetCommDataByOption(image, memory);
    GetCommDataBy5Tone(image, memory);
    GetCommDataBy2Tone(image, memory);
    GetCommDataByDTMF(image, memory);
    GetCommDataByBook(image, memory);
}

} // namespace rp70
