#include "link/memory_codec.h"

#include "link/book_codec.h"
#include "link/channel_codec.h"
#include "link/dtmf_codec.h"
#include "link/five_tone_codec.h"
#include "link/option_codec.h"
#include "link/scan_alert_codec.h"
#include "link/two_tone_codec.h"

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
